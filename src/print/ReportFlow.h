#pragma once

#include "ReportContent.h"

#include <QFont>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Lays headings, text, pictures and tables down the pages of a paged device,
// 20 mm inside each edge, starting a new page whenever the next piece does
// not fit. A table that runs over a page goes on below its heading marked
// "(Fortsetzung)" and its column titles.
class CReportFlow {
public:
  CReportFlow(QPagedPaintDevice& device, QPainter& painter);

  // The next piece starts at the top of a fresh page.
  bool NewPage();
  void Heading(const QString& text);
  void Paragraph(const QString& text);
  // A drawing as wide as the text, at most as high as what is left of the
  // page (on a fresh page when that is less than half of one), its aspect
  // (height over width) kept; painted in the text's font.
  void Drawing(double aspect, const std::function<void(QPainter& painter, const QRectF& area)>& paint);
  void Table(const CReportTable& table);

  // FALSE once the device refused a new page.
  bool IsGood() const { return m_bGood; }

private:
  int Mm(double millimetres) const;
  int TextHeight(const QString& text, const QFont& font, int width, int flags) const;
  // A new page unless the height fits below the cursor (or the page is still empty).
  void Reserve(int height);
  void TableHead(const CReportTable& table, const QString& heading);
  // A row of cells, broken anywhere; the column titles break between words
  // and lie on a shaded ground.
  int RowHeight(const CReportTable& table, const std::vector<QString>& cells, const QFont& font, bool titles) const;
  void Row(const CReportTable& table, const std::vector<QString>& cells, const QFont& font, bool titles);
  // The cell's text, shortened in the middle to about kMaxCellLines lines.
  QString Fitted(const QString& text, const QFont& font, int width) const;

  QPagedPaintDevice& m_device;
  QPainter& m_painter;
  QFont m_textFont;
  QFont m_headingFont;
  QFont m_boldFont;
  int m_left = 0;
  int m_top = 0;
  int m_width = 0;
  int m_bottom = 0;
  int m_y = 0;
  bool m_bGood = true;
};
