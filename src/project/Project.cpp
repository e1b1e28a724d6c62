#include "Project.h"

#include "EntryEditor.h"
#include "ItemPolygon.h"
#include "ItemWord.h"
#include "Messages.h"
#include "ModuleSection.h"
#include "ProjectReader.h"
#include "ProjectTree.h"
#include "SensorPlacement.h"
#include "TextBuffer.h"

namespace {

// Compares addresses only, so an entry that is already gone is merely not found.
bool HoldsEntry(const CItemGroup& group, const CItemBase* entry)
{
  for (const auto& child : group.Children()) {
    if (child.get() == entry)
      return true;
    if (const CItemGroup* inner = child->AsGroup(); inner && HoldsEntry(*inner, entry))
      return true;
  }
  return false;
}

// Draws the group's entries as CItemGroup::DrawChildren does, leaving the
// skipped entry out with everything inside it, and the polygons directly in
// the group without polygons.
void DrawChildrenExcept(CItemGroup& group, const CItemBase* skipped, const CItemBase* withoutPolygons,
                        const std::function<bool(const CItemBase&)>& drawChild = {})
{
  for (const auto& child : group.Children()) {
    if (child.get() == skipped || (&group == withoutPolygons && dynamic_cast<const CItemPolygon*>(child.get())) ||
        (drawChild && !drawChild(*child)))
      continue;
    child->Draw(0);
    if (CItemGroup* inner = child->AsGroup()) {
      DrawChildrenExcept(*inner, skipped, withoutPolygons);
      child->Draw(1);
    }
  }
}

} // namespace

LoadStatus CProject::Load(CTextBuffer& text)
{
  m_pText = &text;
  m_patches = {};
  m_root.m_strName.clear();
  m_root.RemoveAllChildren();
  CParseContext context(m_pMessages);
  Parse(text.Share(), m_root, context);
  if (!m_root.Children().empty()) {
    ReadModules(text.View());
    Refresh();
  }
  return {context.m_nErrorLine};
}

void CProject::Init(CTextBuffer& text, const std::string& rootName)
{
  m_pText = &text;
  m_patches = {};
  m_root.RemoveAllChildren();
  m_root.m_strName = rootName;
  Refresh();
}

void CProject::SaveText(CTreeControl& tree)
{
  m_root.SaveTreeState(tree);
  WriteText();
}

void CProject::Refresh()
{
  WriteText();
  m_root.ResolveLinksOfTree();
  m_root.UpdateTransformsOfTree();
}

CProject::CTextHold::~CTextHold()
{
  if (--m_project.m_nTextHolds == 0 && m_project.m_bTextHeld) {
    m_project.m_bTextHeld = false;
    m_project.WriteText();
  }
}

void CProject::WriteText()
{
  if (m_nTextHolds > 0) {
    m_bTextHeld = true;
    return;
  }
  if (!m_pText)
    return;
  WriteTree(*m_pText);
  WriteModules(*m_pText);
}

void CProject::WriteTree(CTextBuffer& text)
{
  text.Clear();
  m_root.WriteRecord(text, std::string());
}

void CProject::WriteModules(CTextBuffer& text) const
{
  WriteModuleSection(text, m_modules);
}

void CProject::ReadModules(std::string_view text)
{
  ReadModuleSection(text, m_modules);
}

ModuleResult CProject::RunModule(int index, bool configure)
{
  ModuleResult result;
  CModule* module = m_modules.FindByRunIndex(index);
  const auto pathsBefore = m_modules.m_cad1.m_paths;
  if (module)
    result = module->Execute(m_root, configure, {m_pModuleDialog, m_pMessages});
  if (module == &m_modules.m_cad1)
    m_patches.Note(m_modules.m_cad1, pathsBefore, configure, result);
  m_root.ResolveLinksOfTree();
  m_root.UpdateTransformsOfTree();
  WriteText();
  return result;
}

ModuleResult CProject::ReadModule(int index)
{
  CModule* module = m_modules.FindByRunIndex(index);
  return module ? module->Run(m_root) : ModuleResult();
}

ModuleResult CProject::RunForeignModule(CModule& module, bool configure)
{
  ModuleResult result = module.Execute(m_root, configure, {m_pModuleDialog, m_pMessages});
  m_root.ResolveLinksOfTree();
  m_root.UpdateTransformsOfTree();
  WriteText();
  return result;
}

void CProject::DrawTree(bool bPatches, const std::function<bool(const CItemBase&)>& drawTop)
{
  const CItemBase* results =
      bPatches ? nullptr : m_root.FindByPath(m_modules.m_cad1.m_paths[CModuleCAD1::kResultsField]);
  DrawChildrenExcept(m_root, FindStalePatches(), results == &m_root ? nullptr : results, drawTop);
}

CItemBase* CProject::FindStalePatches()
{
  return m_patches.bCurrent || m_patches.strGroup.empty() ? nullptr : m_root.FindByPath(m_patches.strGroup);
}

bool CProject::IsResultEntry(const CItemBase& entry)
{
  CItemBase* results = m_root.FindByPath(m_modules.m_cad1.m_paths[CModuleCAD1::kResultsField]);
  const CItemGroup* group = results ? results->AsGroup() : nullptr;
  return group && group != &m_root && HoldsEntry(*group, &entry);
}

bool CProject::EditSelected(CProjectTree& tree)
{
  TreeItemHandle item = tree.GetSelectedItem();
  if (!item) {
    if (m_pMessages)
      m_pMessages->ShowMessage(kApplicationName, LoadString(IDS_SELECT_ENTRY));
    return false;
  }
  CItemBase* entry = tree.GetItemData(item);
  return entry && EditEntry(*entry);
}

bool CProject::EditEntry(CItemBase& entry)
{
  if (!m_pEntryEditor || (&entry != &m_root && !HoldsEntry(m_root, &entry)))
    return false;
  EntryAccess access = IsResultEntry(entry) ? EntryAccess::ReadOnly : EntryAccess::Editable;
  if (!m_pEntryEditor->Change(entry, m_nEditLevel, access) || access == EntryAccess::ReadOnly)
    return false;
  // A room's sensor moves to the place of the mounting variant chosen.
  if (dynamic_cast<CItemChoice*>(&entry))
    FollowChosenVariant(*this);
  Refresh();
  return true;
}

void CProject::RebuildTree(CProjectTree& tree)
{
  m_root.SaveTreeState(tree);
  tree.DeleteAllItems();
  m_root.InsertIntoTree(m_nEditLevel, tree, tree.GetRootItem());
}
