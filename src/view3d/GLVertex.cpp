#include "GLPrimitives.h"
#include "SceneBounds.h"

#include <GL/gl.h>

void GLBeginColoured(unsigned int mode, const CVector& colour)
{
  glBegin(mode);
  glColor3d(colour.x, colour.y, colour.z);
}

void GLVertex2(double x, double y)
{
  AddToSceneBounds(x);
  AddToSceneBounds(y);
  glVertex2d(x, y);
}

void GLVertex3(double x, double y, double z)
{
  AddToSceneBounds(x);
  AddToSceneBounds(y);
  AddToSceneBounds(z);
  glVertex3d(x, y, z);
}

void GLVertex3v(const CVector& v)
{
  GLVertex3(v.x, v.y, v.z);
}

void GLTranslate(const CVector& v)
{
  AddToSceneBounds(v.x);
  AddToSceneBounds(v.y);
  AddToSceneBounds(v.z);
  // Most entries sit at their frame's origin; a matrix change costs the
  // software rasteriser far more than this test.
  if (v.x != 0.0 || v.y != 0.0 || v.z != 0.0)
    glTranslated(v.x, v.y, v.z);
}

void GLRotate(const CVector& anglesDeg)
{
  if (anglesDeg.z != 0.0)
    glRotated(anglesDeg.z, 0.0, 0.0, 1.0);
  if (anglesDeg.y != 0.0)
    glRotated(anglesDeg.y, 0.0, 1.0, 0.0);
  if (anglesDeg.x != 0.0)
    glRotated(anglesDeg.x, 1.0, 0.0, 0.0);
}
