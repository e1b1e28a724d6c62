#pragma once

#include "Project.h"
#include "SensorRounds.h"
#include "SensorSet.h"
#include "TextBuffer.h"

#include <memory>
#include <string_view>

// Steps sensor N of the set by the counts, in the order mh, dw, kw, then
// reads its values and reruns its CAD1.
void MoveSensor(CSensorSet& sensors, size_t sensor, const CStepCounts& steps);

// The rounds' room on a project of its own loaded from a text (no
// messages, no dialogs), every sensor's CAD1 run once.
class CProjectRoom : public CSensorRoom {
public:
  explicit CProjectRoom(std::string_view text);

  size_t Count() override { return m_pSensors->Count(); }
  std::string Text() override { return std::string(m_text.View()); }
  void Move(size_t sensor, const CStepCounts& steps) override { MoveSensor(*m_pSensors, sensor, steps); }
  CWatchedSum Union(const CSurfaceChoice& choice) override;

private:
  CTextBuffer m_text;
  CProject m_project;
  std::unique_ptr<CSensorSet> m_pSensors;
};
