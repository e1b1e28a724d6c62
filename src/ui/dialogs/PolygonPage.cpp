#include "PolygonPage.h"

#include "GridListCtrl.h"
#include "ItemPolygon.h"
#include "PointDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kIndexWidth = 50;
// The widest coordinate a room plan needs, with room around it.
constexpr const char* kWideCoordinate = "-00000.0000";
constexpr int kCellPadding = 24;

// (V1 - V0) x (V2 - V0) at unit length; 0, 0, 0 below three vertices, and
// for a first triangle without area rather than non-numbers.
CVector UnitNormal(const CVectorArray& v)
{
  if (v.size() < 3)
    return {};
  CVector normal = Cross(v[1] - v[0], v[2] - v[0]);
  const double length = normal.Length();
  if (!(length > 0.0) || !std::isfinite(length))
    return {};
  return normal * (1.0 / length);
}

// Four decimals; a tiny negative value shows as 0, not "-0.0000".
QString Coordinate(double value)
{
  QString text = QString::asprintf("%.4f", value);
  return text == "-0.0000" ? text.mid(1) : text;
}

} // namespace

CPolygonPage::CPolygonPage(CItemPolygon& entry, CMessageSink& messages)
    : CPropertyPage(messages), m_entry(entry), m_vertices(entry.m_vertices), m_bFront(entry.m_bFront),
      m_pList(new CGridListCtrl(this))
{
  m_pList->setHeaderLabels({"Index", "X", "Y", "Z"});
  m_pList->header()->setDefaultAlignment(Qt::AlignCenter);
  m_pList->setColumnWidth(0, kIndexWidth);
  const int coordinateWidth = m_pList->fontMetrics().horizontalAdvance(kWideCoordinate) + kCellPadding;
  for (int column = 1; column < 4; ++column)
    m_pList->setColumnWidth(column, coordinateWidth);
  // All three coordinates in sight, beside a vertical scroll bar.
  m_pList->setMinimumWidth(kIndexWidth + 3 * coordinateWidth + m_pList->verticalScrollBar()->sizeHint().width() +
                           2 * m_pList->frameWidth());
  Form()->addRow(m_pList);
  AddCheck("Im Vordergrund", m_bFront);
  const char* normalLabels[] = {"Normale x", "Normale y", "Normale z"};
  for (size_t i = 0; i < m_pNormal.size(); ++i) {
    m_pNormal[i] = new QLineEdit(this);
    m_pNormal[i]->setReadOnly(true);
    Form()->addRow(normalLabels[i], m_pNormal[i]);
  }
  auto* buttons = new QHBoxLayout;
  auto addButton = [this, buttons](const char* text, auto action) {
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, action);
  };
  addButton("Einfügen", [this] { InsertVertex(); });
  addButton("Ändern", [this] { ChangeVertex(SelectedRow()); });
  addButton("Löschen", [this] { DeleteVertex(); });
  addButton("Umkehren", [this] { ReverseVertices(); });
  Form()->addRow(buttons);
  connect(m_pList, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { ChangeVertex(m_pList->indexOfTopLevelItem(item)); });
  ShowVertices();
}

int CPolygonPage::SelectedRow() const
{
  const QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
  return selected.isEmpty() ? -1 : m_pList->indexOfTopLevelItem(selected.front());
}

void CPolygonPage::ShowVertices()
{
  m_pList->clear();
  for (size_t i = 0; i < m_vertices.size(); ++i) {
    const CVector& v = m_vertices[i];
    auto* row = new QTreeWidgetItem(
        m_pList, {QString::asprintf("%d", static_cast<int>(i)), Coordinate(v.x), Coordinate(v.y), Coordinate(v.z)});
    for (int column = 0; column < 4; ++column)
      row->setTextAlignment(column, Qt::AlignCenter);
  }
  const CVector normal = UnitNormal(m_vertices);
  m_pNormal[0]->setText(FormatDouble(normal.x));
  m_pNormal[1]->setText(FormatDouble(normal.y));
  m_pNormal[2]->setText(FormatDouble(normal.z));
}

void CPolygonPage::InsertVertex()
{
  CPointDialog dialog("Punkt einfügen", CVector(), m_messages, this);
  if (!dialog.Edit())
    return;
  const int row = SelectedRow();
  const auto at = row < 0 ? m_vertices.end() : m_vertices.begin() + row;
  m_vertices.insert(at, dialog.GetPoint());
  ShowVertices();
}

void CPolygonPage::ChangeVertex(int row)
{
  if (row < 0)
    return;
  const auto index = static_cast<size_t>(row);
  CPointDialog dialog("Punkt ändern", m_vertices[index], m_messages, this);
  if (!dialog.Edit())
    return;
  m_vertices[index] = dialog.GetPoint();
  ShowVertices();
}

void CPolygonPage::DeleteVertex()
{
  const int row = SelectedRow();
  if (row < 0)
    return;
  m_vertices.erase(m_vertices.begin() + row);
  ShowVertices();
}

void CPolygonPage::ReverseVertices()
{
  if (m_vertices.size() < 2)
    return;
  std::reverse(m_vertices.begin(), m_vertices.end());
  ShowVertices();
}

bool CPolygonPage::TakeBack()
{
  m_entry.m_vertices = m_vertices;
  m_entry.m_bFront = m_bFront;
  return true;
}
