#include "CoverageMap.h"

#include "MapFont.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using CColour = std::array<unsigned char, 3>;

constexpr CColour kBackground{255, 255, 255};
constexpr CColour kInk{0, 0, 0};
constexpr CColour kUnwatched{160, 160, 160};
// Apart from the grey of floor no patch reaches and from the warm counts.
constexpr CColour kShadowed{110, 150, 210};
constexpr const char* kShadowedLabel = "verdeckt";
// One, two, three ... patches; the last colour also stands for more.
constexpr CColour kByCount[] = {
    {255, 220, 60}, {255, 150, 0}, {230, 60, 20}, {170, 0, 80}, {90, 0, 130},
};
static_assert(std::size(kByCount) == kTopPatchCount);

constexpr int kMargin = 12;
constexpr int kSwatch = 14;

CColour CountColour(int count, int top)
{
  if (count == kShadowedCell)
    return kShadowed;
  if (count <= 0)
    return count == 0 ? kUnwatched : kBackground;
  return kByCount[std::min(count, top) - 1];
}

// Even-odd rule on x and y: the floors lie in the plane z = 0.
bool RingHolds(const CVectorArray& ring, double x, double y)
{
  bool inside = false;
  for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const CVector& a = ring[i];
    const CVector& b = ring[j];
    if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y))
      inside = !inside;
  }
  return !ring.empty() && inside;
}

bool RegionHolds(const CPlanarRegion& region, double x, double y)
{
  return RingHolds(region.outer, x, y) &&
         std::none_of(region.holes.begin(), region.holes.end(),
                      [x, y](const CVectorArray& hole) { return RingHolds(hole, x, y); });
}

// Calls visit(index, x, y) for each cell whose centre may lie in the ring.
template <class Visit> void ForCellsNear(const CMapGrid& grid, const CVectorArray& ring, Visit visit)
{
  double lowX = HUGE_VAL, lowY = HUGE_VAL, highX = -HUGE_VAL, highY = -HUGE_VAL;
  for (const CVector& p : ring) {
    lowX = std::min(lowX, p.x);
    lowY = std::min(lowY, p.y);
    highX = std::max(highX, p.x);
    highY = std::max(highY, p.y);
  }
  auto first = [&grid](double low, double origin, int count) {
    return std::clamp(static_cast<int>(std::floor((low - origin) / grid.cell)), 0, count);
  };
  auto last = [&grid](double high, double origin, int count) {
    return std::clamp(static_cast<int>(std::ceil((high - origin) / grid.cell)), 0, count);
  };
  for (int row = first(lowY, grid.y0, grid.rows); row < last(highY, grid.y0, grid.rows); ++row)
    for (int col = first(lowX, grid.x0, grid.cols); col < last(highX, grid.x0, grid.cols); ++col)
      visit(static_cast<size_t>(row) * static_cast<size_t>(grid.cols) + static_cast<size_t>(col),
            grid.x0 + (col + 0.5) * grid.cell, grid.y0 + (row + 0.5) * grid.cell);
}

// A picture drawn from the top row down, handed over bottom-up.
class CCanvas {
public:
  CCanvas(int width, int height)
      : m_width(width), m_height(height), m_rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 255)
  {
  }

  void Fill(int x, int y, int w, int h, const CColour& colour)
  {
    for (int row = std::max(y, 0); row < std::min(y + h, m_height); ++row)
      for (int col = std::max(x, 0); col < std::min(x + w, m_width); ++col)
        std::copy(colour.begin(), colour.end(), m_rgb.begin() + static_cast<std::ptrdiff_t>(Offset(col, row)));
  }

  // The text's line with its top left corner at (x, y), in ink.
  void Text(const CMapFont& font, int x, int y, const std::string& text)
  {
    font.Draw(text, x, y, [this](int px, int py, int coverage) {
      if (px < 0 || px >= m_width || py < 0 || py >= m_height)
        return;
      auto pixel = m_rgb.begin() + static_cast<std::ptrdiff_t>(Offset(px, py));
      for (size_t k = 0; k < 3; ++k, ++pixel)
        *pixel = static_cast<unsigned char>((*pixel * (255 - coverage) + kInk[k] * coverage) / 255);
    });
  }

  CRenderedImage BottomUp() const
  {
    CRenderedImage image{m_width, m_height, {}};
    image.rgb.reserve(m_rgb.size());
    for (int row = m_height; row-- > 0;)
      image.rgb.insert(image.rgb.end(), m_rgb.begin() + static_cast<std::ptrdiff_t>(Offset(0, row)),
                       m_rgb.begin() + static_cast<std::ptrdiff_t>(Offset(0, row + 1)));
    return image;
  }

