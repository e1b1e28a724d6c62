#pragma once

#include "ShadowLayer.h"

struct CCoverage;

// The red-violet of the blind spots, apart from the orange patches and the
// grey surfaces.
inline constexpr double kBlindSpotRed = 0.80;
inline constexpr double kBlindSpotGreen = 0.10;
inline constexpr double kBlindSpotBlue = 0.55;

// Fills the blind spots of every target surface in their colour, on the
// surface they lie on, those on a target that isCut marks only up to the
// skirting; a step of the 3D view's scene source.
void DrawBlindSpots(const CCoverage& coverage, const CShadowLayer::CCutTest& isCut);
