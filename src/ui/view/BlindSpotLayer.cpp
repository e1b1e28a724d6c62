#include "BlindSpotLayer.h"

#include "Coverage.h"
#include "GLRegion.h"
#include "WallCutaway.h"

void DrawBlindSpots(const CCoverage& coverage, const CShadowLayer::CCutTest& isCut)
{
  const CVector colour{kBlindSpotRed, kBlindSpotGreen, kBlindSpotBlue};
  for (const CTargetCoverage& entry : coverage.targets) {
    const bool cut = isCut(entry.target.vertices);
    for (const CPlanarRegion& spot : entry.coverage.blindSpots) {
      if (!cut) {
        DrawRegion(spot.outer, spot.holes, colour);
        continue;
      }
      std::vector<CVectorArray> holes;
      for (const CVectorArray& hole : spot.holes)
        holes.push_back(BelowSkirting(hole));
      DrawRegion(BelowSkirting(spot.outer), holes, colour);
    }
  }
}
