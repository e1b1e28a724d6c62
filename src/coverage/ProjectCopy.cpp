#include "ProjectCopy.h"

#include "ItemDouble.h"
#include "SensorSteps.h"
#include "SensorUnion.h"

CProjectCopy::CProjectCopy(std::string_view text, size_t sensor) : m_source(text), m_nSensor(sensor)
{
  Reload();
}

void CProjectCopy::Reload()
{
  m_text.Assign(m_source);
  m_project.Load(m_text);
  m_pSensors = std::make_unique<CSensorSet>(m_project);
  for (size_t other = 1; !m_pHeld && m_pSensors->Count() > 1 && other <= m_pSensors->Count(); ++other)
    if (other != m_nSensor)
      m_pSensors->Run(other, CModuleTable::RunIndexOf("CAD1"));
}

ModuleResult CProjectCopy::Step(size_t axis, bool raise)
{
  return m_pSensors->Run(m_nSensor, StepRunIndex(axis, raise));
}

void CProjectCopy::Detect()
{
  m_pSensors->Run(m_nSensor, CModuleTable::RunIndexOf("CAD1"));
}

const double* CProjectCopy::SteppedNumber(size_t axis, bool raise)
{
  const auto* module =
      dynamic_cast<const CModuleCAD3*>(m_pSensors->Modules(m_nSensor).FindByRunIndex(StepRunIndex(axis, raise)));
  if (!module)
    return nullptr;
  const auto* link = dynamic_cast<const CItemDoubleLink*>(m_project.GetRoot().FindByPath(module->m_strPath));
  return link ? link->GetTarget() : nullptr;
}

CWatchedSum CProjectCopy::Watched(const CSurfaceChoice& choice)
{
  if (m_pSensors->Count() == 1)
    return SumWatched(m_project, choice);
  if (!m_pHeld) {
    std::vector<std::optional<CCoverage>> held;
    for (size_t sensor = 1; sensor <= m_pSensors->Count(); ++sensor)
      held.push_back(sensor == m_nSensor
                         ? std::nullopt
                         : AnalyseSensorCoverage(m_project, *m_pSensors, sensor, choice.bShadows, choice.height));
    m_pHeld = std::make_unique<CHeldUnion>(std::move(held), m_nSensor - 1, choice);
  }
  std::optional<CCoverageScene> scene =
      CollectCoverageScene(m_project.GetRoot(), m_pSensors->Modules(m_nSensor).m_cad1);
  return m_pHeld->Watched(scene ? &*scene : nullptr);
}
