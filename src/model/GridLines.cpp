#include "GridLines.h"

namespace {

constexpr double kEdgeMargin = 0.0005;

// The runs along one axis: positions between low and high, lines from
// across1 to across2.
void AddAxis(std::vector<CLineFamily>& runs, bool vertical, double low, double high, double across1, double across2,
             const CGridLayout& layout)
{
  CLineFamily run;
  run.vertical = vertical;
  run.step = layout.step;
  run.from = across1;
  run.to = across2;
  run.skipEvery = layout.skipEvery;
  double margin = kEdgeMargin * layout.step;
  if (!layout.centred) {
    run.first = low + layout.step;
    run.limit = high - margin;
    runs.push_back(run);
    return;
  }
  run.first = layout.throughOrigin ? 0.0 : layout.step;
  run.limit = high - margin;
  runs.push_back(run);
  run.first = -layout.step;
  run.descending = true;
  run.limit = low + margin;
  runs.push_back(run);
}

} // namespace

std::vector<CLineFamily> GridLineFamilies(const CGridRect& rect, const CGridLayout& layout)
{
  std::vector<CLineFamily> runs;
  AddAxis(runs, true, rect.x1, rect.x2, rect.y1, rect.y2, layout);
  AddAxis(runs, false, rect.y1, rect.y2, rect.x1, rect.x2, layout);
  return runs;
}
