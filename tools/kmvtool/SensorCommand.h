#pragma once

#include <string>
#include <vector>

// "kmvtool sensor SOURCE [STEP...] [--csv FILE]".
struct CSensorRequest {
  std::string strSource;
  std::vector<std::string> steps; // "mh+", "mh-", "kw+", "kw-", "dw+", "dw-"
  std::string strCsvPath;         // empty: no CSV file
};

// Takes the arguments after "sensor"; FALSE on wrong usage (an unknown step
// is reported on stderr).
bool ParseSensorRequest(const std::vector<std::string>& args, CSensorRequest& request);

// A step word "mh+" ... "dw-".
bool IsSensorStep(const std::string& word);

class CKMVDocument;
// Runs each step's module as the toolbar command does (without its enable
// check).
void ApplySensorSteps(CKMVDocument& document, const std::vector<std::string>& steps);
// The three status-bar texts of the document's sensor, one per line.
void PrintSensorStatus(const CKMVDocument& document);

// Opens the source as the program does, applies each step as the toolbar
// command does (without its enable check), prints the three status texts,
// one line "NAME VERTICES AREA" per patch and "TOTAL AREA"; writes the CSV
// file when asked. Returns the exit status.
int RunSensorCommand(const CSensorRequest& request);
