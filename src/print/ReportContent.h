#pragma once

#include "RenderedImage.h"
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

// The page of one sensor among several: its setting, its own patches on the
// floors and what it watches alone.
struct CSensorPage {
  std::string strHeading;            // "Sensor N"
  std::vector<std::string> settings; // lines
  CReportMap map;
  CReportTable surfaces;
};

// How many sensors watch each point of the floors, as "kmvtool coverage
// --map" draws it.
struct CCountMap {
  std::string strHeading;
  std::string strCaption;
  CRenderedImage picture; // without pixels when there is no map
  std::string strMissing;
};

// The coverage pages of the report, from the project's last CAD1 run. With
// two or more sensors the map and the tables are the union's.
struct CReportContent {
  CReportMap map;
  CReportTable surfaces;            // per target surface, with a total row
  CReportTable patches;             // per patch of the results group(s)
  CReportTable zones;               // per no-watch zone of the room's plan; no rows without one
  std::vector<CSensorPage> sensors; // one per sensor; none with one sensor
  CCountMap counts;                 // only with two or more sensors
};

// With shadows, only the visible parts of the patches count; the floors are
// measured at the detection height. Each further sensor's settings are read
// through its modules (which reruns its CAD1).
CReportContent CollectReportContent(CProject& project, bool bShadows = true, double height = 0.0);
