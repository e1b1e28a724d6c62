#include "GLAxes.h"

#include "GLQuadric.h"

#include <GL/gl.h>

namespace {

struct CAxis {
  double colour[3];
  double end[3];
  double turn[4]; // angle and axis that bring the cone's z onto the axis
};

constexpr CAxis kAxes[3] = {
    {{1, 0, 0}, {1, 0, 0}, {90, 0, 1, 0}},
    {{0, 1, 0}, {0, 1, 0}, {90, -1, 0, 0}},
    {{0, 0, 1}, {0, 0, 1}, {90, 0, 0, 1}},
};

void DrawAxis(const CAxis& axis, double length, GLUquadric* cone)
{
  glColor3dv(axis.colour);
  glBegin(GL_LINES);
  glVertex3d(0.0, 0.0, 0.0);
  glVertex3d(axis.end[0] * length, axis.end[1] * length, axis.end[2] * length);
  glEnd();
  if (!cone)
    return;
  glPushMatrix();
  glTranslated(axis.end[0] * length, axis.end[1] * length, axis.end[2] * length);
  glRotated(axis.turn[0], axis.turn[1], axis.turn[2], axis.turn[3]);
  // One stack: the axes are drawn unlit, where more stacks would only add
  // triangles to every frame of a drag.
  gluCylinder(cone, 0.01 * length, 0.0, 0.05 * length, 15, 1);
  glPopMatrix();
}

} // namespace

unsigned int CompileAxesList(double length)
{
  GLuint list = glGenLists(1);
  if (list == 0)
    return 0;
  CGLQuadric cone;
  glNewList(list, GL_COMPILE);
  glPushAttrib(GL_POLYGON_BIT | GL_CURRENT_BIT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  for (const CAxis& axis : kAxes)
    DrawAxis(axis, length, cone.Get());
  glPopAttrib();
  glEndList();
  return list;
}
