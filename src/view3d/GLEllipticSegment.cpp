#include "AngleSweep.h"
#include "FlatEllipse.h"
#include "GLPrimitives.h"

#include "MeshCache.h"

#include <GL/gl.h>

#include <numbers>

namespace {

constexpr int kEllipticSegmentKind = 3;
constexpr double kPull = 0.0001;
constexpr double kTolerance = 0.001;

// The region is the ellipse cut by the chord's line, so it is convex: strips
// between chords parallel to the end chord, pairing the i-th point from
// either end of the arc, cover it. The end point comes first in each pair so
// that the winding follows the plane normal.
void AddFill(const CFlatEllipse& plane, double r, const CAngleSweep& sweep, CMeshPart& out)
{
  out.Normal(plane.Normal());
  out.Begin(GL_QUAD_STRIP);
  for (int i = 0; i <= sweep.steps / 2; ++i) {
    out.Vertex(plane.Point(r, sweep.At(sweep.steps - i)));
    out.Vertex(plane.Point(r, sweep.At(i)));
  }
  out.End();
}

void AddOutline(const CFlatEllipse& plane, double r, const CAngleSweep& sweep, CMeshPart& out)
{
  bool withChord = !sweep.IsComplete(kPull, 2.0 * std::numbers::pi, kTolerance);
  out.Begin(withChord ? GL_LINE_LOOP : GL_LINE_STRIP);
  for (int i = 0; i <= sweep.steps; ++i)
    out.Vertex(plane.Point(r, sweep.At(i)));
  out.End();
}

} // namespace

void DrawEllipticSegment(double r, double fx, double fy, double offsetZ, double slopeX, double slopeY, double start,
                         double end, int segments, const CVector& lineColour, const CVector& fillColour, bool outline,
                         bool fill)
{
  CMeshKey key{kEllipticSegmentKind, {r, fx, fy, offsetZ, slopeX, slopeY, start, end}, {segments, 0}, fill, outline};
  DrawCachedMesh(key, lineColour, fillColour, outline, fill, [&](MeshDetail detail, CMeshGeometry& out) {
    CAngleSweep sweep;
    if (r == 0.0 || !MakeTurnSweep(start, end, StepsAt(segments, detail), sweep))
      return false;
    CFlatEllipse plane{fx, fy, offsetZ, slopeX, slopeY};
    if (fill)
      AddFill(plane, r, sweep, out.fill);
    if (outline)
      AddOutline(plane, r, sweep, out.edges);
    return true;
  });
}
