#pragma once

#include "RoomPlan.h"
#include "Vector.h"

#include <string>
#include <vector>

enum class PlanSurface { Floor, Wall, Obstacle };

// One convex target surface of the room, in world coordinates, its face
// normal pointing to where it can be seen from: up from floor and tops,
// into the room from walls, out of the box from an obstacle's sides.
struct CPlanTarget {
  std::string name;
  PlanSurface kind = PlanSurface::Floor;
  size_t wall = 0; // the wall a wall part belongs to
  CVectorArray vertices;
};

// The floor "Boden" (split into "Boden 1", "Boden 2", ... when the outline
// is not convex), the walls "Wand 1" ... in the outline's order ("Wand 2.1",
// "Wand 2.2", ... beside, then above its doors), then each obstacle's top
// "Hindernis 1 oben" and sides "Hindernis 1 Seite 1" ... "Seite 4".
std::vector<CPlanTarget> PlanTargets(const CRoomPlan& plan);
