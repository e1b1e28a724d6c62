#include "ItemGroup.h"

#include "DefaultNames.h"
#include "RecordCursor.h"
#include "RecordText.h"
#include "TextBuffer.h"

#include <utility>

CItemGroup::~CItemGroup()
{
  RemoveAllChildren();
}

void CItemGroup::RemoveAllChildren()
{
  // Each child leaves the list before it is deleted, so nothing that runs
  // while it goes sees a half-deleted list.
  while (!m_children.empty()) {
    std::unique_ptr<CItemBase> child = std::move(m_children.back());
    m_children.pop_back();
    child.reset();
  }
}

void CItemGroup::AddChild(std::unique_ptr<CItemBase> child)
{
  child->m_pParent = this;
  m_children.push_back(std::move(child));
}

bool CItemGroup::ReplaceChild(const CItemBase& child, std::unique_ptr<CItemBase> entry)
{
  for (auto& slot : m_children) {
    if (slot.get() != &child)
      continue;
    entry->m_pParent = this;
    // Out of the list before it is deleted, as RemoveAllChildren does.
    std::unique_ptr<CItemBase> old = std::exchange(slot, std::move(entry));
    old.reset();
    return true;
  }
  return false;
}

CItemBase* CItemGroup::FindChild(std::string_view name) const
{
  if (const CNameIndex* index = NameIndex()) {
    auto found = index->find(name);
    return found == index->end() ? nullptr : found->second;
  }
  for (const auto& child : m_children)
    if (child->m_strName == name)
      return child.get();
  return nullptr;
}

bool CItemGroup::HasOtherChildNamed(std::string_view name, const CItemBase* except) const
{
  for (const auto& child : m_children)
    if (child.get() != except && child->m_strName == name)
      return true;
  return false;
}

bool CItemGroup::ReadGroupFields(CRecordCursor& line, std::string& parentName)
{
  return CItemBase::ReadRecord(line, parentName) && HasOwnFields(line) && line.ReadInt(m_nTreeState);
}

bool CItemGroup::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadGroupFields(line, parentName);
}

void CItemGroup::WriteGroupFields(CTextBuffer& out, const std::string& parentName, std::string_view keyword) const
{
  WriteRecordHead(out, parentName, keyword);
  AppendIntField(out, m_nTreeState);
}

void CItemGroup::WriteChildren(CTextBuffer& out) const
{
  for (const auto& child : m_children)
    child->WriteRecord(out, m_strName);
}

void CItemGroup::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  bool root = m_pParent == nullptr;
  WriteGroupFields(out, parentName, root ? "begin-sim-data" : m_strKeyword.c_str());
  WriteChildren(out);
  BeginRecord(out);
  out.Append(root ? "end-sim-data" : EndKeyword());
}

void CItemGroup::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Group);
  m_strDescription.clear();
}

TreeItemHandle CItemGroup::InsertOwnItem(CTreeControl& tree, TreeItemHandle parent)
{
  bool top = parent == tree.GetRootItem();
  bool expanded = top || (m_nTreeState & kTreeStateExpanded) != 0;
  m_hTreeItem = tree.InsertItem(parent, m_strName, this, expanded, top);
  return m_hTreeItem;
}

TreeItemHandle CItemGroup::InsertIntoTree(int editLevel, CTreeControl& tree, TreeItemHandle parent)
{
  TreeItemHandle item = InsertOwnItem(tree, parent);
  for (const auto& child : m_children)
    child->InsertIntoTree(editLevel, tree, item);
  return item;
}

void CItemGroup::SaveTreeState(CTreeControl& tree)
{
  if (!m_hTreeItem)
    return;
  m_nTreeState = tree.GetItemState(m_hTreeItem) & 0xFF;
  for (const auto& child : m_children)
    if (CItemGroup* group = child->AsGroup())
      group->SaveTreeState(tree);
}

void CItemGroup::DrawChildren()
{
  for (const auto& child : m_children) {
    child->Draw(0);
    if (CItemGroup* group = child->AsGroup()) {
      group->DrawChildren();
      child->Draw(1);
    }
  }
}

const CItemGroup::CNameIndex* CItemGroup::NameIndex() const
{
  const CItemGroup* root = this;
  while (root->m_pParent)
    root = root->m_pParent;
  if (!root->m_bLinkPass || m_children.size() < kIndexedChildCount)
    return nullptr;
  if (!m_pNameIndex) {
    m_pNameIndex = std::make_unique<CNameIndex>(m_children.size());
    // emplace keeps the first child of a name, as the search in order does.
    for (const auto& child : m_children)
      m_pNameIndex->emplace(child->m_strName, child.get());
  }
  return m_pNameIndex.get();
}

void CItemGroup::DropNameIndexes()
{
  m_pNameIndex.reset();
  for (const auto& child : m_children)
    if (CItemGroup* group = child->AsGroup())
      group->DropNameIndexes();
}

void CItemGroup::ResolveLinksOfTree()
{
  auto* root = static_cast<CItemGroup*>(GetRoot());
  if (root->m_bLinkPass) {
    ResolveLinksOfChildren();
    return;
  }
  root->m_bLinkPass = true;
  ResolveLinksOfChildren();
  root->m_bLinkPass = false;
  root->DropNameIndexes();
}

void CItemGroup::ResolveLinksOfChildren()
{
  for (const auto& child : m_children) {
    if (CItemGroup* group = child->AsGroup())
      group->ResolveLinksOfChildren();
    else
      child->ResolveLinks();
  }
}

void CItemGroup::UpdateTransformsOfTree()
{
  for (const auto& child : m_children) {
    child->UpdateTransform();
    if (CItemGroup* group = child->AsGroup())
      group->UpdateTransformsOfTree();
  }
}
