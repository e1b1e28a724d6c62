#include "Item3D.h"

#include "Placement.h"

bool CItem3D::Read3DFields(CRecordCursor& line, std::string& parentName)
{
  return CItemBase::ReadRecord(line, parentName) && m_position.Read(line) && m_rotation.Read(line);
}

void CItem3D::Write3DFields(CTextBuffer& out, const std::string& parentName) const
{
  WriteRecordHead(out, parentName, m_strKeyword);
  m_position.Write(out);
  m_rotation.Write(out);
}

void CItem3D::UpdateTransform()
{
  if (!m_transformInputs.Update(*this))
    return;
  m_matrix.SetIdentity();
  ApplyTransform(m_matrix);
  UpdateInverse();
}

void CItem3D::ApplyTransform(CMatrix& m)
{
  ApplyPlacement(m, m_position, m_rotation);
  CItemBase::ApplyTransform(m);
}

void CItem3D::AppendPlacements(std::vector<double>& placements) const
{
  AppendPlacement(placements, m_position, m_rotation);
  CItemBase::AppendPlacements(placements);
}

void CItem3D::UpdateInverse()
{
  // A singular frame keeps its previous inverse.
  Invert(m_matrix, m_inverse);
}

void* CItem3D::GetFieldAddress(int fieldNumber, int valueType)
{
  if (void* field = CItemBase::GetFieldAddress(fieldNumber, valueType))
    return field;
  return valueType == kLinkNumber ? PlacementField(m_position, m_rotation, fieldNumber) : nullptr;
}
