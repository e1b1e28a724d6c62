#pragma once

#include "Coverage.h"
#include "RenderedImage.h"

#include <optional>
#include <vector>

// Most cells the map has along either side.
constexpr int kMaxMapCells = 4096;
// The height of the legend's text, as high as its swatches.
constexpr int kMapFontPixels = 14;

// The cells of the top view: squares of `cell` metres from (x0, y0) up.
struct CMapGrid {
  double x0 = 0.0;
  double y0 = 0.0;
  double cell = 0.05;
  int cols = 0;
  int rows = 0;
};

// The floor targets (IsFloorTarget) of the coverage, in its order.
std::vector<const CTargetCoverage*> FloorTargets(const CCoverage& coverage);

// The longest of 1, 2 or 5 times a power of ten that fits in the length: a
// scale bar's length.
double NiceLength(double limit);

// The grid over the floors' extent; none when the cell is not above 0 or
// more than kMaxMapCells would lie along a side.
std::optional<CMapGrid> PlanMapGrid(const std::vector<const CTargetCoverage*>& floors, double cell);

// The grid of PlanMapGrid, its cells made coarser where the floors would
// span more than `across` of them.
std::optional<CMapGrid> FittedMapGrid(const std::vector<const CTargetCoverage*>& floors, double cell, int across);

// A cell of floor that patches reach but shadows hide from all of them.
constexpr int kShadowedCell = -2;

// Per cell, the number of visible parts holding its centre; kShadowedCell
// where only hidden parts do; -1 off the floors.
std::vector<int> CountPatches(const std::vector<const CTargetCoverage*>& floors, const CMapGrid& grid);

class CMapFont;

// Colours of counts: the last one stands for that count and more.
constexpr int kTopPatchCount = 5;
// A map that counts sensors ends at "3+".
constexpr int kTopSensorCount = 3;

// The top view with its legend and a metre scale, their text in the font;
// shadowed cells have a colour and a legend line of their own. Counts from
// `top` on share its colour and legend line ("3+").
CRenderedImage DrawCoverageMap(const std::vector<int>& counts, const CMapGrid& grid, const CMapFont& font,
                               int top = kTopPatchCount);

// The map of a coverage: the sensors counted with two or more of them
// (`sensors`), else the patches.
CRenderedImage DrawCoverageMap(const CCoverage& coverage, const CMapGrid& grid, const CMapFont& font, size_t sensors);
