#include "PagePainter.h"

#include "Messages.h"
#include "PageLayout.h"
#include "TextEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

CPageMetrics MetricsOf(const QPaintDevice& device)
{
  return {device.width(),    device.height(),      device.widthMM(),
          device.heightMM(), device.logicalDpiX(), device.logicalDpiY()};
}

} // namespace

QString FromCp1252(const std::string& text)
{
  return QString::fromStdString(Cp1252ToUtf8(text));
}

QString DocumentTitle(const CExtDocument& document)
{
  if (document.GetPathName().empty())
    return FromCp1252(document.GetTitle());
  return QFileInfo(QFile::decodeName(QByteArray::fromStdString(document.GetPathName()))).fileName();
}

CPageHeader FormatPageHeader(const CKMVDocument& document, const QDateTime& when)
{
  return {FromCp1252(kApplicationName) + " - " + when.toString("dd.MM.yy - HH:mm"),
          "Projekt: " + DocumentTitle(document), FromCp1252(FormatSensorHeader(document.GetSensorValues()))};
}

bool PaintPage(QPainter& painter, const QImage& picture, const CPageHeader& header)
{
  if (!painter.device() || picture.isNull())
    return false;
  std::optional<CPageLayout> layout =
      ComputePageLayout(MetricsOf(*painter.device()), picture.width(), picture.height());
  if (!layout)
    return false;
  const CPictureRect& place = layout->picture;
  painter.drawImage(QRect(place.x, place.y, place.width, place.height), picture);

  QFont font("Courier");
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(std::max(layout->nFontHeight, 1));
  font.setWeight(QFont::Normal);
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (size_t line = 0; line < header.size(); ++line)
    painter.drawText(QPoint(layout->nHeaderX, layout->nHeaderBaselines[line]), header[line]);
  painter.restore();
  return true;
}
