#include "ItemSystem.h"

#include "DefaultNames.h"
#include "EntryDrawState.h"
#include "EntryLimits.h"
#include "Placement.h"
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
  if (!m_transformInputs.Update(*this))
    return;
  m_matrix.SetIdentity();
  ApplyTransform(m_matrix);
  UpdateInverse();
}

void CItemSystem::ApplyTransform(CMatrix& m)
{
  ApplyPlacement(m, m_position, m_rotation);
  CItemBase::ApplyTransform(m);
}

void CItemSystem::AppendPlacements(std::vector<double>& placements) const
{
  AppendPlacement(placements, m_position, m_rotation);
  CItemBase::AppendPlacements(placements);
}

void CItemSystem::UpdateInverse()
{
  Invert(m_matrix, m_inverse);
}

void* CItemSystem::GetFieldAddress(int fieldNumber, int valueType)
{
  if (void* field = CItemBase::GetFieldAddress(fieldNumber, valueType))
    return field;
  return valueType == kLinkNumber ? PlacementField(m_position, m_rotation, fieldNumber) : nullptr;
}

int CItemSystem::SystemDepth() const
{
  int depth = 0;
  for (const CItemBase* entry = this; entry; entry = entry->m_pParent)
    if (dynamic_cast<const CItemSystem*>(entry))
      ++depth;
  return depth;
}

void CItemSystem::Draw(int phase)
{
  // GL keeps only a few dozen saved matrices. A system nested deeper leaves
  // its subtree in the frame of the deepest one that fits, rather than
  // unbalancing the stack for the rest of the scene. Visibility and depth
  // cannot change between the two phases, so pushes and pops stay paired.
  if (!IsVisible() || SystemDepth() > kMaxDrawnSystemDepth)
    return;
  if (phase == 0)
    PushPlacement(m_position, m_rotation);
  else if (phase == 1)
    PopPlacement();
}
