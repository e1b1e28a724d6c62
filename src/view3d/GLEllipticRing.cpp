#include "AngleSweep.h"
#include "FlatEllipse.h"
#include "GLPrimitives.h"

#include "MeshPasses.h"

#include <GL/gl.h>

#include <numbers>

namespace {

constexpr double kPull = 0.0001;
constexpr double kTolerance = 0.001;

void DrawFill(const CFlatEllipse& plane, double inner, double outer, const CAngleSweep& sweep)
{
  CVector n = plane.Normal();
  glNormal3d(n.x, n.y, n.z);
  glBegin(GL_QUAD_STRIP);
  for (int i = 0; i <= sweep.steps; ++i) {
    GLVertex3v(plane.Point(inner, sweep.At(i)));
    GLVertex3v(plane.Point(outer, sweep.At(i)));
  }
  glEnd();
}

void DrawArc(const CFlatEllipse& plane, double r, const CAngleSweep& sweep)
{
  glBegin(GL_LINE_STRIP);
  for (int i = 0; i <= sweep.steps; ++i)
    GLVertex3v(plane.Point(r, sweep.At(i)));
  glEnd();
}

void DrawOutline(const CFlatEllipse& plane, double inner, double outer, const CAngleSweep& sweep)
{
  DrawArc(plane, outer, sweep);
  if (inner > 0.0)
    DrawArc(plane, inner, sweep);
  if (sweep.IsComplete(kPull, 2.0 * std::numbers::pi, kTolerance))
    return;
  glBegin(GL_LINES);
  for (double t : {sweep.start, sweep.End()}) {
    GLVertex3v(plane.Point(outer, t));
    GLVertex3v(plane.Point(inner, t));
  }
  glEnd();
}

} // namespace

void DrawEllipticRing(double innerRadius, double outerRadius, double fx, double fy, double offsetZ, double slopeX,
                      double slopeY, double start, double end, int segments, const CVector& lineColour,
                      const CVector& fillColour, bool outline, bool fill)
{
  CAngleSweep sweep;
  if (outerRadius == 0.0 || !MakeTurnSweep(start, end, segments, sweep))
    return;
  CFlatEllipse plane{fx, fy, offsetZ, slopeX, slopeY};

  DrawMeshPasses(
      lineColour, fillColour, outline, fill, [&] { DrawFill(plane, innerRadius, outerRadius, sweep); },
      [&] { DrawOutline(plane, innerRadius, outerRadius, sweep); });
}
