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
class CLoadedDocument;
enum class StatusLines { Printed, Omitted };
// Runs each step's module as the toolbar command does (without its enable
// check), then prints the three status-bar texts of the sensor, one per
// line, when asked.
void StepSensor(CKMVDocument& document, const std::vector<std::string>& steps, StatusLines lines);
// The prologue of the commands that take steps: opens the source into loaded
// as the program does and steps its sensor. Returns the exit status of the
// opening; the command goes on only while loaded.IsOpen().
int OpenAndStep(CLoadedDocument& loaded, const std::string& source, const std::vector<std::string>& steps,
                StatusLines lines);

// Opens the source as the program does, applies each step as the toolbar
// command does (without its enable check), prints the three status texts,
// one line "NAME VERTICES AREA" per patch and "TOTAL AREA"; writes the CSV
// file when asked. Returns the exit status.
int RunSensorCommand(const CSensorRequest& request);
