#include "PdfReport.h"

#include "MapPainter.h"
#include "PdfPage.h"
#include "ReportFlow.h"

#include <QPdfWriter>

bool WritePdfReport(const std::string& path, const QImage& picture, const CPageHeader& header,
                    const CReportContent& content, std::string& error)
{
  return WritePdfDocument(
      path,
      [&](QPdfWriter& writer, QPainter& painter) {
        if (!PaintPage(painter, picture, header))
          return false;
        CReportFlow flow(writer, painter);
        flow.NewPage();
        flow.Heading(FromCp1252(content.map.strHeading));
        if (!content.map.layers.empty()) {
          flow.Paragraph(FromCp1252(content.map.strCaption));
          flow.Drawing(ReportMapAspect(content.map), [&content](QPainter& mapPainter, const QRectF& area) {
            PaintReportMap(mapPainter, area, content.map);
          });
        } else {
          flow.Paragraph(FromCp1252(content.map.strMissing));
        }
        flow.NewPage();
        flow.Table(content.surfaces);
        flow.Table(content.patches);
        if (!content.zones.rows.empty())
          flow.Table(content.zones);
        return flow.IsGood();
      },
      error);
}
