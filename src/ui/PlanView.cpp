#include "PlanView.h"

#include <QGraphicsItem>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFineGrid = 0.1;
constexpr double kCoarseGrid = 1.0;
// Finer lines than this many pixels apart would only grey the plan.
constexpr double kMinGridPixels = 4.0;
constexpr double kWheelStep = 1.2;
constexpr double kFitMargin = 0.5;

void DrawGrid(QPainter& painter, const QRectF& rect, double spacing, const QColor& colour)
{
  QPen pen(colour, 0.0);
  pen.setCosmetic(true);
  painter.setPen(pen);
  for (double x = std::floor(rect.left() / spacing) * spacing; x <= rect.right(); x += spacing)
    painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
  for (double y = std::floor(rect.top() / spacing) * spacing; y <= rect.bottom(); y += spacing)
    painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
}

} // namespace

CPlanView::CPlanView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent)
{
  setRenderHint(QPainter::Antialiasing);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setDragMode(QGraphicsView::NoDrag);
  setBackgroundBrush(Qt::white);
}

void CPlanView::FitPlan()
{
  QRectF bounds = scene()->itemsBoundingRect();
  if (bounds.isEmpty())
    return;
  bounds.adjust(-kFitMargin, -kFitMargin, kFitMargin, kFitMargin);
  // Room to pan beyond the plan on every side.
  setSceneRect(bounds.adjusted(-bounds.width(), -bounds.height(), bounds.width(), bounds.height()));
  if (!m_bUserMoved)
    fitInView(bounds, Qt::KeepAspectRatio);
}

void CPlanView::drawBackground(QPainter* painter, const QRectF& rect)
{
  QGraphicsView::drawBackground(painter, rect);
  const double pixelsPerMetre = transform().m11();
  if (kFineGrid * pixelsPerMetre >= kMinGridPixels)
    DrawGrid(*painter, rect, kFineGrid, QColor(232, 236, 242));
  if (kCoarseGrid * pixelsPerMetre >= kMinGridPixels)
    DrawGrid(*painter, rect, kCoarseGrid, QColor(185, 195, 210));
}

void CPlanView::wheelEvent(QWheelEvent* event)
{
  const double factor = std::pow(kWheelStep, event->angleDelta().y() / 120.0);
  scale(factor, factor);
  m_bUserMoved = true;
  event->accept();
}

void CPlanView::mousePressEvent(QMouseEvent* event)
{
  if (event->button() != Qt::MiddleButton) {
    QGraphicsView::mousePressEvent(event);
    return;
  }
  m_bPanning = true;
  m_bUserMoved = true;
  m_panFrom = event->position().toPoint();
  setCursor(Qt::ClosedHandCursor);
  event->accept();
}

void CPlanView::mouseMoveEvent(QMouseEvent* event)
{
  if (!m_bPanning) {
    QGraphicsView::mouseMoveEvent(event);
    return;
  }
  const QPoint to = event->position().toPoint();
  const QPoint moved = to - m_panFrom;
  m_panFrom = to;
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
  verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
  event->accept();
}

void CPlanView::mouseReleaseEvent(QMouseEvent* event)
{
  if (event->button() != Qt::MiddleButton || !m_bPanning) {
    QGraphicsView::mouseReleaseEvent(event);
    const QList<QGraphicsItem*> selected = scene()->selectedItems();
    if (event->button() == Qt::LeftButton &&
        std::any_of(selected.begin(), selected.end(), [](QGraphicsItem* item) { return !item->pos().isNull(); }))
      emit ItemsMoved();
    return;
  }
  m_bPanning = false;
  unsetCursor();
  event->accept();
}

void CPlanView::keyPressEvent(QKeyEvent* event)
{
  if (event->key() == Qt::Key_Delete) {
    emit DeletePressed();
    event->accept();
    return;
  }
  QGraphicsView::keyPressEvent(event);
}

void CPlanView::resizeEvent(QResizeEvent* event)
{
  QGraphicsView::resizeEvent(event);
  FitPlan();
}
