#include "ItemSystem.h"

#include "DefaultNames.h"
#include "RecordCursor.h"
#include "TextBuffer.h"

bool CItemSystem::ReadSystemFields(CRecordCursor& line, std::string& parentName)
{
  return ReadGroupFields(line, parentName) && HasOwnFields(line) && m_position.Read(line) && HasOwnFields(line) &&
         m_rotation.Read(line);
}

bool CItemSystem::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadSystemFields(line, parentName);
}

void CItemSystem::WriteSystemFields(CTextBuffer& out, const std::string& parentName) const
{
  WriteGroupFields(out, parentName, m_strKeyword);
  m_position.Write(out);
  m_rotation.Write(out);
}

void CItemSystem::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WriteSystemFields(out, parentName);
  WriteChildren(out);
  out.Append('\n');
  out.Append(EndKeyword());
}

void CItemSystem::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::System);
  m_strDescription.clear();
}

void CItemSystem::UpdateTransform()
{
  m_matrix.SetIdentity();
  ApplyTransform(m_matrix);
  UpdateInverse();
}

void CItemSystem::ApplyTransform(CMatrix& m)
{
  m.Rotate(m_rotation.x * kDegToRad, 0);
  m.Rotate(m_rotation.y * kDegToRad, 1);
  m.Rotate(m_rotation.z * kDegToRad, 2);
  m.Translate(m_position);
  CItemBase::ApplyTransform(m);
}

void CItemSystem::UpdateInverse()
{
  Invert(m_matrix, m_inverse);
}

void* CItemSystem::GetFieldAddress(int fieldNumber, int valueType)
{
  if (void* field = CItemBase::GetFieldAddress(fieldNumber, valueType))
    return field;
  if (valueType != kLinkNumber)
    return nullptr;
  switch (fieldNumber) {
  case 1:
    return &m_position.x;
  case 2:
    return &m_position.y;
  case 3:
    return &m_position.z;
  case 4:
    return &m_rotation.x;
  case 5:
    return &m_rotation.y;
  case 6:
    return &m_rotation.z;
  default:
    return nullptr;
  }
}
