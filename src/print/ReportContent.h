#pragma once

#include "RenderedImage.h"

#include <string>
#include <vector>

class CProject;

struct CReportColumn {
  std::string strTitle;
  double width = 0.0;   // share of the table's width
  bool bNumber = false; // aligned right
};

// A table of the report; every text is Windows-1252.
struct CReportTable {
  std::string strHeading;
  std::vector<CReportColumn> columns;
  std::vector<std::vector<std::string>> rows; // one cell per column
  bool bTotalRow = false;                     // the last row sums the others
  std::string strEmpty;                       // shown instead of a table without rows
  std::vector<std::string> notes;             // lines below the table
};

// The overlap map of the floors: the picture kmvtool coverage draws, at a
// cell size that keeps it readable on a page.
struct CReportMap {
  std::string strHeading;
  std::string strCaption;
  CRenderedImage image; // no size when there is no map
  std::string strMissing;
};

// The coverage pages of the report, from the project's last CAD1 run.
struct CReportContent {
  CReportMap map;
  CReportTable surfaces; // per target surface, with a total row
  CReportTable patches;  // per patch of the results group
};

// With shadows, only the visible parts of the patches count.
CReportContent CollectReportContent(CProject& project, bool bShadows = true);
