#include "BlindSpotLayer.h"

#include "Coverage.h"
#include "GLRegion.h"

void DrawBlindSpots(const CCoverage& coverage)
{
  const CVector colour{kBlindSpotRed, kBlindSpotGreen, kBlindSpotBlue};
  for (const CTargetCoverage& entry : coverage.targets)
    for (const CPlanarRegion& spot : entry.coverage.blindSpots)
      DrawRegion(spot.outer, spot.holes, colour);
}
