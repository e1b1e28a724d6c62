#pragma once

#include "RoomPlan.h"

#include <map>
#include <span>
#include <string>
#include <vector>

// The values of the room options, as "room" reads them and "plan" prints
// them. Each parser returns the error line, empty when the value is good.
std::string ParsePlanPoint(const std::string& word, CPlanPoint& point);
std::string ParsePlanPolygon(const std::string& word, CPlanPolygon& polygon);
std::string ParsePlanIndex(const std::string& word, size_t& index);
std::string ParsePlanDoor(const std::string& word, CPlanDoor& door);
std::string ParsePlanObstacle(const std::string& word, CPlanObstacle& obstacle);
std::string ParsePlanZone(const std::string& word, CPlanZone& zone);
// "wall", "ceiling" or "corner".
std::string ParseVariant(const std::string& word, RoomVariant& variant);
// The code of a built-in model named with or without its "*"; 0 for none.
int FindModel(const std::string& name);
// A finite number, the whole word.
std::string ParsePlanNumber(const std::string& word, double& value);

// "--outline ..." to the last "--zone ...", one line each, numbers "%.16g".
std::string FormatPlanOptions(const CRoomPlan& plan);

// A command line split into its words and its options, each option with the
// word after it.
struct COptionLine {
  std::vector<std::string> words;
  std::map<std::string, std::string> single;
  std::map<std::string, std::vector<std::string>> repeated;
};
// Splits args; single options may be given once, repeated ones any number
// of times. Returns the error line, empty when every option is known and
// has its value.
std::string SplitOptions(const std::vector<std::string>& args, std::span<const char* const> singleOptions,
                         std::span<const char* const> repeatedOptions, COptionLine& line);
