#include "AngleSweep.h"
#include "GLPrimitives.h"

#include "MeshPasses.h"

#include <GL/gl.h>

#include <numbers>

namespace {

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

  void Vertex(double phi, double theta) const
  {
    CVector p = Point(phi, theta);
    CVector n = Normal(p);
    glNormal3d(n.x, n.y, n.z);
    GLVertex3v(p);
  }
};

void DrawFill(const CEllipsoid& shape, const CAngleSweep& phi, const CAngleSweep& theta)
{
  for (int i = 0; i < phi.steps; ++i) {
    glBegin(GL_QUAD_STRIP);
    for (int j = 0; j <= theta.steps; ++j) {
      shape.Vertex(phi.At(i + 1), theta.At(j));
      shape.Vertex(phi.At(i), theta.At(j));
    }
    glEnd();
  }
}

void DrawAlongPhi(const CEllipsoid& shape, const CAngleSweep& phi, double theta)
{
  glBegin(GL_LINE_STRIP);
  for (int i = 0; i <= phi.steps; ++i)
    GLVertex3v(shape.Point(phi.At(i), theta));
  glEnd();
}

void DrawAlongTheta(const CEllipsoid& shape, const CAngleSweep& theta, double phi)
{
  glBegin(GL_LINE_STRIP);
  for (int j = 0; j <= theta.steps; ++j)
    GLVertex3v(shape.Point(phi, theta.At(j)));
  glEnd();
}

void DrawEdges(const CEllipsoid& shape, const CAngleSweep& phi, const CAngleSweep& theta, double thetaEnd)
{
  if (!theta.IsComplete(kPull, std::numbers::pi, kTolerance)) {
    DrawAlongPhi(shape, phi, theta.start);
    DrawAlongPhi(shape, phi, thetaEnd);
  }
  if (!phi.IsComplete(kPull, 2.0 * std::numbers::pi, kTolerance)) {
    DrawAlongTheta(shape, theta, phi.start);
    DrawAlongTheta(shape, theta, phi.End());
  }
}

} // namespace

void DrawEllipsoidPatch(double r, double fx, double fy, double fz, double phiStart, double phiEnd, double thetaStart,
                        double thetaEnd, int phiSteps, int thetaSteps, const CVector& lineColour,
                        const CVector& fillColour, bool outline, bool fill)
{
  CAngleSweep phi;
  CAngleSweep theta;
  if (!MakeTurnSweep(phiStart, phiEnd, phiSteps, phi) || !MakeRangeSweep(thetaStart, thetaEnd, thetaSteps, theta))
    return;
  CEllipsoid shape{r * fx, r * fy, r * fz, fx, fy, fz};

  DrawMeshPasses(
      lineColour, fillColour, outline, fill, [&] { DrawFill(shape, phi, theta); },
      [&] { DrawEdges(shape, phi, theta, thetaEnd); });
}
