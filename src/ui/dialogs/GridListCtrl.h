#pragma once

#include <QPoint>
#include <QTreeWidget>

// A report list that draws grid lines between its columns and rows and
// remembers where it was last double-clicked.
class CGridListCtrl : public QTreeWidget {
  Q_OBJECT

public:
  explicit CGridListCtrl(QWidget* parent = nullptr);

  // Viewport position of the last left double click.
  QPoint GetLastDoubleClick() const { return m_lastDoubleClick; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  QPoint m_lastDoubleClick;
};
