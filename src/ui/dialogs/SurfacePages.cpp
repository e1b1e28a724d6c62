#include "SurfacePages.h"

#include "ColorItemPage.h"
#include "GridPage.h"
#include "ItemArc2.h"
#include "ItemCone.h"
#include "ItemEllipse.h"
#include "ItemEllipsoid.h"
#include "ItemGrid.h"
#include "ItemRectangle.h"
#include "LineItem.h"
#include "PolygonPage.h"

#include <utility>

namespace {

constexpr double kMaxLength = 1e300;

#define KMV_FIELD(Entry, member) [](Entry& e) -> double& { return e.member; }

const CPageField<CItemArc2> kArc2Fields[] = {
    {"Radius", KMV_FIELD(CItemArc2, m_radius), 0.0, kMaxLength},
    {"Faktor x", KMV_FIELD(CItemArc2, m_factorX), 0.0, kMaxLength},
    {"Faktor y", KMV_FIELD(CItemArc2, m_factorY), 0.0, kMaxLength},
    {"Startwinkel", KMV_FIELD(CItemArc2, m_startAngle), 0.0, 360.0},
    {"Endwinkel", KMV_FIELD(CItemArc2, m_endAngle), 0.0, 360.0},
    {"Ebene z", KMV_FIELD(CItemArc2, m_offsetZ)},
    {"Steigung x", KMV_FIELD(CItemArc2, m_slopeX)},
    {"Steigung y", KMV_FIELD(CItemArc2, m_slopeY)},
};

const CPageField<CItemEllipsoid> kEllipsoidFields[] = {
    {"Azimut Start", KMV_FIELD(CItemEllipsoid, m_phiStart), 0.0, 360.0},
    {"Azimut Ende", KMV_FIELD(CItemEllipsoid, m_phiEnd), 0.0, 360.0},
    {"Polarwinkel Start", KMV_FIELD(CItemEllipsoid, m_thetaStart), 0.0, 180.0},
    {"Polarwinkel Ende", KMV_FIELD(CItemEllipsoid, m_thetaEnd), 0.0, 180.0},
    {"Radius", KMV_FIELD(CItemEllipsoid, m_radius), 0.0, kMaxLength},
    {"Faktor x", KMV_FIELD(CItemEllipsoid, m_factorX), 0.0, kMaxLength},
    {"Faktor y", KMV_FIELD(CItemEllipsoid, m_factorY), 0.0, kMaxLength},
    {"Faktor z", KMV_FIELD(CItemEllipsoid, m_factorZ), 0.0, kMaxLength},
};

const CPageField<CItemCone> kConeFields[] = {
    {"Ebene 1", KMV_FIELD(CItemCone, m_z1)},
    {"Ebene 2", KMV_FIELD(CItemCone, m_z2)},
    {"Startwinkel", KMV_FIELD(CItemCone, m_startAngle), 0.0, 360.0},
    {"Endwinkel", KMV_FIELD(CItemCone, m_endAngle), 0.0, 360.0},
    {"Steigung x 1", KMV_FIELD(CItemCone, m_slopeX1)},
    {"Steigung x 2", KMV_FIELD(CItemCone, m_slopeX2)},
    {"Steigung y 1", KMV_FIELD(CItemCone, m_slopeY1)},
    {"Steigung y 2", KMV_FIELD(CItemCone, m_slopeY2)},
    {"Faktor x", KMV_FIELD(CItemCone, m_factorX)},
    {"Faktor y", KMV_FIELD(CItemCone, m_factorY)},
    {"Radius 1", KMV_FIELD(CItemCone, m_radius1)},
    {"Radius 2", KMV_FIELD(CItemCone, m_radius2)},
};

const CPageField<CLineItem> kLineFields[] = {
    {"Anfang x", KMV_FIELD(CLineItem, m_start.x)},
    {"Anfang y", KMV_FIELD(CLineItem, m_start.y)},
    {"Anfang z", KMV_FIELD(CLineItem, m_start.z)},
    {"Ende x", KMV_FIELD(CLineItem, m_end.x)},
    {"Ende y", KMV_FIELD(CLineItem, m_end.y)},
    {"Ende z", KMV_FIELD(CLineItem, m_end.z)},
    {"Linienbreite", KMV_FIELD(CLineItem, m_lineWidth), 0.0, 10.0},
};

const CPageField<CItemEllipse> kEllipseFields[] = {
    {"Startwinkel", KMV_FIELD(CItemEllipse, m_startAngle), 0.0, 360.0},
    {"Endwinkel", KMV_FIELD(CItemEllipse, m_endAngle), 0.0, 360.0},
    {"Faktor x", KMV_FIELD(CItemEllipse, m_factorX)},
    {"Faktor y", KMV_FIELD(CItemEllipse, m_factorY)},
    {"Innenradius", KMV_FIELD(CItemEllipse, m_innerRadius)},
    {"Außenradius", KMV_FIELD(CItemEllipse, m_outerRadius)},
    {"Ebene z", KMV_FIELD(CItemEllipse, m_offsetZ)},
    {"Steigung x", KMV_FIELD(CItemEllipse, m_slopeX)},
    {"Steigung y", KMV_FIELD(CItemEllipse, m_slopeY)},
};

#undef KMV_FIELD

constexpr size_t kCornerCount = 4;

template <class Entry, class Page> std::optional<bool> EditKind(CItemBase& entry, const CDialogContext& context)
{
  auto* kind = dynamic_cast<Entry*>(&entry);
  if (!kind)
    return std::nullopt;
  CPropertySheet sheet(context.caption, context.pParent, context.access);
  sheet.AddPage(new C3DColorItemPage(*kind, context.messages), "Allgemein");
  sheet.AddPage(new Page(*kind, context.messages), "Form");
  return sheet.Edit();
}

} // namespace

