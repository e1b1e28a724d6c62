#pragma once

#include "SurfaceCoverage.h"

#include <memory>
#include <optional>
#include <vector>

// Sets of regions on one surface drawn one over another, each set cut by
// the union of all sets before it, so that no two sets overlap (fills of
// different colours in one plane would fight in depth); the regions of one
// set are cut one by one, so that each keeps its own outline. The sets of
// the sensors that stay (each one's visible parts, then each one's shadowed
// parts) are stacked once and kept, so that the moving sensor's parts laid
// on top cost one cut of each kept piece, not a new stack.
class CHeldStack {
public:
  // Null when the surface has no plane on the micrometre grid or
  // Boost.Geometry refuses the parts.
  static std::shared_ptr<const CHeldStack> Make(const CVectorArray& surface,
                                                const std::vector<const std::vector<CPlanarRegion>*>& visible,
                                                const std::vector<const std::vector<CPlanarRegion>*>& shadowed);
  ~CHeldStack();
  CHeldStack(const CHeldStack&) = delete;
  CHeldStack& operator=(const CHeldStack&) = delete;

  // The stack of the top visible set (kept whole), the held visible sets,
  // the top shadowed set and the held shadowed sets, in that order; none
  // when Boost.Geometry refuses the parts.
  std::optional<std::vector<std::vector<CPlanarRegion>>> Under(const std::vector<CPlanarRegion>& topVisible,
                                                               const std::vector<CPlanarRegion>& topShadowed) const;

private:
  // The held sets on the surface's grid (ExactPlane.h, which only this
  // library may include).
  struct CKept;
  explicit CHeldStack(std::unique_ptr<CKept> kept);

  std::unique_ptr<CKept> m_kept;
};
