#include "PdfPage.h"

#include "SafeFileWriter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

bool WritePdfDocument(const std::string& path, const CPdfPainting& paint, std::string& error)
{
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator(QString::fromLatin1("Velmar CAD-Planungssoftware"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) {
      error = "Die PDF-Ausgabe kann nicht begonnen werden.";
      return false;
    }
    // Flate keeps the pictures exact and spares the trial JPEG encoding.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    bool painted = paint(writer, painter);
    painter.end();
    if (!painted) {
      error = "Die Seite kann nicht gezeichnet werden.";
      return false;
    }
  }
  const QByteArray& bytes = buffer.data();
  return WriteFileSafely(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), error);
}

bool WritePdfPage(const std::string& path, const QImage& picture, const CPageHeader& header, std::string& error)
{
  return WritePdfDocument(
      path, [&](QPdfWriter&, QPainter& painter) { return PaintPage(painter, picture, header); }, error);
}
