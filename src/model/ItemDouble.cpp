#include "ItemDouble.h"

#include "DefaultNames.h"
#include "LinkSupport.h"
#include "RecordCursor.h"
#include "RecordText.h"

bool CItemDouble::ReadNumberFields(CRecordCursor& line, std::string& parentName)
{
  return CItemBase::ReadRecord(line, parentName) && HasOwnFields(line) && line.ReadDouble(m_value) &&
         line.ReadDouble(m_min) && line.ReadDouble(m_max);
}

void CItemDouble::WriteNumberFields(CTextBuffer& out, const std::string& parentName) const
{
  WriteRecordHead(out, parentName, m_strKeyword);
  AppendDoubleField(out, m_value);
  AppendDoubleField(out, m_min);
  AppendDoubleField(out, m_max);
}

bool CItemDouble::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadNumberFields(line, parentName);
}

void CItemDouble::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WriteNumberFields(out, parentName);
}

void CItemDouble::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Number);
  m_value = 0.0;
  m_min = -1e300;
  m_max = 1e300;
}

CItemDoubleLink::~CItemDoubleLink()
{
  ReleaseLink(m_target);
}

bool CItemDoubleLink::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadNumberFields(line, parentName) && HasOwnFields(line) && ReadLinkPath(line, m_strLinkPath);
}

void CItemDoubleLink::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  FollowLinkTarget(m_target, m_value);
  WriteNumberFields(out, parentName);
  WriteLinkPath(out, m_strLinkPath);
}

void CItemDoubleLink::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::NumberLink);
  m_strLinkPath.clear();
}

bool CItemDoubleLink::ResolveLinks()
{
  return ResolveLinkValue(*this, m_strLinkPath, m_target, kLinkNumber, m_bLinked, m_value);
}
