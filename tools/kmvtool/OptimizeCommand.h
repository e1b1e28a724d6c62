#pragma once

#include <string>
#include <vector>

// "kmvtool optimize SOURCE [--surface PATH]... [--save OUT] [--no-shadows]
// [--at-height Z] [--keep-zones-free] [--sensor N | --all]".
struct COptimizeRequest {
  std::string strSource;
  std::vector<std::string> surfaces; // as given (UTF-8); none: the floor targets
  std::string strSavePath;           // empty: not saved
  bool bShadows = true;              // FALSE: whole patches count, as CAD1 casts them
  double height = 0.0;               // the detection height: floors measured raised by it
  bool bKeepZonesFree = false;       // only settings that watch no zone of the plan count
  size_t sensor = 1;                 // whose setting is searched, the others held
  bool bAllSensors = false;          // every sensor in turn, round after round
};

// Takes the arguments after "optimize"; FALSE on wrong usage.
bool ParseOptimizeRequest(const std::vector<std::string>& args, COptimizeRequest& request);

// Opens the source as "sensor" does, searches the step lattice for the
// setting that watches the chosen surfaces most, steps the document there
// and prints its status texts, "WATCHED AREA PERCENT" and "STEPS WORD...";
// saves as "save" does when asked. Returns the exit status; when no setting
// keeps the zones free, kExitNoFreeSetting with one line and nothing saved.
int RunOptimizeCommand(const COptimizeRequest& request);
