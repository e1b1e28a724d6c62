#include "ProjectRoom.h"

#include "SensorUnion.h"

#include <cstdlib>

void MoveSensor(CSensorSet& sensors, size_t sensor, const CStepCounts& steps)
{
  for (size_t axis = 0; axis < kStepAxes; ++axis)
    for (int k = 0; k < std::abs(steps[axis]); ++k)
      sensors.Run(sensor, StepRunIndex(axis, steps[axis] > 0));
  sensors.ReadValues(sensor);
}

CProjectRoom::CProjectRoom(std::string_view text)
{
  m_text.Assign(text);
  m_project.Load(m_text);
  m_pSensors = std::make_unique<CSensorSet>(m_project);
  for (size_t sensor = 1; sensor <= m_pSensors->Count(); ++sensor)
    m_pSensors->ReadValues(sensor);
}

CWatchedSum CProjectRoom::Union(const CSurfaceChoice& choice)
{
  if (m_pSensors->Count() == 1)
    return SumWatched(m_project, choice);
  return SumWatched(
      AnalyseSensorsCoverage(m_project, *m_pSensors, choice.bShadows, choice.height).value_or(CCoverage{}), choice);
}
