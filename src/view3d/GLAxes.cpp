#include "GLAxes.h"

#include "GLPrimitives.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace {

struct CAxis {
  CVector colour;
  double end[3];
  double turn[4]; // angle and axis that bring the cone's z onto the axis
};

constexpr CAxis kAxes[3] = {
    {{1, 0, 0}, {1, 0, 0}, {90, 0, 1, 0}},
    {{0, 1, 0}, {0, 1, 0}, {90, -1, 0, 0}},
    {{0, 0, 1}, {0, 0, 1}, {90, 0, 0, 1}},
};

constexpr int kConeSlices = 15;

// Unlit, so begun with their colour (GLBeginColoured), which a GLU cone
// cannot be.
void DrawAxis(const CAxis& axis, double length)
{
  const CVector end{axis.end[0] * length, axis.end[1] * length, axis.end[2] * length};
  GLBeginColoured(GL_LINES, axis.colour);
  glVertex3d(0.0, 0.0, 0.0);
  glVertex3d(end.x, end.y, end.z);
  glEnd();
  glPushMatrix();
  glTranslated(end.x, end.y, end.z);
  glRotated(axis.turn[0], axis.turn[1], axis.turn[2], axis.turn[3]);
  // A cone along z without a base; one ring of triangles, since the axes are
  // drawn unlit, where more would only add triangles to every frame of a
  // drag.
  const double radius = 0.01 * length;
  const double height = 0.05 * length;
  GLBeginColoured(GL_TRIANGLES, axis.colour);
  for (int i = 0; i < kConeSlices; ++i) {
    double a = 2.0 * std::numbers::pi * i / kConeSlices;
    double b = 2.0 * std::numbers::pi * (i + 1) / kConeSlices;
    glVertex3d(radius * std::sin(a), radius * std::cos(a), 0.0);
    glVertex3d(0.0, 0.0, height);
    glVertex3d(radius * std::sin(b), radius * std::cos(b), 0.0);
  }
  glEnd();
  glPopMatrix();
}

} // namespace

unsigned int CompileAxesList(double length)
{
  GLuint list = glGenLists(1);
  if (list == 0)
    return 0;
  glNewList(list, GL_COMPILE);
  glPushAttrib(GL_POLYGON_BIT | GL_CURRENT_BIT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  for (const CAxis& axis : kAxes)
    DrawAxis(axis, length);
  glPopAttrib();
  glEndList();
  return list;
}
