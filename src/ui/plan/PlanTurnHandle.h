#pragma once

#include "RoomPlan.h"

#include <QGraphicsEllipseItem>
#include <QString>

#include <functional>

// The kind (at kPlanItemKind) of the turning handle.
inline const QString kPlanTurnHandle = "Drehgriff";

// A handle beside a selected obstacle: dragging it turns the obstacle's
// drawing about its centre (whole degrees, with Shift 15-degree steps);
// letting go reports the obstacle's new angle, if it changed. It keeps its
// size on the screen.
class CPlanTurnHandle : public QGraphicsEllipseItem {
public:
  CPlanTurnHandle(const CPlanObstacle& obstacle, QGraphicsItem& obstacleItem, std::function<void(double)> turned);

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
  CPlanObstacle m_obstacle;
  QGraphicsItem& m_obstacleItem;
  std::function<void(double)> m_turned;
  double m_angle;
};
