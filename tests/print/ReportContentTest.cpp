#include "ReportContent.h"
#include "KMVDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// The total row adds up the rows of every surface, not the last one's only.
TEST(ReportContent, TotalRowSumsEverySurface)
{
  CKMVDocument document;
  document.SetTitle("*Pilot C1");
  ASSERT_TRUE(document.OnNewDocument());
  CReportTable table = CollectReportContent(document.GetProject()).surfaces;
  ASSERT_TRUE(table.bTotalRow);
  ASSERT_GE(table.rows.size(), 3u);
  const size_t share = 3; // a percentage, not a sum
  for (size_t column = 1; column < table.columns.size(); ++column) {
    if (column == share)
      continue;
    double sum = 0.0;
    for (size_t row = 0; row + 1 < table.rows.size(); ++row)
      sum += std::stod(table.rows[row][column]);
    EXPECT_NEAR(std::stod(table.rows.back()[column]), sum, 0.005 * static_cast<double>(table.rows.size()))
        << table.columns[column].strTitle;
  }
}

// Pilot B1's table hides floor that patches reach: the map shows it apart
// from unreached floor, and only when shadows count.
TEST(ReportContent, MapShowsShadowedFloorOnlyWithShadows)
{
  CKMVDocument document;
  document.SetTitle("*Pilot B1");
  ASSERT_TRUE(document.OnNewDocument());
  for (bool shadows : {true, false}) {
    const std::vector<CMapLayer> layers = CollectReportContent(document.GetProject(), shadows).map.layers;
    auto shadowed = std::find_if(layers.begin(), layers.end(),
                                 [](const CMapLayer& layer) { return layer.strLegend == "verdeckt (im Schatten)"; });
    ASSERT_EQ(shadowed != layers.end(), shadows);
    if (shadows) {
      EXPECT_FALSE(shadowed->regions.empty());
    }
  }
}

} // namespace
