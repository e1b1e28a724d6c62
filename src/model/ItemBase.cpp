#include "ItemBase.h"

#include "ItemGroup.h"
#include "ItemPages.h"
#include "Messages.h"
#include "RecordCursor.h"
#include "RecordText.h"
#include "TextBuffer.h"

#include <algorithm>

namespace {

// Splits "first.rest" into its first component and the text after the dot.
std::string_view TakeComponent(std::string_view& path)
{
  size_t dot = path.find('.');
  std::string_view first = path.substr(0, dot);
  path = dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
  return first;
}

} // namespace

CItemBase::~CItemBase()
{
  for (CLinkSlot* slot : m_backRefs) {
    slot->pField = nullptr;
    slot->pEntry = nullptr;
  }
}

bool CItemBase::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  int active = 0;
  int visible = 0;
  std::string name;
  std::string description;
  if (!line.ReadText(name, kMaxNameLength) || !line.ReadText(parentName, kMaxNameLength) ||
      !line.ReadText(description, kMaxDescriptionLength) || !line.ReadInt(active) || !line.ReadInt(visible))
    return false;
  m_strName = std::move(name);
  m_strDescription = std::move(description);
  m_bActive = active == 1 ? 1 : 0;
  m_bVisible = visible == 1 ? 1 : 0;
  return true;
}

void CItemBase::WriteRecordHead(CTextBuffer& out, const std::string& parentName, std::string_view keyword) const
{
  BeginRecord(out);
  AppendWordField(out, keyword);
  AppendTextField(out, m_strName);
  AppendTextField(out, parentName);
  AppendTextField(out, m_strDescription, true);
  AppendIntField(out, m_bActive ? 1 : 0);
  AppendIntField(out, m_bVisible ? 1 : 0);
}

void CItemBase::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WriteRecordHead(out, parentName, m_strKeyword);
}

bool CItemBase::HasOwnFields(const CRecordCursor& line)
{
  return line.HasRest();
}

void CItemBase::ApplyTransform(CMatrix& m)
{
  if (m_pParent)
    m_pParent->ApplyTransform(m);
}

void CItemBase::AppendPlacements(std::vector<double>& placements) const
{
  if (m_pParent)
    m_pParent->AppendPlacements(placements);
}

void* CItemBase::GetFieldAddress(int fieldNumber, int valueType)
{
  if (valueType == kLinkSwitch && fieldNumber == 7)
    return &m_bVisible;
  if (valueType == kLinkSwitch && fieldNumber == 8)
    return &m_bActive;
  return nullptr;
}

CItemBase* CItemBase::FindByPath(std::string_view path)
{
  if (TakeComponent(path) != m_strName)
    return nullptr;
  CItemBase* entry = this;
  while (!path.empty()) {
    CItemGroup* group = entry->AsGroup();
    if (!group)
      return nullptr;
    entry = group->FindChild(TakeComponent(path));
    if (!entry)
      return nullptr;
  }
  return entry;
}

CFieldRef CItemBase::LocateField(std::string_view path, int valueType)
{
  if (TakeComponent(path) != m_strName)
    return {};
  CItemBase* entry = this;
  while (!path.empty() && path.front() != '@') {
    CItemGroup* group = entry->AsGroup();
    if (!group)
      return {};
    entry = group->FindChild(TakeComponent(path));
    if (!entry)
      return {};
  }
  int fieldNumber = 0;
  if (path.empty() || !CRecordCursor(path.substr(1)).ReadInt(fieldNumber))
    return {};
  void* field = entry->GetFieldAddress(fieldNumber, valueType);
  if (!field)
    return {};
  return {entry, field};
}

bool CItemBase::ResolveLink(std::string_view path, CLinkSlot& slot, int valueType)
{
  if (slot.pEntry)
    slot.pEntry->RemoveBackReference(&slot);
  slot = {};
  CFieldRef ref = LocateField(path, valueType);
  if (!ref.pField)
    return false;
  slot.pEntry = ref.pEntry;
  slot.pField = ref.pField;
  ref.pEntry->m_backRefs.push_back(&slot);
  return true;
}

bool CItemBase::RemoveBackReference(CLinkSlot* slot)
{
  auto it = std::find(m_backRefs.begin(), m_backRefs.end(), slot);
  if (it == m_backRefs.end())
    return false;
  *it = m_backRefs.back();
  m_backRefs.pop_back();
  return true;
}

CItemBase* CItemBase::GetRoot()
{
  CItemBase* entry = this;
  while (entry->m_pParent)
    entry = entry->m_pParent;
  return entry;
}

bool CItemBase::IsActive() const
{
  for (const CItemBase* entry = this; entry; entry = entry->m_pParent)
    if (!entry->m_bActive)
      return false;
  return true;
}

bool CItemBase::IsVisible() const
{
  for (const CItemBase* entry = this; entry; entry = entry->m_pParent)
    if (!entry->m_bVisible)
      return false;
  return true;
}

bool CItemBase::ExchangeItemPage(CItemPage& page, bool save, CMessageSink* messages)
{
  if (!save) {
    page.name = m_strName;
    page.description = m_strDescription;
    page.active = m_bActive != 0;
    page.visible = m_bVisible != 0;
    page.flagsEnabled = m_pParent != nullptr;
    return true;
  }
  if (m_pParent) {
    if (m_pParent->HasOtherChildNamed(page.name, this)) {
      if (messages)
        messages->ShowMessage(kApplicationName, LoadString(IDS_NAME_CLASH));
      return false;
    }
  }
  m_strName = SanitizeEntryName(page.name);
  m_strDescription = page.description;
  m_bActive = page.active ? 1 : 0;
  m_bVisible = page.visible ? 1 : 0;
  return true;
}

bool CItemBase::ExchangeInfoPage(CInfoPage& page, bool save)
{
  if (!save) {
    page.name = m_strName;
    page.description = m_strDescription;
    return true;
  }
  m_strName = SanitizeEntryName(page.name);
  m_strDescription = page.description;
  return true;
}

TreeItemHandle CItem::InsertIntoTree(int, CTreeControl& tree, TreeItemHandle parent)
{
  m_hTreeItem = 0;
  m_hTreeItem = tree.InsertItem(parent, m_strName, this, false, false);
  return m_hTreeItem;
}

std::string SanitizeEntryName(std::string_view name)
{
  std::string result(name);
  std::replace(result.begin(), result.end(), '.', ' ');
  return result;
}