private:
  size_t Offset(int x, int y) const
  {
    return (static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)) * 3;
  }

  int m_width;
  int m_height;
  std::vector<unsigned char> m_rgb;
};

// Least x and y, then greatest, of the floors' corners.
std::array<double, 4> FloorBounds(const std::vector<const CTargetCoverage*>& floors)
{
  std::array<double, 4> bounds{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (const CTargetCoverage* floor : floors)
    for (const CVector& p : floor->target.vertices) {
      bounds[0] = std::min(bounds[0], p.x);
      bounds[1] = std::min(bounds[1], p.y);
      bounds[2] = std::max(bounds[2], p.x);
      bounds[3] = std::max(bounds[3], p.y);
    }
  return bounds;
}

std::string MetreText(double metres)
{
  char text[64];
  std::snprintf(text, sizeof text, "%g m", metres);
  return text;
}

} // namespace

double NiceLength(double limit)
{
  double power = std::pow(10.0, std::floor(std::log10(limit)));
  for (double factor : {5.0, 2.0, 1.0})
    if (factor * power <= limit)
      return factor * power;
  return power;
}

std::vector<const CTargetCoverage*> FloorTargets(const CCoverage& coverage)
{
  std::vector<const CTargetCoverage*> floors;
  for (const CTargetCoverage& entry : coverage.targets)
    if (IsFloorTarget(entry.target.vertices))
      floors.push_back(&entry);
  return floors;
}

std::optional<CMapGrid> PlanMapGrid(const std::vector<const CTargetCoverage*>& floors, double cell)
{
  if (!(cell > 0.0) || !std::isfinite(cell))
    return std::nullopt;
  const auto [lowX, lowY, highX, highY] = FloorBounds(floors);
  CMapGrid grid;
  grid.cell = cell;
  if (floors.empty())
    return grid;
  double cols = std::ceil((highX - lowX) / cell);
  double rows = std::ceil((highY - lowY) / cell);
  if (!(cols <= kMaxMapCells && rows <= kMaxMapCells))
    return std::nullopt;
  grid.x0 = lowX;
  grid.y0 = lowY;
  grid.cols = std::max(static_cast<int>(cols), 1);
  grid.rows = std::max(static_cast<int>(rows), 1);
  return grid;
}

std::optional<CMapGrid> FittedMapGrid(const std::vector<const CTargetCoverage*>& floors, double cell, int across)
{
  const auto [lowX, lowY, highX, highY] = FloorBounds(floors);
  const double span = std::max(highX - lowX, highY - lowY);
  return PlanMapGrid(floors, across > 0 && span / across > cell ? span / across : cell);
}

std::vector<int> CountPatches(const std::vector<const CTargetCoverage*>& floors, const CMapGrid& grid)
{
  std::vector<int> counts(static_cast<size_t>(grid.cols) * static_cast<size_t>(grid.rows), -1);
  for (const CTargetCoverage* floor : floors) {
    const CVectorArray& surface = floor->target.vertices;
    ForCellsNear(grid, surface, [&](size_t index, double x, double y) {
      if (RingHolds(surface, x, y))
        counts[index] = std::max(counts[index], 0);
    });
    for (const CPlanarRegion& part : floor->coverage.patchParts)
      ForCellsNear(grid, part.outer, [&](size_t index, double x, double y) {
        if (RegionHolds(part, x, y))
          counts[index] = std::max(counts[index], 0) + 1;
      });
    for (const CPlanarRegion& part : floor->coverage.shadowed)
      ForCellsNear(grid, part.outer, [&](size_t index, double x, double y) {
        if (counts[index] == 0 && RegionHolds(part, x, y))
          counts[index] = kShadowedCell;
      });
  }
  return counts;
}

