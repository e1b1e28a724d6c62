#include "GLPrimitives.h"
#include "GLQuadric.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

void DrawSphere(double radius, int slices, int stacks)
{
  // GLU refuses fewer than 2 slices or 1 stack; huge counts would fill the
  // display list without bound.
  if (!std::isfinite(radius) || slices < 2 || stacks < 1)
    return;
  // One quadric for the whole program, made on first use; it holds no
  // context state, so every renderer can use it.
  static const CGLQuadric sphereQuadric;
  if (!sphereQuadric.Get())
    return;
  gluSphere(sphereQuadric.Get(), radius, std::min(slices, kMaxSegments), std::min(stacks, kMaxSegments));
}

void DrawCube(double size)
{
  static const double corners[8][3] = {{-0.5, -0.5, -0.5}, {0.5, -0.5, -0.5}, {0.5, 0.5, -0.5}, {-0.5, 0.5, -0.5},
                                       {-0.5, -0.5, 0.5},  {0.5, -0.5, 0.5},  {0.5, 0.5, 0.5},  {-0.5, 0.5, 0.5}};
  // Counter-clockwise seen from outside, so the winding agrees with the normal.
  static const int faces[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {2, 3, 7, 6}, {1, 2, 6, 5}, {3, 0, 4, 7}};
  static const double normals[6][3] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}, {1, 0, 0}, {-1, 0, 0}};
  glBegin(GL_QUADS);
  for (int f = 0; f < 6; ++f) {
    glNormal3dv(normals[f]);
    for (int corner : faces[f]) {
      const double* c = corners[corner];
      GLVertex3(c[0] * size, c[1] * size, c[2] * size);
    }
  }
  glEnd();
}
