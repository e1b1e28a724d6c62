#include "PdfReport.h"

#include "MapPainter.h"
#include "PdfPage.h"
#include "RenderedPicture.h"
#include "ReportFlow.h"

#include <QPainter>
#include <QPdfWriter>

namespace {

void MapPieces(CReportFlow& flow, const CReportMap& map)
{
  flow.Heading(FromCp1252(map.strHeading));
  if (map.layers.empty()) {
    flow.Paragraph(FromCp1252(map.strMissing));
    return;
  }
  flow.Paragraph(FromCp1252(map.strCaption));
  flow.Drawing(ReportMapAspect(map),
               [&map](QPainter& mapPainter, const QRectF& area) { PaintReportMap(mapPainter, area, map); });
}

void SensorPage(CReportFlow& flow, const CSensorPage& page)
{
  flow.NewPage();
  flow.Heading(FromCp1252(page.strHeading));
  for (const std::string& line : page.settings)
    flow.Paragraph(FromCp1252(line));
  MapPieces(flow, page.map);
  flow.Table(page.surfaces);
}

void CountMapPieces(CReportFlow& flow, const CCountMap& map)
{
  flow.Heading(FromCp1252(map.strHeading));
  QImage picture = ImageFromRendered(map.picture);
  if (picture.isNull() || picture.width() == 0) {
    flow.Paragraph(FromCp1252(map.strMissing));
    return;
  }
  flow.Paragraph(FromCp1252(map.strCaption));
  flow.Drawing(static_cast<double>(picture.height()) / picture.width(),
               [&picture](QPainter& mapPainter, const QRectF& area) { mapPainter.drawImage(area, picture); });
}

} // namespace

bool WritePdfReport(const std::string& path, const QImage& picture, const CPageHeader& header,
                    const CReportContent& content, std::string& error)
{
  return WritePdfDocument(
      path,
      [&](QPdfWriter& writer, QPainter& painter) {
        if (!PaintPage(painter, picture, header))
          return false;
        CReportFlow flow(writer, painter);
        for (const CSensorPage& page : content.sensors)
          SensorPage(flow, page);
        flow.NewPage();
        if (content.sensors.empty())
          MapPieces(flow, content.map);
        else
          CountMapPieces(flow, content.counts);
        flow.NewPage();
        flow.Table(content.surfaces);
        flow.Table(content.patches);
        if (!content.zones.rows.empty())
          flow.Table(content.zones);
        return flow.IsGood();
      },
      error);
}
