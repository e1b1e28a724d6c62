#pragma once

#include "ItemPoint.h"

// A point entry that stands for a list of generated points in its own frame,
// each shown with the entry's marker: the base of lattices and arcs.
class CItemPointSet : public CItemPoint {
public:
  void Draw(int phase) override;
  void CollectPoints(CSimList& points) const override;
  size_t GeneratedPointCount() const override { return m_points.size(); }

  // Rebuilds m_points from the kind's fields.
  virtual void GeneratePoints() = 0;

  CVectorArray m_points; // derived from the kind's fields, never written

protected:
  using CItemPoint::CItemPoint;
};
