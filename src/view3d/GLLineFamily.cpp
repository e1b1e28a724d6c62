#include "GLPrimitives.h"

#include <GL/gl.h>

#include <cmath>

namespace {

void EmitLine(const CLineFamily& family, double position)
{
  if (family.vertical) {
    GLVertex2(position, family.from);
    GLVertex2(position, family.to);
  } else {
    GLVertex2(family.from, position);
    GLVertex2(family.to, position);
  }
}

} // namespace

int DrawLineFamily(const CLineFamily& family, const CVector& colour)
{
  // Also refuses non-numbers: every comparison with them is false.
  if (!(family.step > 0.0))
    return 0;
  double distance = family.descending ? family.first - family.limit : family.limit - family.first;
  // The family has floor(distance / step) + 1 positions.
  if (!(distance / family.step < kMaxFamilyLines))
    return 0;
  double step = family.descending ? -family.step : family.step;
  int drawn = 0;
  int counter = 1;
  double position = family.first;
  GLBeginColoured(GL_LINES, colour);
  // The index bound ends the loop even where adding the step no longer
  // changes a huge position.
  for (int i = 0; i < kMaxFamilyLines; ++i, position += step) {
    if (family.descending ? position < family.limit : position > family.limit)
      break;
    if (counter == family.skipEvery) {
      counter = 1;
      continue;
    }
    ++counter;
    EmitLine(family, position);
    ++drawn;
  }
  glEnd();
  return drawn;
}
