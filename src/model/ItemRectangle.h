#pragma once

#include "ItemPolygon.h"

// An axis-parallel rectangle in the entry's xy-plane, kept as the four
// vertices of a polygon; read and written as a polygon.
class CItemRectangle : public CItemPolygon {
public:
  CItemRectangle() : CItemPolygon("rectangle") {}

  void SetInsertDefaults() override;
  using CItemPolygon::SetCorners;
};
