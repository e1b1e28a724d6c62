#pragma once

#include "Item3DColor.h"

// A placed entry that a line can meet.
class CItem3DSurface : public CItem3DColor {
public:
  // Appends the points (scene coordinates) where the line through a and b,
  // taken as line, ray or segment by the line mode, meets the surface;
  // returns how many were appended. UpdateTransform must have run.
  virtual int Intersect(const CVector& /*a*/, const CVector& /*b*/, CVectorArray& /*hits*/, int /*mode*/) const
  {
    return 0;
  }

protected:
  explicit CItem3DSurface(const char* keyword) : CItem3DColor(keyword) {}
};
