#pragma once

#include "RoomPlan.h"
#include "Vector.h"

#include <utility>
#include <vector>

class CItemPolygon;
class CProject;

// Walls that stand between the eye and the room's floor are drawn as
// skirtings of this height; the detection always sees them whole.
constexpr double kSkirtingHeight = 0.3;

// The foot of a wall on the floor, from a to b with the room on its left.
struct CWallFoot {
  CPlanPoint a;
  CPlanPoint b;
};

// The walls of a plan, in wall order.
std::vector<CWallFoot> PlanWalls(const CRoomPlan& plan);
// The walls the drawing may cut: those of the project's plan, or in a
// built-in model the upright target surfaces of the visible variant's
// room; none in any other scene.
std::vector<CWallFoot> FindRoomWalls(CProject& project);

// For each wall, whether the eye looks at its back: it then stands between
// the eye and the floor.
std::vector<bool> WallsToCut(const std::vector<CWallFoot>& walls, const CVector& eye);

// Whether every vertex of the polygon lies on one of the walls marked in cut.
bool LiesOnCutWall(const std::vector<CWallFoot>& walls, const std::vector<bool>& cut, const CVectorArray& polygon);
// The part of the polygon at or below the skirting (a convex polygon stays
// convex; the rings of others may run along the cut).
CVectorArray BelowSkirting(const CVectorArray& polygon);

// While it lives, the target surfaces of the visible room that face into it
// on the walls marked in `cut`, and the patches on those walls, reach only
// up to the skirting; they are put back when it ends. For drawing only:
// nothing may run the detection or save meanwhile.
class CWallCutaway {
public:
  CWallCutaway(CProject& project, const std::vector<CWallFoot>& walls, const std::vector<bool>& cut);
  ~CWallCutaway();
  CWallCutaway(const CWallCutaway&) = delete;
  CWallCutaway& operator=(const CWallCutaway&) = delete;

private:
  std::vector<std::pair<CItemPolygon*, CVectorArray>> m_saved;
};
