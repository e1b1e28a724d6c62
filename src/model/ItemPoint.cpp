#include "ItemPoint.h"

#include "DefaultNames.h"
#include "EntryDrawState.h"
#include "PointMarker.h"
#include "RecordCursor.h"
#include "RecordText.h"

bool CItemPoint::ReadPointFields(CRecordCursor& line, std::string& parentName)
{
  return Read3DColorFields(line, parentName) && HasOwnFields(line) && line.ReadDouble(m_size) && line.ReadInt(m_nStyle);
}

void CItemPoint::WritePointFields(CTextBuffer& out, const std::string& parentName) const
{
  Write3DColorFields(out, parentName);
  AppendDoubleField(out, m_size);
  AppendIntField(out, m_nStyle);
}

bool CItemPoint::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadPointFields(line, parentName);
}

void CItemPoint::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WritePointFields(out, parentName);
}

void CItemPoint::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Point);
  m_size = 1.0;
  m_nStyle = kPointCube;
}

void CItemPoint::CollectPoints(CSimList& points) const
{
  CollectLocalPoints(CVectorArray{CVector()}, points);
}

void CItemPoint::CollectLocalPoints(const CVectorArray& local, CSimList& points) const
{
  if (!IsActive())
    return;
  for (const CVector& p : local) {
    CVector scene = TransformPoint(m_matrix, p);
    points.push_back(std::make_unique<CSimPoint>(scene.x, scene.y, scene.z));
  }
}

void CItemPoint::Draw(int)
{
  if (!IsVisible())
    return;
  PushPlacement(m_position, m_rotation);
  DrawPointMarker(m_nStyle, m_size, m_fillColor);
  PopPlacement();
}

void CItemPoint::DrawMarkers(const CVectorArray& local) const
{
  if (!IsVisible())
    return;
  PushPlacement(m_position, m_rotation);
  for (const CVector& p : local) {
    PushTranslation(p);
    DrawPointMarker(m_nStyle, m_size, m_fillColor);
    PopPlacement();
  }
  PopPlacement();
}
