#include "ProjectCopy.h"

#include "ItemDouble.h"
#include "SensorSteps.h"

CProjectCopy::CProjectCopy(std::string_view text) : m_source(text)
{
  Reload();
}

void CProjectCopy::Reload()
{
  m_text.Assign(m_source);
  m_project.Load(m_text);
}

ModuleResult CProjectCopy::Step(size_t axis, bool raise)
{
  return m_project.RunModule(StepRunIndex(axis, raise));
}

void CProjectCopy::Detect()
{
  m_project.RunModule(CModuleTable::RunIndexOf("CAD1"));
}

const double* CProjectCopy::SteppedNumber(size_t axis, bool raise)
{
  const auto* module =
      dynamic_cast<const CModuleCAD3*>(m_project.GetModules().FindByRunIndex(StepRunIndex(axis, raise)));
  if (!module)
    return nullptr;
  const auto* link = dynamic_cast<const CItemDoubleLink*>(m_project.GetRoot().FindByPath(module->m_strPath));
  return link ? link->GetTarget() : nullptr;
}
