#pragma once

#include "Coverage.h"
#include "HeldUnion.h"
#include "ModuleResult.h"
#include "Project.h"
#include "SensorSet.h"
#include "SurfaceChoice.h"
#include "TextBuffer.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// A project of its own loaded from a project text, for work away from the
// document (on another thread): no messages, no dialogs. Includes with
// relative paths are looked for in the current folder, as the document's
// were.
class CProjectCopy {
public:
  // The text is not owned and must outlive the copy. The steps, CAD1 and
  // the stepped numbers are the sensor's (SensorSet.h); with several
  // sensors the others' CAD1 runs until they are measured.
  explicit CProjectCopy(std::string_view text, size_t sensor = 1);
  CProjectCopy(const CProjectCopy&) = delete;
  CProjectCopy& operator=(const CProjectCopy&) = delete;

  // Loads the text again: back at the setting it started from.
  void Reload();
  // Runs the step's module as the document's step command does.
  ModuleResult Step(size_t axis, bool raise);
  // Reruns CAD1.
  void Detect();
  // The number the step's module steps; null when its link does not resolve.
  const double* SteppedNumber(size_t axis, bool raise);

  CProject& Project() { return m_project; }
  // The chosen surfaces watched by every sensor as CAD1 last ran; with
  // several sensors the held ones are measured for the first call's choice.
  CWatchedSum Watched(const CSurfaceChoice& choice);

private:
  std::string_view m_source;
  CTextBuffer m_text;
  CProject m_project;
  size_t m_nSensor;
  std::unique_ptr<CSensorSet> m_pSensors;
  // The held sensors' parts, measured at the first Watched: their patches
  // stay what the text gives, so loading again need not rerun their CAD1.
  std::unique_ptr<CHeldUnion> m_pHeld;
};
