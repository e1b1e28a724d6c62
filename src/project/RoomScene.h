#pragma once

#include "Vector.h"

#include <array>
#include <memory>
#include <string>

class CItemGroup;

// Names of the generated room, as the sensor's module paths name them.
constexpr const char* kRoomGroupName = "Raum";
constexpr std::array<const char*, 3> kRoomVariantGroupNames{"Wandmontage", "Deckenmontage", "Eckmontage"};
constexpr const char* kRoomDecorationName = "Ausstattung";
constexpr const char* kRoomCeilingPlateName = "Deckenplatte";

// Floor rectangle of one mounting variant's room, x1 < x2, y1 < y2.
struct RoomRect {
  double x1 = 0.0;
  double y1 = 0.0;
  double x2 = 0.0;
  double y2 = 0.0;
};

struct RoomLayout {
  std::array<RoomRect, 3> rooms; // by mounting variant
  double height = 0.0;
  CVector platePosition; // centre of the ceiling plate of the ceiling variant
  int visibleVariant = 0;
  std::string description;
};

// The room group: one group per mounting variant with its floor grid "Boden"
// and four walls as direct children (the targets of the detection), the
// decoration in a subgroup of its own. No container carries a transform, as
// the targets' vertices are taken as world coordinates.
std::unique_ptr<CItemGroup> BuildRoomGroup(const RoomLayout& layout);
