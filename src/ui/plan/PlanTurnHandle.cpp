#include "PlanTurnHandle.h"

#include "PlanScene.h"
#include "PlanToolEdits.h"

#include <QBrush>
#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPen>

namespace {

constexpr double kHandleRadius = 6.0; // pixels
// Above the plan's items, so the handle takes the click.
constexpr double kHandleLayer = 10.0;

} // namespace

CPlanTurnHandle::CPlanTurnHandle(const CPlanObstacle& obstacle, QGraphicsItem& obstacleItem,
                                 std::function<void(double)> turned)
    : QGraphicsEllipseItem(-kHandleRadius, -kHandleRadius, 2 * kHandleRadius, 2 * kHandleRadius), m_obstacle(obstacle),
      m_obstacleItem(obstacleItem), m_turned(std::move(turned)), m_angle(obstacle.angle)
{
  setData(kPlanItemKind, kPlanTurnHandle);
  setToolTip("Drehen");
  setFlag(QGraphicsItem::ItemIgnoresTransformations);
  setZValue(kHandleLayer);
  setPen(QPen(Qt::white, 1.5));
  setBrush(QColor(214, 110, 20));
  setCursor(Qt::SizeAllCursor);
  setPos(ScenePoint(HandlePoint(obstacle)));
  m_obstacleItem.setTransformOriginPoint(ScenePoint(obstacle.centre));
}

void CPlanTurnHandle::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
  event->setAccepted(event->button() == Qt::LeftButton);
}

void CPlanTurnHandle::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
  const QPointF at = event->scenePos();
  m_angle = HandleAngle(m_obstacle, {at.x(), -at.y()}, event->modifiers().testFlag(Qt::ShiftModifier));
  CPlanObstacle turned = m_obstacle;
  turned.angle = m_angle;
  setPos(ScenePoint(HandlePoint(turned)));
  // The scene's y runs down: a turn counter-clockwise in the plan is one
  // clockwise in the scene's angles.
  m_obstacleItem.setRotation(m_obstacle.angle - m_angle);
}

void CPlanTurnHandle::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
  if (event->button() == Qt::LeftButton && m_angle != m_obstacle.angle)
    m_turned(m_angle);
}
