#pragma once

struct CVector;

// Marker styles of point entries.
enum PointStyle { kPointCross = 0, kPointCube = 1, kPointSphere = 2 };

// One point marker at the origin of the current frame, in the colour: a
// cross of half-length size (unlit), a cube of edge size or a sphere of
// radius size (lit). Any other style draws nothing.
void DrawPointMarker(int style, double size, const CVector& colour);
