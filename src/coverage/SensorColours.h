#pragma once

#include "DetectionRun.h"
#include "Vector.h"

#include <array>
#include <cstddef>

// The colour of sensor N's patches (numbered from 1; the sixth takes the
// first's again): the patches' own orange for the first, so that a room with
// one sensor looks as before, then colours of Okabe and Ito's palette that
// stay apart for colour-blind eyes. Their blue is left out: it lies too
// near the deep blue of the sensor marker.
inline constexpr size_t kSensorColourCount = 5;

inline CVector SensorColour(size_t sensor)
{
  static const std::array<CVector, kSensorColourCount> colours{{
      kPatchFillColour,
      {0.0, 158.0 / 255.0, 115.0 / 255.0},           // bluish green
      {204.0 / 255.0, 121.0 / 255.0, 167.0 / 255.0}, // reddish purple
      {86.0 / 255.0, 180.0 / 255.0, 233.0 / 255.0},  // sky blue
      {240.0 / 255.0, 228.0 / 255.0, 66.0 / 255.0},  // yellow
  }};
  return colours[(sensor == 0 ? 0 : sensor - 1) % kSensorColourCount];
}