CRenderedImage DrawCoverageMap(const std::vector<int>& counts, const CMapGrid& grid, const CMapFont& font, int top)
{
  top = std::clamp(top, 1, kTopPatchCount);
  // Cells of several pixels while the plan stays near 600 pixels across.
  int pixels = std::clamp(600 / std::max({grid.cols, grid.rows, 1}), 1, 16);
  int planWidth = grid.cols * pixels;
  int planHeight = grid.rows * pixels;
  int most = 0;
  for (int count : counts)
    most = std::max(most, std::min(count, top));
  bool shadowed = std::find(counts.begin(), counts.end(), kShadowedCell) != counts.end();
  int lineHeight = kSwatch + 6;
  int labelWidth = font.Width(std::to_string(top) + "+");
  if (shadowed)
    labelWidth = std::max(labelWidth, font.Width(kShadowedLabel));
  int legendWidth = kSwatch + 6 + labelWidth;
  int legendHeight = (most + 1 + (shadowed ? 1 : 0)) * lineHeight;
  int scaleHeight = 8 + font.LineHeight() + 6;
  int width = kMargin + planWidth + kMargin + legendWidth + kMargin;
  int height = kMargin + std::max(planHeight, legendHeight) + kMargin + scaleHeight + kMargin;
  CCanvas canvas(width, height);

  for (int row = 0; row < grid.rows; ++row)
    for (int col = 0; col < grid.cols; ++col)
      canvas.Fill(
          kMargin + col * pixels, kMargin + (grid.rows - 1 - row) * pixels, pixels, pixels,
          CountColour(counts[static_cast<size_t>(row) * static_cast<size_t>(grid.cols) + static_cast<size_t>(col)],
                      top));

  int legendX = kMargin + planWidth + kMargin;
  auto legendLine = [&](int line, const CColour& colour, const std::string& label) {
    int y = kMargin + line * lineHeight;
    canvas.Fill(legendX - 1, y - 1, kSwatch + 2, kSwatch + 2, kInk);
    canvas.Fill(legendX, y, kSwatch, kSwatch, colour);
    canvas.Text(font, legendX + kSwatch + 6, y + (kSwatch - font.LineHeight()) / 2, label);
  };
  for (int count = 0; count <= most; ++count)
    legendLine(count, CountColour(count, top), std::to_string(count) + (count == top ? "+" : ""));
  if (shadowed)
    legendLine(most + 1, kShadowed, kShadowedLabel);

  // The scale bar: at most a third of the plan, at least one cell long.
  double metres = NiceLength(std::max(grid.cols * grid.cell / 3.0, grid.cell));
  int barLength = std::max(static_cast<int>(std::lround(metres / grid.cell * pixels)), 1);
  int barY = kMargin + std::max(planHeight, legendHeight) + kMargin;
  canvas.Fill(kMargin, barY, barLength, 3, kInk);
  canvas.Fill(kMargin, barY - 3, 1, 9, kInk);
  canvas.Fill(kMargin + barLength - 1, barY - 3, 1, 9, kInk);
  canvas.Text(font, kMargin, barY + 8, "0");
  canvas.Text(font, kMargin + barLength + 4, barY + 8, MetreText(metres));
  return canvas.BottomUp();
}

CRenderedImage DrawCoverageMap(const CCoverage& coverage, const CMapGrid& grid, const CMapFont& font, size_t sensors)
{
  return DrawCoverageMap(CountPatches(FloorTargets(coverage), grid), grid, font,
                         sensors >= 2 ? kTopSensorCount : kTopPatchCount);
}
