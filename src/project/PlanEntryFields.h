#pragma once

#include "RoomPlan.h"

#include <string>

class CItemGroup;

// The plan's values as ordinary entries of a group: an unbounded number, an
// index (a word up to the most outline corners) and a point at z = 0.
void AddNumber(CItemGroup& group, const std::string& name, double value);
void AddIndex(CItemGroup& group, const std::string& name, size_t value);
void AddPoint(CItemGroup& group, const std::string& name, const CPlanPoint& point);