CRectanglePage::CRectanglePage(CItemRectangle& entry, CMessageSink& messages)
    : CPropertyPage(messages), m_entry(entry), m_x1(0.0), m_x2(0.0), m_y1(0.0), m_y2(0.0)
{
  // A rectangle read with fewer than four vertices shows zeros for the
  // missing corners and gets all four on OK.
  const CVectorArray& v = entry.m_vertices;
  if (v.size() >= kCornerCount) {
    m_x1 = v[0].x;
    m_x2 = v[1].x;
    m_y1 = v[0].y;
    m_y2 = v[3].y;
  }
  AddDouble("x1", m_x1);
  AddDouble("x2", m_x2);
  AddDouble("y1", m_y1);
  AddDouble("y2", m_y2);
}

bool CRectanglePage::TakeBack()
{
  m_entry.SetCorners(m_x1, m_y1, m_x2, m_y2);
  return true;
}

CArc2Page::CArc2Page(CItemArc2& entry, CMessageSink& messages) : CFieldPage(entry, messages, kArc2Fields) {}

CEllipsoidPage::CEllipsoidPage(CItemEllipsoid& entry, CMessageSink& messages)
    : CFieldPage(entry, messages, kEllipsoidFields)
{
}

bool CEllipsoidPage::TakeBack()
{
  CFieldPage::TakeBack();
  if (m_entry.m_thetaStart > m_entry.m_thetaEnd)
    std::swap(m_entry.m_thetaStart, m_entry.m_thetaEnd);
  return true;
}

CConePage::CConePage(CItemCone& entry, CMessageSink& messages) : CFieldPage(entry, messages, kConeFields) {}

CLinePage::CLinePage(CLineItem& entry, CMessageSink& messages) : CFieldPage(entry, messages, kLineFields) {}

CEllipsePage::CEllipsePage(CItemEllipse& entry, CMessageSink& messages) : CFieldPage(entry, messages, kEllipseFields) {}

std::optional<bool> EditSurfaceEntry(CItemBase& entry, const CDialogContext& context)
{
  constexpr EntryDialogFn kKinds[] = {
      EditKind<CItemRectangle, CRectanglePage>,
      EditKind<CItemArc2, CArc2Page>,
      EditKind<CItemEllipsoid, CEllipsoidPage>,
      EditKind<CItemCone, CConePage>,
      EditKind<CLineItem, CLinePage>,
      EditKind<CItemEllipse, CEllipsePage>,
      EditKind<CItemGrid, CGridPage>,
      // Last: rectangles and grids are polygons too.
      EditKind<CItemPolygon, CPolygonPage>,
  };
  for (EntryDialogFn edit : kKinds)
    if (std::optional<bool> result = edit(entry, context))
      return result;
  return std::nullopt;
}
