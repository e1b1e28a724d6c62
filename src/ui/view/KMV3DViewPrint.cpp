// Printing, print preview, the PDF report and the clipboard copy of the 3D
// view.
#include "KMV3DView.h"

#include "ClipboardPicture.h"
#include "DetectionHeight.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "PagePainter.h"
#include "PdfReport.h"
#include "SaveFileDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// A view that was never shown (printing from the command line) has no size
// of its own yet; it renders at the size kmvtool prints.
constexpr int kUnshownWidth = 1600;
constexpr int kUnshownHeight = 1200;

} // namespace

QImage CKMV3DView::RenderPicture()
{
  if (!m_bContext)
    return {};
  if (!isVisible())
    m_camera.Resize(kUnshownWidth, kUnshownHeight);
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  // With the preview-first flag set the renderer hands the wireframe first,
  // then the full picture, which is the one kept.
  bool painted = m_camera.Paint(m_picture);
  QGuiApplication::restoreOverrideCursor();
  return painted ? m_picture.GetImage() : QImage();
}

bool CKMV3DView::PrintTo(QPrinter& printer)
{
  QImage picture = RenderPicture();
  if (picture.isNull())
    return false;
  const CKMVDocument& document = m_windows.GetDocument();
  CPageHeader header = FormatPageHeader(document, QDateTime::currentDateTime());
  QPainter painter;
  if (!painter.begin(&printer))
    return false;
  bool painted = PaintPage(painter, picture, header);
  return painter.end() && painted;
}

void CKMV3DView::OnFilePrint()
{
  QPrinter& printer = m_windows.GetPrinter();
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted)
    PrintTo(printer);
}

void CKMV3DView::OnFilePrintPreview()
{
  QPrintPreviewDialog dialog(&m_windows.GetPrinter(), this);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { PrintTo(*printer); });
  dialog.exec();
}

bool CKMV3DView::WriteReport(const std::string& path, std::string& error)
{
  QImage picture = RenderPicture();
  if (picture.isNull()) {
    error = "Das Bild kann nicht gezeichnet werden.";
    return false;
  }
  CKMVDocument& document = m_windows.GetDocument();
  CPageHeader header = FormatPageHeader(document, QDateTime::currentDateTime());
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  CProject& project = document.GetProject();
  bool written =
      WritePdfReport(path, picture, header, CollectReportContent(project, true, ReadDetectionHeight(project)), error);
  QGuiApplication::restoreOverrideCursor();
  return written;
}

void CKMV3DView::OnFileReport()
{
  QString suggested = m_windows.GetTitle();
  if (suggested.endsWith(".kmv", Qt::CaseInsensitive))
    suggested.chop(4);
  std::string path = AskSaveFileName(this, "Bericht als PDF", suggested + ".pdf", "PDF-Dokument (*.pdf)", "pdf");
  if (path.empty())
    return;
  std::string error;
  if (!WriteReport(path, error))
    m_windows.GetMessages().ShowMessage(kApplicationName, "Der Bericht konnte nicht geschrieben werden.\n" + error);
}

void CKMV3DView::CopyToClipboard()
{
  std::unique_ptr<QMimeData> forms = MakePictureMimeData(RenderPicture());
  if (!forms) {
    QApplication::beep();
    return;
  }
  // The clipboard owns the data from here on, whether it takes it or not.
  QMimeData* handed = forms.release();
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setMimeData(handed);
  if (clipboard->mimeData() != handed)
    QApplication::beep();
}
