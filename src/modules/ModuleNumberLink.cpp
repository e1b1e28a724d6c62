#include "ModuleNumberLink.h"

#include "ItemDouble.h"
#include "ItemGroup.h"
#include "ModuleDialog.h"

void CModuleNumberLink::ReadConfig(CRecordCursor& rest)
{
  ReadPath(rest, m_strPath);
}

void CModuleNumberLink::WriteConfig(CTextBuffer& out) const
{
  WriteKeyword(out);
  WritePath(out, m_strPath);
}

double* CModuleNumberLink::FindLinkedNumber(CItemGroup& root, CItemDoubleLink*& link) const
{
  link = dynamic_cast<CItemDoubleLink*>(root.FindByPath(m_strPath));
  return link ? link->GetTarget() : nullptr;
}

void CModuleNumberLink::FillForm(CModuleForm& form) const
{
  form.paths.assign(1, m_strPath);
}

bool CModuleNumberLink::TakeForm(const CModuleForm& form)
{
  if (form.paths.size() != 1)
    return false;
  m_strPath = CleanPath(form.paths.front());
  return true;
}
