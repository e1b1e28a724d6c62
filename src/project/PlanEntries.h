#pragma once

#include "RoomPlan.h"

#include <memory>
#include <optional>

class CItemGroup;
class CProject;

// The plan kept in the project as ordinary entries: a hidden group
// "Grundriss" in the room group with numbers, words and points (the zones'
// names as their groups' descriptions). The variant is the sensor's
// "Montageart".
constexpr const char* kPlanGroupName = "Grundriss";

std::unique_ptr<CItemGroup> MakePlanGroup(const CRoomPlan& plan);
// The plan of the group; none when an entry is missing or the plan does
// not hold together.
std::optional<CRoomPlan> ReadPlanGroup(const CItemGroup& group, RoomVariant variant);
// The plan of the project's room (beside CAD1's wall variant group); none
// for a project without one.
std::optional<CRoomPlan> FindRoomPlan(CProject& project);
// The plan to edit: the room plan, or the empty plan (no corners, but the
// height and the underlay) that "Grundriss zeichnen" stores until the
// outline is drawn; none for a project without a plan group.
std::optional<CRoomPlan> FindEditablePlan(CProject& project);
// Keeps the underlay's file found when the project file moves from
// `fromPath` to `toPath`: its name stays relative to the project's folder.
void RebaseUnderlay(CProject& project, const std::string& fromPath, const std::string& toPath);
