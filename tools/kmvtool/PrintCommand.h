#pragma once

#include <string>
#include <vector>

// "kmvtool print SOURCE OUT.pdf [--size WxH] [STEP...]", and the same for
// "kmvtool report" with [--no-shadows] [--at-height Z].
struct CPrintRequest {
  std::string strSource;
  std::string strOutput;
  int nWidth = 1600;
  int nHeight = 1200;
  std::vector<std::string> steps; // as for "kmvtool sensor"
  bool bShadows = true;           // report only: FALSE counts whole patches
  double height = 0.0;            // report only: the detection height
  size_t sensor = 1;              // whose steps and header values
};

// Takes the arguments after "print" or "report"; FALSE on wrong usage (an unknown step
// is reported on stderr; --no-shadows and --at-height only with bReport).
bool ParsePrintRequest(const std::vector<std::string>& args, CPrintRequest& request, bool bReport);

// Opens the source as the program does, applies the steps, renders the
// start view off-screen and writes the printed page (header and picture,
// A4 portrait) as a one-page PDF. Returns the exit status.
int RunPrintCommand(const CPrintRequest& request);

// As RunPrintCommand, but writes the report: the printed page, then the
// overlap map and the tables of the target surfaces and of the patches.
int RunReportCommand(const CPrintRequest& request);
