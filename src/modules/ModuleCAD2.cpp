#include "ModuleCAD2.h"

#include "ItemDouble.h"
#include "Messages.h"
#include "ModuleDialog.h"

CModuleCAD2::CModuleCAD2(std::string_view name) : CModuleNumberLink(name, IDS_CAD2_ERROR, 0) {}

ModuleResult CModuleCAD2::Run(CItemGroup& root)
{
  CItemDoubleLink* link = nullptr;
  const double* number = FindLinkedNumber(root, link);
  if (!number)
    return {};
  double value = *number;
  int status = kModuleDone;
  if (value <= link->m_min)
    status = kModuleAtMinimum;
  if (!(value < link->m_max))
    status = kModuleAtMaximum;
  return {value, status};
}

void CModuleCAD2::FillForm(CModuleForm& form) const
{
  CModuleNumberLink::FillForm(form);
  form.strTitle = "Konfiguration Modul CAD2";
}
