#pragma once

#include "Vector.h"

// A box the start view and the whole-scene view frame, in world coordinates.
struct CFramedBox {
  CVector low;
  CVector high;
};

// How far from the box's centre the eye stands for the box's bounding
// sphere to fit the view in every direction: the field of view is vertical
// in degrees, the aspect width / height.
double FittingDistance(const CFramedBox& box, double fieldOfView, double aspect);
