#include "PlanView.h"

#include "OutlineSnap.h"
#include "PlanScene.h"

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
constexpr double kEmptyExtent = 10.0;
// A click this near the first corner, in pixels, closes the outline.
constexpr int kCloseRadius = 8;

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
  // An empty plan, its outline still to be drawn, shows a room's worth of grid.
  if (bounds.isEmpty())
    bounds = QRectF(-kEmptyExtent, -kEmptyExtent, 2 * kEmptyExtent, 2 * kEmptyExtent);
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

void CPlanView::SetOutlineTool(bool on)
{
  m_bOutlineTool = on;
  m_outline.clear();
  setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
  viewport()->update();
}

void CPlanView::PlaceCorner(QMouseEvent& event)
{
  const QPoint at = event.position().toPoint();
  if (m_outline.size() >= 3 && (mapFromScene(ScenePoint(m_outline.front())) - at).manhattanLength() <= kCloseRadius) {
    CPlanPolygon corners;
    corners.swap(m_outline);
    viewport()->update();
    emit OutlineDrawn(corners);
    return;
  }
  const QPointF scene = mapToScene(at);
  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  m_outline.push_back(SnapCorner({scene.x(), -scene.y()}, m_outline.empty() ? nullptr : &m_outline.back(), shift));
  viewport()->update();
}

void CPlanView::drawForeground(QPainter* painter, const QRectF& rect)
{
  QGraphicsView::drawForeground(painter, rect);
  if (m_outline.empty())
    return;
  QPolygonF drawn;
  for (const CPlanPoint& corner : m_outline)
    drawn << ScenePoint(corner);
  drawn << m_pointer;
  QPen pen(QColor(214, 110, 20), 2.0, Qt::DashLine);
  pen.setCosmetic(true);
  painter->setPen(pen);
  painter->drawPolyline(drawn);
}

void CPlanView::mousePressEvent(QMouseEvent* event)
{
  if (m_bOutlineTool && event->button() == Qt::LeftButton) {
    PlaceCorner(*event);
    event->accept();
    return;
  }
  if (event->button() == Qt::LeftButton)
    for (QGraphicsItem* item : items(event->position().toPoint()))
      if (const QVariant sensor = item->data(kPlanItemSensor); sensor.isValid()) {
        emit SensorClicked(static_cast<size_t>(sensor.toULongLong()));
        break;
      }
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
    m_pointer = mapToScene(event->position().toPoint());
    if (!m_outline.empty())
      viewport()->update();
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
  if (event->key() == Qt::Key_Escape && !m_outline.empty()) {
    m_outline.clear();
    viewport()->update();
    event->accept();
    return;
  }
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
