#include "ItemEnable.h"

#include "DefaultNames.h"
#include "LinkSupport.h"
#include "RecordCursor.h"
#include "RecordText.h"

bool CItemEnable::ReadSwitchFields(CRecordCursor& line, std::string& parentName)
{
  int value = 0;
  if (!CItemBase::ReadRecord(line, parentName) || !HasOwnFields(line) || !line.ReadInt(value))
    return false;
  m_bValue = value == 1 ? 1 : 0;
  return true;
}

void CItemEnable::WriteSwitchFields(CTextBuffer& out, const std::string& parentName) const
{
  WriteRecordHead(out, parentName, m_strKeyword);
  AppendIntField(out, m_bValue ? 1 : 0);
}

bool CItemEnable::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadSwitchFields(line, parentName);
}

void CItemEnable::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WriteSwitchFields(out, parentName);
}

void CItemEnable::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Switch);
  m_bValue = 1;
}

CItemEnableLink::~CItemEnableLink()
{
  ReleaseLink(m_target);
}

bool CItemEnableLink::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadSwitchFields(line, parentName) && HasOwnFields(line) && ReadLinkPath(line, m_strLinkPath);
}

void CItemEnableLink::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  FollowLinkTarget(m_target, m_bValue);
  WriteSwitchFields(out, parentName);
  WriteLinkPath(out, m_strLinkPath);
}

void CItemEnableLink::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::SwitchLink);
  m_strLinkPath.clear();
}

bool CItemEnableLink::ResolveLinks()
{
  return ResolveLinkValue(*this, m_strLinkPath, m_target, kLinkSwitch, m_bLinked, m_bValue);
}
