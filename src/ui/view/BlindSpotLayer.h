#pragma once

struct CCoverage;

// The red-violet of the blind spots, apart from the orange patches and the
// grey surfaces.
inline constexpr double kBlindSpotRed = 0.80;
inline constexpr double kBlindSpotGreen = 0.10;
inline constexpr double kBlindSpotBlue = 0.55;

// Fills the blind spots of every target surface in their colour, on the
// surface they lie on; a step of the 3D view's scene source.
void DrawBlindSpots(const CCoverage& coverage);
