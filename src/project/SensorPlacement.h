#pragma once

#include "RoomPlan.h"

#include <optional>
#include <string>
#include <string_view>

class CItemSystem;
class CProject;

// The system that carries a built-in model's mounting ("Halterung") into
// the room's plan coordinates.
constexpr const char* kPlacementSystemName = "Standort";

// The model's text with the mounting system wrapped in the placement system
// (at the origin, unturned) and every path through the mounting following
// it; none when the text has no mounting system at its top level.
std::optional<std::string> InsertPlacementSystem(std::string_view modelText);

// Turns and moves the placement system so that the mounting stands at the
// plan variant's place, the sensor facing into the room: on a wall at right
// angles to it, in a corner along its bisector (the corner bracket turns
// the unit by 45 degrees).
void PlaceSensor(const CRoomPlan& plan, const CItemSystem& mount, CItemSystem& placement);

// Moves the sensor of a project with a plan to the place of the variant its
// "Montageart" now names; nothing for a project without a plan.
void FollowChosenVariant(CProject& project);
