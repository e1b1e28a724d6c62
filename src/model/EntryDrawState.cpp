#include "EntryDrawState.h"

#include "EntryLimits.h"
#include "GLPrimitives.h"

#include <GL/gl.h>

#include <algorithm>

void PushPlacement(const CVector& position, const CVector& rotationDeg)
{
  glPushMatrix();
  GLTranslate(position);
  GLRotate(rotationDeg);
}

void PushTranslation(const CVector& position)
{
  glPushMatrix();
  GLTranslate(position);
}

void PopPlacement()
{
  glPopMatrix();
}

void SetEntryLineWidth(double width)
{
  // Also skips non-numbers, which compare false.
  if (width > 0.0)
    glLineWidth(static_cast<float>(std::min(width, kMaxLineWidth)));
}
