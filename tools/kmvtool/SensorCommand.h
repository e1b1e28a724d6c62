#pragma once

#include <string>
#include <vector>

// "kmvtool sensor SOURCE [STEP...] [--csv FILE]".
struct CSensorRequest {
  std::string strSource;
  std::vector<std::string> steps; // "mh+", "mh-", "kw+", "kw-", "dw+", "dw-"
  std::string strCsvPath;         // empty: no CSV file
  size_t sensor = 1;              // whose steps, status texts and patches
};

// Takes the arguments after "sensor"; FALSE on wrong usage (an unknown step
// is reported on stderr).
bool ParseSensorRequest(const std::vector<std::string>& args, CSensorRequest& request);

// A step word "mh+" ... "dw-".
bool IsSensorStep(const std::string& word);
// The value of "--sensor": a number from 1.
bool ParseSensorNumber(const std::string& word, size_t& sensor);

class CKMVDocument;
class CLoadedDocument;
enum class StatusLines { Printed, Omitted };
// Runs each step's module as the toolbar command does (without its enable
// check), then prints the three status-bar texts of the sensor, one per
// line, when asked.
void StepSensor(CKMVDocument& document, const std::vector<std::string>& steps, StatusLines lines);
// Steps sensor N of a document that OpenAndStep opened, then prints its
// status texts when asked.
void StepSensorOf(CLoadedDocument& loaded, size_t sensor, const std::vector<std::string>& steps, StatusLines lines);
// The prologue of the commands that take steps: opens the source into loaded
// as the program does, reads every further sensor (its CAD1 runs) and steps
// sensor N, whose status texts are printed. Returns the exit status of the
// opening, or wrong usage (loaded closed) for a sensor past the last; the
// command goes on only while loaded.IsOpen().
int OpenAndStep(CLoadedDocument& loaded, const std::string& source, const std::vector<std::string>& steps,
                StatusLines lines, size_t sensor = 1);

// Opens the source as the program does, applies each step as the toolbar
// command does (without its enable check), prints the three status texts,
// one line "NAME VERTICES AREA" per patch and "TOTAL AREA"; writes the CSV
// file when asked. Returns the exit status.
int RunSensorCommand(const CSensorRequest& request);
