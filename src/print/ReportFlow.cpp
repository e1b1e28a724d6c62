#include "ReportFlow.h"

#include "PagePainter.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMarginMm = 20.0;
constexpr double kGapMm = 3.0;
constexpr double kCellPaddingMm = 1.0;
// Room a heading keeps below itself, so that it never ends a page alone.
constexpr double kKeepWithHeadingMm = 15.0;
constexpr int kMaxCellLines = 4;
// Headings, notes and column titles break between words; cells (paths,
// numbers) anywhere.
constexpr int kProseFlags = Qt::TextWordWrap;
constexpr int kCellFlags = Qt::TextWrapAnywhere;
const QColor kHeadShade(225, 225, 225);
const QColor kRule(150, 150, 150);

QFont SansFont(double points, bool bold)
{
  QFont font("Helvetica");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  // No ligatures: the text taken from the PDF reads as typed ("fl", not one glyph).
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

std::vector<QString> Cells(const std::vector<std::string>& row)
{
  std::vector<QString> cells;
  for (const std::string& cell : row)
    cells.push_back(FromCp1252(cell));
  return cells;
}

std::vector<QString> ColumnTitles(const CReportTable& table)
{
  std::vector<QString> titles;
  for (const CReportColumn& column : table.columns)
    titles.push_back(FromCp1252(column.strTitle));
  return titles;
}

} // namespace

CReportFlow::CReportFlow(QPagedPaintDevice& device, QPainter& painter)
    : m_device(device), m_painter(painter), m_textFont(SansFont(8.0, false)), m_headingFont(SansFont(13.0, true)),
      m_boldFont(SansFont(8.0, true))
{
  m_left = Mm(kMarginMm);
  m_top = Mm(kMarginMm);
  m_width = std::max(device.width() - 2 * m_left, 1);
  m_bottom = device.height() - m_top;
  m_y = m_top;
}

bool CReportFlow::NewPage()
{
  m_bGood = m_bGood && m_device.newPage();
  m_y = m_top;
  return m_bGood;
}

void CReportFlow::Heading(const QString& text)
{
  int height = TextHeight(text, m_headingFont, m_width, kProseFlags);
  Reserve(height + Mm(kKeepWithHeadingMm));
  m_painter.setFont(m_headingFont);
  m_painter.drawText(QRect(m_left, m_y, m_width, height), kProseFlags, text);
  m_y += height + Mm(kGapMm);
}

void CReportFlow::Paragraph(const QString& text)
{
  int height = TextHeight(text, m_textFont, m_width, kProseFlags);
  Reserve(height);
  m_painter.setFont(m_textFont);
  m_painter.drawText(QRect(m_left, m_y, m_width, height), kProseFlags, text);
  m_y += height + Mm(kGapMm);
}

void CReportFlow::Drawing(double aspect, const std::function<void(QPainter& painter, const QRectF& area)>& paint)
{
  if (!(aspect > 0.0) || !std::isfinite(aspect))
    return;
  // The room left on this page, unless a fresh page gives it at least
  // twice as much.
  if (2 * (m_bottom - m_y) < m_bottom - m_top)
    NewPage();
  int width = m_width;
  int height = static_cast<int>(std::lround(width * aspect));
  if (height > m_bottom - m_y) {
    height = m_bottom - m_y;
    width = static_cast<int>(std::lround(height / aspect));
  }
  m_painter.save();
  m_painter.setFont(m_textFont);
  m_painter.setPen(Qt::black);
  paint(m_painter, QRectF(m_left, m_y, width, height));
  m_painter.restore();
  m_y += height + Mm(kGapMm);
}

