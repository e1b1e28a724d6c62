#pragma once

#include <GL/glu.h>

// Owns a GLU quadric. Quadrics are client-side objects, independent of any
// GL context.
class CGLQuadric {
public:
  // Filled, with smooth normals.
  CGLQuadric();
  ~CGLQuadric();
  CGLQuadric(const CGLQuadric&) = delete;
  CGLQuadric& operator=(const CGLQuadric&) = delete;

  // Null when GLU could not allocate one.
  GLUquadric* Get() const { return m_quadric; }

private:
  GLUquadric* m_quadric;
};
