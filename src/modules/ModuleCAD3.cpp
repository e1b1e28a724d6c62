#include "ModuleCAD3.h"

#include "ItemDouble.h"
#include "Messages.h"
#include "ModuleDialog.h"
#include "RecordCursor.h"
#include "RecordText.h"

#include <cmath>

CModuleCAD3::CModuleCAD3(std::string_view name) : CModuleNumberLink(name, IDS_CAD3_ERROR, 0) {}

void CModuleCAD3::ReadConfig(CRecordCursor& rest)
{
  if (!ReadPath(rest, m_strPath))
    return;
  double step = 0.0;
  if (rest.ReadDouble(step) && std::isfinite(step))
    m_step = step;
}

void CModuleCAD3::WriteConfig(CTextBuffer& out) const
{
  CModuleNumberLink::WriteConfig(out);
  AppendDoubleField(out, m_step);
}

ModuleResult CModuleCAD3::Run(CItemGroup& root)
{
  CItemDoubleLink* link = nullptr;
  double* number = FindLinkedNumber(root, link);
  if (!number || !std::isfinite(m_step) || std::isnan(*number) || std::isnan(link->m_min) || std::isnan(link->m_max))
    return {};
  double value = *number + m_step;
  if (value > link->m_max)
    value = link->m_max;
  // After the maximum, so that limits the wrong way round end at the minimum.
  if (value < link->m_min)
    value = link->m_min;
  *number = value;
  return {value, kModuleDone};
}

void CModuleCAD3::FillForm(CModuleForm& form) const
{
  CModuleNumberLink::FillForm(form);
  form.strTitle = "Konfiguration Modul CAD3";
  form.bHasStep = true;
  form.step = m_step;
}

bool CModuleCAD3::TakeForm(const CModuleForm& form)
{
  if (!std::isfinite(form.step) || !CModuleNumberLink::TakeForm(form))
    return false;
  m_step = form.step;
  return true;
}
