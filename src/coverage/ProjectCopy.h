#pragma once

#include "ModuleResult.h"
#include "Project.h"
#include "TextBuffer.h"

#include <cstddef>
#include <string_view>

// A project of its own loaded from a project text, for work away from the
// document (on another thread): no messages, no dialogs. Includes with
// relative paths are looked for in the current folder, as the document's
// were.
class CProjectCopy {
public:
  // The text is not owned and must outlive the copy.
  explicit CProjectCopy(std::string_view text);
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

private:
  std::string_view m_source;
  CTextBuffer m_text;
  CProject m_project;
};
