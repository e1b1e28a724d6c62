#include "PointMarker.h"

#include "GLPrimitives.h"

#include <GL/gl.h>

namespace {

constexpr int kSphereSlices = 16;
constexpr int kSphereStacks = 4;

void DrawCross(double s, const CVector& colour)
{
  GLBeginColoured(GL_LINES, colour);
  GLVertex3(-s, 0.0, 0.0);
  GLVertex3(s, 0.0, 0.0);
  GLVertex3(0.0, -s, 0.0);
  GLVertex3(0.0, s, 0.0);
  GLVertex3(0.0, 0.0, -s);
  GLVertex3(0.0, 0.0, s);
  glEnd();
}

} // namespace

void DrawPointMarker(int style, double size, const CVector& colour)
{
  glPushAttrib(GL_POLYGON_BIT | GL_LIGHTING_BIT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glColor3d(colour.x, colour.y, colour.z);
  switch (style) {
  case kPointCross:
    glDisable(GL_LIGHTING);
    DrawCross(size, colour);
    break;
  case kPointCube:
    glEnable(GL_LIGHTING);
    DrawCube(size);
    break;
  case kPointSphere:
    glEnable(GL_LIGHTING);
    DrawSphere(size, kSphereSlices, kSphereStacks);
    break;
  default:
    break;
  }
  glPopAttrib();
}
