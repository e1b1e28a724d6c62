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

// For each wall of the plan, whether the eye looks at its back: it then
// stands between the eye and the floor.
std::vector<bool> WallsToCut(const CRoomPlan& plan, const CVector& eye);

// Whether every vertex of the polygon lies on one of the walls marked in cut.
bool LiesOnCutWall(const CRoomPlan& plan, const std::vector<bool>& cut, const CVectorArray& polygon);
// The part of the polygon at or below the skirting (a convex polygon stays
// convex; the rings of others may run along the cut).
CVectorArray BelowSkirting(const CVectorArray& polygon);

// While it lives, the walls marked in `cut` of the visible room (of the
// project whose plan it is) and the patches on them reach only up to the
// skirting; they are put back when it ends. For drawing only: nothing may
// run the detection or save meanwhile.
class CWallCutaway {
public:
  CWallCutaway(CProject& project, const CRoomPlan& plan, const std::vector<bool>& cut);
  ~CWallCutaway();
  CWallCutaway(const CWallCutaway&) = delete;
  CWallCutaway& operator=(const CWallCutaway&) = delete;

private:
  std::vector<std::pair<CItemPolygon*, CVectorArray>> m_saved;
};
