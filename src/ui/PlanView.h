#pragma once

#include <QGraphicsView>

// The plan from above on a grid of 0.1 m and 1 m: the wheel zooms about the
// pointer, the middle button drags the plan.
class CPlanView : public QGraphicsView {
  Q_OBJECT

public:
  explicit CPlanView(QGraphicsScene* scene, QWidget* parent = nullptr);

  // The scene's items fill the view, with a margin.
  void FitPlan();

protected:
  void drawBackground(QPainter* painter, const QRectF& rect) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  bool m_bPanning = false;
  QPoint m_panFrom;
};
