#include "GridListCtrl.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

CGridListCtrl::CGridListCtrl(QWidget* parent) : QTreeWidget(parent)
{
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
}

void CGridListCtrl::paintEvent(QPaintEvent* event)
{
  QTreeWidget::paintEvent(event);
  QPainter painter(viewport());
  painter.setPen(QPen(QColor(200, 200, 200), 1));
  const int width = viewport()->width();
  const int height = viewport()->height();
  int edge = -horizontalOffset();
  for (int column = 0; column < header()->count(); ++column) {
    edge += header()->sectionSize(header()->logicalIndex(column));
    if (edge >= width)
      break;
    painter.drawLine(edge - 1, 0, edge - 1, height);
  }
  if (topLevelItemCount() == 0)
    return;
  const int step = rowHeight(indexFromItem(topLevelItem(0)));
  if (step <= 0)
    return;
  for (int y = step; y <= height; y += step)
    painter.drawLine(0, y - 1, width, y - 1);
}

void CGridListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
  if (event->button() == Qt::LeftButton)
    m_lastDoubleClick = event->position().toPoint();
  QTreeWidget::mouseDoubleClickEvent(event);
}
