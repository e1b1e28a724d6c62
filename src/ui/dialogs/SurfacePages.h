#pragma once

#include "EntryDialogs.h"
#include "PropertySheet.h"

#include <span>
#include <vector>

class CItemArc2;
class CItemCone;
class CItemEllipse;
class CItemEllipsoid;
class CItemRectangle;
class CLineItem;

// One double field of a kind page: where it lives in the entry and its
// inclusive range (none when low > high).
template <class Entry> struct CPageField {
  const char* label;
  double& (*field)(Entry&);
  double low = 1.0;
  double high = 0.0;
};

// A kind page whose fields are all doubles taken as entered.
template <class Entry> class CFieldPage : public CPropertyPage {
public:
  CFieldPage(Entry& entry, CMessageSink& messages, std::span<const CPageField<Entry>> fields)
      : CPropertyPage(messages), m_entry(entry), m_fields(fields), m_values(fields.size())
  {
    for (size_t i = 0; i < fields.size(); ++i) {
      m_values[i] = fields[i].field(entry);
      QString label = QString::fromUtf8(fields[i].label);
      if (fields[i].low <= fields[i].high)
        AddDouble(label, m_values[i], fields[i].low, fields[i].high);
      else
        AddDouble(label, m_values[i]);
    }
  }
  bool TakeBack() override
  {
    for (size_t i = 0; i < m_fields.size(); ++i)
      m_fields[i].field(m_entry) = m_values[i];
    return true;
  }

protected:
  Entry& m_entry;
  std::span<const CPageField<Entry>> m_fields;
  std::vector<double> m_values;
};

// The corners x1, x2, y1, y2; the four vertices are rebuilt from them.
class CRectanglePage : public CPropertyPage {
public:
  CRectanglePage(CItemRectangle& entry, CMessageSink& messages);
  bool TakeBack() override;

private:
  CItemRectangle& m_entry;
  double m_x1, m_x2, m_y1, m_y2;
};

class CArc2Page : public CFieldPage<CItemArc2> {
public:
  CArc2Page(CItemArc2& entry, CMessageSink& messages);
};

// The polar angles are stored in ascending order.
class CEllipsoidPage : public CFieldPage<CItemEllipsoid> {
public:
  CEllipsoidPage(CItemEllipsoid& entry, CMessageSink& messages);
  bool TakeBack() override;
};

class CConePage : public CFieldPage<CItemCone> {
public:
  CConePage(CItemCone& entry, CMessageSink& messages);
};

class CLinePage : public CFieldPage<CLineItem> {
public:
  CLinePage(CLineItem& entry, CMessageSink& messages);
};

class CEllipsePage : public CFieldPage<CItemEllipse> {
public:
  CEllipsePage(CItemEllipse& entry, CMessageSink& messages);
};

// Polygons, rectangles, grids, elliptic segments, ellipsoids, cones, lines
// and ellipses: the common 3D page and the kind's page.
std::optional<bool> EditSurfaceEntry(CItemBase& entry, const CDialogContext& context);
