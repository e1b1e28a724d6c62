#pragma once

#include "RoomPlan.h"

#include <QGraphicsView>

// The plan from above on a grid of 0.1 m and 1 m: the wheel zooms about the
// pointer, the middle button drags the plan. With the outline tool, left
// clicks place corners (OutlineSnap) until a click on the first one closes
// the outline; Escape drops the corners.
class CPlanView : public QGraphicsView {
  Q_OBJECT

public:
  explicit CPlanView(QGraphicsScene* scene, QWidget* parent = nullptr);

  // After the scene changed: the scene's items fill the view, with a
  // margin, until the user zooms or pans; so also when the view's size
  // changes.
  void FitPlan();
  void SetOutlineTool(bool on);

signals:
  // The left button let go of selected items that it moved.
  void ItemsMoved();
  // The left button pressed on the numbered marker of a sensor.
  void SensorClicked(size_t sensor);
  // Delete was pressed.
  void DeletePressed();
  // The outline tool closed an outline of at least three corners.
  void OutlineDrawn(const CPlanPolygon& corners);

protected:
  void drawBackground(QPainter* painter, const QRectF& rect) override;
  void drawForeground(QPainter* painter, const QRectF& rect) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void PlaceCorner(QMouseEvent& event);

  bool m_bPanning = false;
  bool m_bUserMoved = false;
  QPoint m_panFrom;
  bool m_bOutlineTool = false;
  CPlanPolygon m_outline; // the corners placed so far
  QPointF m_pointer;      // in the scene
};