void CReportFlow::Table(const CReportTable& table)
{
  QString heading = FromCp1252(table.strHeading);
  if (table.rows.empty()) {
    Heading(heading);
    Paragraph(FromCp1252(table.strEmpty));
  } else {
    std::vector<QString> titles = ColumnTitles(table);
    std::vector<QString> first = Cells(table.rows.front());
    Reserve(TextHeight(heading, m_headingFont, m_width, kProseFlags) + Mm(kGapMm) +
            RowHeight(table, titles, m_boldFont, true) + RowHeight(table, first, m_textFont, false));
    TableHead(table, heading);
    for (size_t index = 0; index < table.rows.size(); ++index) {
      std::vector<QString> cells = Cells(table.rows[index]);
      const QFont& font = table.bTotalRow && index + 1 == table.rows.size() ? m_boldFont : m_textFont;
      if (m_y + RowHeight(table, cells, font, false) > m_bottom) {
        NewPage();
        TableHead(table, heading + " (Fortsetzung)");
      }
      Row(table, cells, font, false);
    }
    m_y += Mm(kGapMm);
  }
  for (const std::string& note : table.notes)
    Paragraph(FromCp1252(note));
}

int CReportFlow::Mm(double millimetres) const
{
  return static_cast<int>(std::lround(millimetres * m_device.logicalDpiY() / 25.4));
}

int CReportFlow::TextHeight(const QString& text, const QFont& font, int width, int flags) const
{
  QFontMetrics metrics(font, &m_device);
  return metrics.boundingRect(QRect(0, 0, width, m_bottom), flags, text).height();
}

void CReportFlow::Reserve(int height)
{
  if (m_y > m_top && m_y + height > m_bottom)
    NewPage();
}

void CReportFlow::TableHead(const CReportTable& table, const QString& heading)
{
  int height = TextHeight(heading, m_headingFont, m_width, kProseFlags);
  m_painter.setFont(m_headingFont);
  m_painter.drawText(QRect(m_left, m_y, m_width, height), kProseFlags, heading);
  m_y += height + Mm(kGapMm);
  Row(table, ColumnTitles(table), m_boldFont, true);
}

int CReportFlow::RowHeight(const CReportTable& table, const std::vector<QString>& cells, const QFont& font,
                           bool titles) const
{
  int flags = titles ? kProseFlags : kCellFlags;
  int padding = Mm(kCellPaddingMm);
  int height = 0;
  for (size_t i = 0; i < table.columns.size() && i < cells.size(); ++i) {
    int width = std::max(static_cast<int>(table.columns[i].width * m_width) - 2 * padding, 1);
    height = std::max(height, TextHeight(Fitted(cells[i], font, width), font, width, flags));
  }
  return height + 2 * padding;
}

void CReportFlow::Row(const CReportTable& table, const std::vector<QString>& cells, const QFont& font, bool titles)
{
  int height = RowHeight(table, cells, font, titles);
  int padding = Mm(kCellPaddingMm);
  int flags = titles ? kProseFlags : kCellFlags;
  if (titles)
    m_painter.fillRect(QRect(m_left, m_y, m_width, height), kHeadShade);
  m_painter.setFont(font);
  m_painter.setPen(Qt::black);
  double x = m_left;
  for (size_t i = 0; i < table.columns.size() && i < cells.size(); ++i) {
    const CReportColumn& column = table.columns[i];
    int width = static_cast<int>(column.width * m_width);
    QRect text(static_cast<int>(x) + padding, m_y + padding, std::max(width - 2 * padding, 1), height - 2 * padding);
    int align = column.bNumber ? Qt::AlignRight : Qt::AlignLeft;
    m_painter.drawText(text, flags | align | Qt::AlignTop, Fitted(cells[i], font, text.width()));
    x += column.width * m_width;
  }
  m_y += height;
  m_painter.save();
  m_painter.setPen(QPen(kRule, 0));
  m_painter.drawLine(m_left, m_y, m_left + m_width, m_y);
  m_painter.restore();
}

QString CReportFlow::Fitted(const QString& text, const QFont& font, int width) const
{
  return QFontMetrics(font, &m_device).elidedText(text, Qt::ElideMiddle, kMaxCellLines * width);
}
