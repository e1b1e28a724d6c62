#include "AngleSweep.h"
#include "FlatEllipse.h"
#include "GLPrimitives.h"

#include "MeshPasses.h"

#include <GL/gl.h>

#include <numbers>

namespace {

constexpr double kPull = 0.0001;
constexpr double kTolerance = 0.001;

// The region is the ellipse cut by the chord's line, so it is convex: strips
// between chords parallel to the end chord, pairing the i-th point from
// either end of the arc, cover it. The end point comes first in each pair so
// that the winding follows the plane normal.
void DrawFill(const CFlatEllipse& plane, double r, const CAngleSweep& sweep)
{
  CVector n = plane.Normal();
  glNormal3d(n.x, n.y, n.z);
  glBegin(GL_QUAD_STRIP);
  for (int i = 0; i <= sweep.steps / 2; ++i) {
    GLVertex3v(plane.Point(r, sweep.At(sweep.steps - i)));
    GLVertex3v(plane.Point(r, sweep.At(i)));
  }
  glEnd();
}

void DrawOutline(const CFlatEllipse& plane, double r, const CAngleSweep& sweep)
{
  bool withChord = !sweep.IsComplete(kPull, 2.0 * std::numbers::pi, kTolerance);
  glBegin(withChord ? GL_LINE_LOOP : GL_LINE_STRIP);
  for (int i = 0; i <= sweep.steps; ++i)
    GLVertex3v(plane.Point(r, sweep.At(i)));
  glEnd();
}

} // namespace

void DrawEllipticSegment(double r, double fx, double fy, double offsetZ, double slopeX, double slopeY, double start,
                         double end, int segments, const CVector& lineColour, const CVector& fillColour, bool outline,
                         bool fill)
{
  CAngleSweep sweep;
  if (r == 0.0 || !MakeTurnSweep(start, end, segments, sweep))
    return;
  CFlatEllipse plane{fx, fy, offsetZ, slopeX, slopeY};

  DrawMeshPasses(
      lineColour, fillColour, outline, fill, [&] { DrawFill(plane, r, sweep); }, [&] { DrawOutline(plane, r, sweep); });
}
