#include "DetectionLayer.h"

#include "Coverage.h"
#include "CoverageScene.h"
#include "GLPrimitives.h"
#include "GLRegion.h"
#include "RoomPlan.h"

#include <GL/gl.h>

#include <array>

namespace {

// Lifts the outlines off the floor, below any obstacle's top.
constexpr double kOutlineLift = 0.01;

// A checkerboard of single pixels: half the layer's pixels are drawn.
std::array<GLubyte, 128> HalfStipple()
{
  std::array<GLubyte, 128> pattern{};
  for (size_t row = 0; row < 32; ++row)
    for (size_t column = 0; column < 4; ++column)
      pattern[row * 4 + column] = row % 2 == 0 ? 0x55 : 0xAA;
  return pattern;
}

} // namespace

void DrawDetectionLayer(const CCoverage& coverage)
{
  if (!(coverage.height > 0.0))
    return;
  static const std::array<GLubyte, 128> stipple = HalfStipple();
  glPushAttrib(GL_POLYGON_BIT | GL_POLYGON_STIPPLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT | GL_ENABLE_BIT);
  glEnable(GL_POLYGON_STIPPLE);
  glPolygonStipple(stipple.data());
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  GLBeginColoured(GL_TRIANGLES, {1.0, 0.45, 0.0});
  for (const CTargetCoverage& entry : coverage.targets) {
    if (!IsFloorTarget(entry.target.vertices))
      continue;
    for (const CPlanarRegion& part : entry.coverage.patchParts)
      for (const CVector& v : TriangulateRegion(part.outer, part.holes))
        glVertex3d(v.x, v.y, v.z);
  }
  glEnd();
  glPopAttrib();
}

void DrawZoneOutlines(const CRoomPlan& plan, const std::vector<CZoneCoverage>& zones)
{
  glPushAttrib(GL_LINE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT | GL_ENABLE_BIT);
  glDisable(GL_LIGHTING);
  glLineWidth(3.0f);
  for (size_t z = 0; z < plan.zones.size(); ++z) {
    bool watched = z < zones.size() && zones[z].IsWatched();
    GLBeginColoured(GL_LINE_LOOP, watched ? CVector{0.9, 0.05, 0.05} : CVector{0.25, 0.55, 0.35});
    for (const CPlanPoint& corner : plan.zones[z].corners)
      glVertex3d(corner.x, corner.y, kOutlineLift);
    glEnd();
  }
  glPopAttrib();
}
