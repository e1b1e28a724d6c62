#include "AngleSweep.h"
#include "GLPrimitives.h"

#include "MeshCache.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kEllipsoidPatchKind = 1;
constexpr double kPull = 0.00001;
constexpr double kTolerance = 0.0001;

struct CEllipsoid {
  double a, b, c;    // semi-axes
  double fx, fy, fz; // their factors, which shape the normals

  CVector Point(double phi, double theta) const { return EllipsoidPoint(a, b, c, phi, theta); }

  // A zero factor flattens the shape; its normal component is left at 0
  // rather than becoming a non-number.
  CVector Normal(const CVector& p) const
  {
    return {fx != 0.0 ? p.x * fz / (fx * fx) : 0.0, fy != 0.0 ? p.y * fz / (fy * fy) : 0.0, p.z};
  }

  void Vertex(CMeshPart& out, double phi, double theta) const
  {
    CVector p = Point(phi, theta);
    out.Normal(Normal(p));
    out.Vertex(p);
  }
};

void AddFill(const CEllipsoid& shape, const CAngleSweep& phi, const CAngleSweep& theta, CMeshPart& out)
{
  for (int i = 0; i < phi.steps; ++i) {
    out.Begin(GL_QUAD_STRIP);
    for (int j = 0; j <= theta.steps; ++j) {
      shape.Vertex(out, phi.At(i + 1), theta.At(j));
      shape.Vertex(out, phi.At(i), theta.At(j));
    }
    out.End();
  }
}

void AddAlongPhi(const CEllipsoid& shape, const CAngleSweep& phi, double theta, CMeshPart& out)
{
  out.Begin(GL_LINE_STRIP);
  for (int i = 0; i <= phi.steps; ++i)
    out.Vertex(shape.Point(phi.At(i), theta));
  out.End();
}

void AddAlongTheta(const CEllipsoid& shape, const CAngleSweep& theta, double phi, CMeshPart& out)
{
  out.Begin(GL_LINE_STRIP);
  for (int j = 0; j <= theta.steps; ++j)
    out.Vertex(shape.Point(phi, theta.At(j)));
  out.End();
}

void AddEdges(const CEllipsoid& shape, const CAngleSweep& phi, const CAngleSweep& theta, double thetaEnd,
              CMeshPart& out)
{
  if (!theta.IsComplete(kPull, std::numbers::pi, kTolerance)) {
    AddAlongPhi(shape, phi, theta.start, out);
    AddAlongPhi(shape, phi, thetaEnd, out);
  }
  if (!phi.IsComplete(kPull, 2.0 * std::numbers::pi, kTolerance)) {
    AddAlongTheta(shape, theta, phi.start, out);
    AddAlongTheta(shape, theta, phi.End(), out);
  }
}

// A whole turn of azimuth from pole to pole of a solid shape encloses space;
// its quads then wind counter-clockwise seen from outside unless the shape
// is mirrored (volume factor below 0).
bool IsClosed(double volumeFactor, const CAngleSweep& phi, const CAngleSweep& theta)
{
  constexpr double kExact = 1e-9;
  return std::isfinite(volumeFactor) && volumeFactor != 0.0 && phi.IsComplete(0.0, 2.0 * std::numbers::pi, kExact) &&
         std::fabs(theta.start) <= kExact && std::fabs(theta.End() - std::numbers::pi) <= kExact;
}

} // namespace

void DrawEllipsoidPatch(double r, double fx, double fy, double fz, double phiStart, double phiEnd, double thetaStart,
                        double thetaEnd, int phiSteps, int thetaSteps, const CVector& lineColour,
                        const CVector& fillColour, bool outline, bool fill)
{
  CMeshKey key{kEllipsoidPatchKind,
               {r, fx, fy, fz, phiStart, phiEnd, thetaStart, thetaEnd},
               {phiSteps, thetaSteps},
               fill,
               outline};
  DrawCachedMesh(key, lineColour, fillColour, outline, fill, [&](MeshDetail detail, CMeshGeometry& out) {
    CAngleSweep phi;
    CAngleSweep theta;
    if (!MakeTurnSweep(phiStart, phiEnd, StepsAt(phiSteps, detail), phi) ||
        !MakeRangeSweep(thetaStart, thetaEnd, StepsAt(thetaSteps, detail), theta))
      return false;
    CEllipsoid shape{r * fx, r * fy, r * fz, fx, fy, fz};
    if (fill)
      AddFill(shape, phi, theta, out.fill);
    if (IsClosed(r * fx * fy * fz, phi, theta))
      out.closedWinding = r * fx * fy * fz > 0.0 ? 1 : -1;
    if (outline)
      AddEdges(shape, phi, theta, thetaEnd, out.edges);
    return true;
  });
}
