#include "ReportContent.h"
#include "KMVDocument.h"

#include <gtest/gtest.h>

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

} // namespace
