#include "AngleSweep.h"
#include "GLPrimitives.h"

#include "MeshCache.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kConeSurfaceKind = 4;

struct CCutPlane {
  double slopeX, slopeY, level;
};

struct CCone {
  double radius1, level1, radius2, level2;
  double fx, fy;

  // Where the generator at azimuth t meets the plane. The generator runs
  // from (radius1, level1) to (radius2, level2); where it is parallel to the
  // plane the point of the plane's own level is lifted onto it instead.
  CVector Cut(const CCutPlane& plane, double ownRadius, double t) const
  {
    double c = std::cos(t);
    double s = std::sin(t);
    double k = plane.slopeX * fx * c + plane.slopeY * fy * s;
    double u = (k * radius1 + plane.level - level1) / ((level2 - level1) - k * (radius2 - radius1));
    double r = std::isfinite(u) ? radius1 + u * (radius2 - radius1) : ownRadius;
    double x = r * fx * c;
    double y = r * fy * s;
    return {x, y, plane.slopeX * x + plane.slopeY * y + plane.level};
  }
};

void AddFill(const CCone& cone, const CCutPlane& bottom, const CCutPlane& top, const CAngleSweep& sweep, CMeshPart& out)
{
  out.Begin(GL_QUAD_STRIP);
  for (int i = 0; i <= sweep.steps; ++i) {
    double t = sweep.At(i);
    CVector p1 = cone.Cut(bottom, cone.radius1, t);
    CVector p2 = cone.Cut(top, cone.radius2, t);
    // Generator x tangent: the normal that agrees with the strip's winding.
    out.Normal(Cross(p2 - p1, {-cone.fx * std::sin(t), cone.fy * std::cos(t), 0.0}));
    out.Vertex(p1);
    out.Vertex(p2);
  }
  out.End();
}

} // namespace

void DrawConeSurface(double radius1, double slopeX1, double slopeY1, double level1, double radius2, double slopeX2,
                     double slopeY2, double level2, double fx, double fy, double start, double end, int segments,
                     const CVector& fillColour)
{
  // Equal angles give the whole cone, as the azimuth window of its
  // intersection accepts every angle then.
  if (start == end && std::isfinite(start))
    end = start + 2.0 * std::numbers::pi;
  CMeshKey key{kConeSurfaceKind,
               {radius1, slopeX1, slopeY1, level1, radius2, slopeX2, slopeY2, level2, fx, fy, start, end},
               {segments, 0},
               true,
               false};
  DrawCachedMesh(key, fillColour, fillColour, false, true, [&](MeshDetail detail, CMeshGeometry& out) {
    CAngleSweep sweep;
    if (!MakeTurnSweep(start, end, StepsAt(segments, detail), sweep))
      return false;
    CCone cone{radius1, level1, radius2, level2, fx, fy};
    AddFill(cone, {slopeX1, slopeY1, level1}, {slopeX2, slopeY2, level2}, sweep, out.fill);
    return true;
  });
}
