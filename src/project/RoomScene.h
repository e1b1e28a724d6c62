#pragma once

#include "RoomPlan.h"

#include <array>
#include <memory>
#include <string>

class CItemGroup;

// Names of the generated room, as the sensor's module paths name them.
constexpr const char* kRoomGroupName = "Raum";
constexpr std::array<const char*, 3> kRoomVariantGroupNames{"Wandmontage", "Deckenmontage", "Eckmontage"};
constexpr const char* kRoomDecorationName = "Ausstattung";
constexpr const char* kRoomCeilingPlateName = "Deckenplatte";

// The room group of a complete plan (or of an empty one: no targets yet):
// one group per mounting variant, the
// plan's variant visible, each with the plan's target surfaces as direct
// children (the targets of the detection); the ceiling plate above the
// ceiling place in a subgroup of the ceiling variant's; then the plan
// itself. No container carries a transform, as the targets' vertices are
// taken as world coordinates.
std::unique_ptr<CItemGroup> BuildRoomGroup(const CRoomPlan& plan, const std::string& description);
