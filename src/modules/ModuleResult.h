#pragma once

// Status of a module run.
constexpr int kModuleFailed = -1; // entry missing or of the wrong class, bad step, dialog cancelled
constexpr int kModuleDone = 0;
constexpr int kModuleAtMinimum = 1; // the number is at or below its minimum
constexpr int kModuleAtMaximum = 2; // the number is at or above its maximum

// What every module run returns; the value only matters for the modules
// that read or step a number. A default result is a failure.
struct ModuleResult {
  double value = 0.0;
  int status = kModuleFailed;
};
