#pragma once

#include <string>
#include <vector>

// "kmvtool coverage SOURCE [STEP...] [--csv FILE] [--map OUT.png] [--cell M]
// [--no-shadows] [--at-height Z]".
struct CCoverageRequest {
  std::string strSource;
  std::vector<std::string> steps; // as for "sensor"
  std::string strCsvPath;         // empty: no CSV file
  std::string strMapPath;         // empty: no map
  double cell = 0.05;             // metres per map cell
  bool bShadows = true;           // FALSE: whole patches count, as CAD1 casts them
  double height = 0.0;            // the detection height: floors measured raised by it
  size_t sensor = 1;              // whose steps and status texts
};

// Takes the arguments after "coverage"; FALSE on wrong usage (an unknown
// step or a cell size not above 0 is reported on stderr).
bool ParseCoverageRequest(const std::vector<std::string>& args, CCoverageRequest& request);

// Opens and steps as "sensor" does and prints its status texts, then one line
// "PATH AREA WATCHED PERCENT OVERLAP" per target surface, "TOTAL AREA
// WATCHED PERCENT" and "ZONE NAME AREA WATCHED PERCENT" per no-watch zone;
// writes the CSV file and the map when asked. Returns the
// exit status.
int RunCoverageCommand(const CCoverageRequest& request);
