#pragma once

#include <string>
#include <vector>

// "kmvtool run SOURCE [--save OUT] MODULE...": the modules in the given order.
struct CRunRequest {
  std::string strSource;
  std::string strSavePath; // empty: nothing is saved
  std::vector<std::string> modules;
};

// Takes the arguments after "run"; FALSE on wrong usage (an unknown module
// name is reported on stderr).
bool ParseRunRequest(const std::vector<std::string>& args, CRunRequest& request);

// Runs each module through CProject::RunModule and prints "NAME STATUS VALUE"
// per run; returns the exit status.
int RunModulesCommand(const CRunRequest& request);
