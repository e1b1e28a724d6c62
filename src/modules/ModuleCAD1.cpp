#include "ModuleCAD1.h"

#include "DetectionRun.h"
#include "Messages.h"
#include "ModuleDialog.h"

CModuleCAD1::CModuleCAD1() : CModule("CAD1", IDS_CAD1_ERROR, IDS_PARAMETER_ERROR) {}

void CModuleCAD1::ReadConfig(CRecordCursor& rest)
{
  // The results group now comes from the file, not from a run of ours.
  m_patchTargets = {};
  for (std::string& path : m_paths)
    if (!ReadPath(rest, path))
      return;
}

void CModuleCAD1::WriteConfig(CTextBuffer& out) const
{
  WriteKeyword(out);
  for (const std::string& path : m_paths)
    WritePath(out, path);
}

ModuleResult CModuleCAD1::Run(CItemGroup& root)
{
  CDetectionEntries entries;
  if (!entries.Resolve(root, m_paths) || !entries.ResultsGroupIsSafe(root) ||
      !ComputeDetection(entries, m_patchTargets))
    return {0.0, kModuleFailed};
  return {0.0, kModuleDone};
}

void CModuleCAD1::FillForm(CModuleForm& form) const
{
  form.strTitle = "Konfiguration Modul CAD1";
  form.paths.assign(m_paths.begin(), m_paths.end());
}

bool CModuleCAD1::TakeForm(const CModuleForm& form)
{
  if (form.paths.size() != kFieldCount)
    return false;
  for (size_t i = 0; i < kFieldCount; ++i)
    m_paths[i] = CleanPath(form.paths[i]);
  return true;
}
