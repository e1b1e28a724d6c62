#pragma once

#include "Vector.h"

#include <optional>

// The sensor in the 3D view: where its projection centre lies and where it
// looks, both in world coordinates.
struct CSensorMarker {
  CVector centre;
  CVector axis; // need not be of unit length
};

// The marker's deep blue, far from the patches' orange and the grey room.
inline constexpr double kMarkerRed = 0.05;
inline constexpr double kMarkerGreen = 0.20;
inline constexpr double kMarkerBlue = 0.70;
// The marker of a sensor that is not the current one: a dark grey, plain
// beside the current one's blue.
inline constexpr double kOtherMarkerGrey = 0.20;

// The marker on the window, in pixels from the bottom left corner.
struct CMarkerPlacement {
  double x = 0.0;
  double y = 0.0;
  double tipX = 0.0; // the arrow's tip, foreshortened with the axis
  double tipY = 0.0;
};

// Where a camera with this modelview, moved back by the distance, with a
// vertical field of view in degrees, shows the marker in a window of the
// size; none when the centre lies behind the eye or off the window.
std::optional<CMarkerPlacement> PlaceSensorMarker(const CMatrix& modelView, double distance, double fieldOfView,
                                                  int width, int height, const CSensorMarker& marker);

// Draws the symbol at its placement over whatever is in the window: a disc
// of about 16 pixels, white-rimmed so it shows on dark and light grounds,
// and the arrow along the axis; in the marker colour for the current
// sensor, else in grey. Leaves the matrices as it found them.
void DrawSensorMarker(const CMarkerPlacement& placement, int width, int height, bool current = true);
