#pragma once

#include "ModuleCAD1.h"
#include "ModuleResult.h"

#include <array>
#include <string>

// Whether a sensor's results group holds the patches of its current setting:
// a failed CAD1 run leaves those of an earlier one, which are then not shown.
struct CPatchState {
  bool bCurrent = true;
  // The results group CAD1 last filled; empty before its first run.
  std::string strGroup;

  // Notes a CAD1 run that started from `pathsBefore`.
  void Note(const CModuleCAD1& cad1, const std::array<std::string, CModuleCAD1::kFieldCount>& pathsBefore,
            bool configure, const ModuleResult& result)
  {
    // A configuring run that fails with the paths unchanged was cancelled or
    // refused before it ran: the patches are what they were.
    if (configure && result.status == kModuleFailed && cad1.m_paths == pathsBefore)
      return;
    bCurrent = result.status != kModuleFailed;
    if (bCurrent)
      strGroup = cad1.m_paths[CModuleCAD1::kResultsField];
  }
};
