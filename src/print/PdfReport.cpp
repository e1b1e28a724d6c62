#include "PdfReport.h"

#include "PdfPage.h"
#include "RenderedPicture.h"
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
        if (content.map.image.IsConsistent()) {
          flow.Paragraph(FromCp1252(content.map.strCaption));
          flow.Picture(ImageFromRendered(content.map.image));
        } else {
          flow.Paragraph(FromCp1252(content.map.strMissing));
        }
        flow.NewPage();
        flow.Table(content.surfaces);
        flow.Table(content.patches);
        return flow.IsGood();
      },
      error);
}
