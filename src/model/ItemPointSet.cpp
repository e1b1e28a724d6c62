#include "ItemPointSet.h"

void CItemPointSet::Draw(int)
{
  DrawMarkers(m_points);
}

void CItemPointSet::CollectPoints(CSimList& points) const
{
  CollectLocalPoints(m_points, points);
}
