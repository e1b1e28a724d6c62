#pragma once

#include <QGraphicsView>

// The plan from above on a grid of 0.1 m and 1 m: the wheel zooms about the
// pointer, the middle button drags the plan.
class CPlanView : public QGraphicsView {
  Q_OBJECT

public:
  explicit CPlanView(QGraphicsScene* scene, QWidget* parent = nullptr);

  // After the scene changed: the scene's items fill the view, with a
  // margin, until the user zooms or pans; so also when the view's size
  // changes.
  void FitPlan();

signals:
  // The left button let go of selected items that it moved.
  void ItemsMoved();
  // Delete was pressed.
  void DeletePressed();

protected:
  void drawBackground(QPainter* painter, const QRectF& rect) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  bool m_bPanning = false;
  bool m_bUserMoved = false;
  QPoint m_panFrom;
};
