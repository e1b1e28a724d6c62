#include "AngleSweep.h"
#include "FlatEllipse.h"
#include "GLPrimitives.h"

#include "MeshCache.h"

#include <GL/gl.h>

#include <numbers>

namespace {

constexpr int kEllipticRingKind = 2;
constexpr double kPull = 0.0001;
constexpr double kTolerance = 0.001;

void AddFill(const CFlatEllipse& plane, double inner, double outer, const CAngleSweep& sweep, CMeshPart& out)
{
  out.Normal(plane.Normal());
  out.Begin(GL_QUAD_STRIP);
  for (int i = 0; i <= sweep.steps; ++i) {
    out.Vertex(plane.Point(inner, sweep.At(i)));
    out.Vertex(plane.Point(outer, sweep.At(i)));
  }
  out.End();
}

void AddArc(const CFlatEllipse& plane, double r, const CAngleSweep& sweep, CMeshPart& out)
{
  out.Begin(GL_LINE_STRIP);
  for (int i = 0; i <= sweep.steps; ++i)
    out.Vertex(plane.Point(r, sweep.At(i)));
  out.End();
}

void AddOutline(const CFlatEllipse& plane, double inner, double outer, const CAngleSweep& sweep, CMeshPart& out)
{
  AddArc(plane, outer, sweep, out);
  if (inner > 0.0)
    AddArc(plane, inner, sweep, out);
  if (sweep.IsComplete(kPull, 2.0 * std::numbers::pi, kTolerance))
    return;
  out.Begin(GL_LINES);
  for (double t : {sweep.start, sweep.End()}) {
    out.Vertex(plane.Point(outer, t));
    out.Vertex(plane.Point(inner, t));
  }
  out.End();
}

} // namespace

void DrawEllipticRing(double innerRadius, double outerRadius, double fx, double fy, double offsetZ, double slopeX,
                      double slopeY, double start, double end, int segments, const CVector& lineColour,
                      const CVector& fillColour, bool outline, bool fill)
{
  CMeshKey key{kEllipticRingKind,
               {innerRadius, outerRadius, fx, fy, offsetZ, slopeX, slopeY, start, end},
               {segments, 0},
               fill,
               outline};
  DrawCachedMesh(key, lineColour, fillColour, outline, fill, [&](MeshDetail detail, CMeshGeometry& out) {
    CAngleSweep sweep;
    if (outerRadius == 0.0 || !MakeTurnSweep(start, end, StepsAt(segments, detail), sweep))
      return false;
    CFlatEllipse plane{fx, fy, offsetZ, slopeX, slopeY};
    if (fill)
      AddFill(plane, innerRadius, outerRadius, sweep, out.fill);
    if (outline)
      AddOutline(plane, innerRadius, outerRadius, sweep, out.edges);
    return true;
  });
}
