#include "ItemArc2.h"
#include "ItemCone.h"
#include "ItemDouble.h"
#include "ItemEllipse.h"
#include "ItemEllipsoid.h"
#include "ItemEnable.h"
#include "ItemGrid.h"
#include "ItemImport.h"
#include "ItemPointArc.h"
#include "ItemPointMatrix.h"
#include "ItemRectangle.h"
#include "ItemWord.h"
#include "LineItem.h"
#include "ProjectReader.h"

std::unique_ptr<CItemBase> CreateEntry(Keyword keyword)
{
  switch (keyword) {
  case Keyword::BeginGroup:
    return std::make_unique<CItemGroup>();
  case Keyword::BeginSystem:
    return std::make_unique<CItemSystem>();
  case Keyword::Include:
    return std::make_unique<CItemInclude>();
  case Keyword::Library:
    return std::make_unique<CItemLibrary>();
  case Keyword::Double:
    return std::make_unique<CItemDouble>();
  case Keyword::DoubleLink:
    return std::make_unique<CItemDoubleLink>();
  case Keyword::Enable:
    return std::make_unique<CItemEnable>();
  case Keyword::EnableLink:
    return std::make_unique<CItemEnableLink>();
  case Keyword::Word:
    return std::make_unique<CItemWord>();
  case Keyword::Choice:
    return std::make_unique<CItemChoice>();
  case Keyword::Point:
    return std::make_unique<CItemPoint>();
  case Keyword::PointMatrix:
    return std::make_unique<CItemPointMatrix>();
  case Keyword::PointArc:
    return std::make_unique<CItemPointArc>();
  case Keyword::Polygon:
    return std::make_unique<CItemPolygon>();
  case Keyword::Rectangle:
    return std::make_unique<CItemRectangle>();
  case Keyword::Grid:
    return std::make_unique<CItemGrid>();
  case Keyword::Arc2:
    return std::make_unique<CItemArc2>();
  case Keyword::Ellipsoid:
    return std::make_unique<CItemEllipsoid>();
  case Keyword::Cone:
    return std::make_unique<CItemCone>();
  case Keyword::Line:
    return std::make_unique<CLineItem>();
  case Keyword::Ellipse:
    return std::make_unique<CItemEllipse>();
  default:
    return nullptr;
  }
}
