#pragma once

#include "SensorPose.h"
#include "SurfaceCoverage.h"

#include <array>
#include <optional>
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

// How a layer of the map is drawn.
enum class MapStyle {
  Ground,      // filled, outlined
  Translucent, // filled see-through, so that overlaps darken
  Outline,     // the outline alone
};

// One kind of thing on the map, seen from above (z is ignored). Doors,
// obstacles and the zones of room plans become layers of their own.
struct CMapLayer {
  std::string strLegend; // Windows-1252
  MapStyle style = MapStyle::Ground;
  std::array<unsigned char, 3> colour{};
  std::vector<CPlanarRegion> regions; // metres
};

// The overlap map of the floors, drawn as vectors: its layers from the
// bottom up, and the sensor.
struct CReportMap {
  std::string strHeading;
  std::string strCaption;
  std::vector<CMapLayer> layers; // none when there is no map
  std::optional<CSensorPose> sensor;
  std::string strMissing;
};

// The coverage pages of the report, from the project's last CAD1 run.
struct CReportContent {
  CReportMap map;
  CReportTable surfaces; // per target surface, with a total row
  CReportTable patches;  // per patch of the results group
  CReportTable zones;    // per no-watch zone of the room's plan; no rows without one
};

// With shadows, only the visible parts of the patches count; the floors are
// measured at the detection height.
CReportContent CollectReportContent(CProject& project, bool bShadows = true, double height = 0.0);
