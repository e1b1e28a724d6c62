#include "PrintCommand.h"

#include "GLCamera.h"
#include "HeightOption.h"
#include "LoadedDocument.h"
#include "PdfPage.h"
#include "PdfReport.h"
#include "RenderCommand.h"
#include "RenderedPicture.h"
#include "SensorCommand.h"
#include "TextEncoding.h"

#include <QGuiApplication>

#include <cstdlib>

namespace {

// Keeps the last picture the renderer hands.
class CLastPicture : public CImageDestination {
public:
  bool PutImage(const CRenderedImage& image) override
  {
    m_image = image;
    return image.IsConsistent();
  }
  CRenderedImage m_image;
};

// Qt's notes about the environment (no runtime folder and the like) are no
// errors of the command, whose output stays stable; fatal messages still
// end the program after this returns.
void IgnoreQtNotes(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

bool ParsePrintRequest(const std::vector<std::string>& args, CPrintRequest& request, bool bReport)
{
  std::vector<std::string> positional;
  bool heightGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (bReport && args[i] == "--no-shadows" && request.bShadows) {
      request.bShadows = false;
    } else if (bReport && args[i] == "--at-height" && !heightGiven) {
      heightGiven = true;
      if (i + 1 == args.size())
        return false;
      request.height = ParseDetectionHeight(args[++i]);
    } else if (args[i] == "--size") {
      if (i + 1 == args.size() || !ParsePictureSize(args[++i], request.nWidth, request.nHeight))
        return false;
    } else if (args[i] == "--sensor") {
      if (i + 1 == args.size() || !ParseSensorNumber(args[++i], request.sensor))
        return false;
    } else if (positional.size() < 2) {
      positional.push_back(args[i]);
    } else if (!IsSensorStep(args[i])) {
      PrintError("unbekannter Schritt " + Utf8ToCp1252(args[i]));
      return false;
    } else {
      request.steps.push_back(args[i]);
    }
  }
  if (positional.size() != 2 || positional[0].empty() || positional[1].empty())
    return false;
  request.strSource = positional[0];
  request.strOutput = positional[1];
  return true;
}

namespace {

// Writes the PDF file of the opened and stepped document from the picture
// of its start view; FALSE with the German reason in error.
using CPdfWriting = bool (*)(const std::string& path, CKMVDocument& document, const QImage& picture,
                             const CPageHeader& header, const CPrintRequest& request, std::string& error);

int RunPdfCommand(const CPrintRequest& request, CPdfWriting write)
{
  std::string output = MakeAbsolute(request.strOutput);
  CLoadedDocument loaded;
  int status = OpenAndStep(loaded, request.strSource, request.steps, StatusLines::Omitted, request.sensor);
  if (!loaded.IsOpen())
    return status;
  CKMVDocument& document = loaded.m_document;
  if (!CheckDetectionHeight(document.GetProject(), request.height))
    return kExitUsage;

  CGLCamera camera;
  if (int setUp = SetUpStartView(camera, document.GetProject(), request.nWidth, request.nHeight, false,
                                 loaded.m_pSensors.get(), request.sensor);
      setUp != kExitOk)
    return setUp;
  CLastPicture picture;
  if (!camera.Paint(picture)) {
    PrintError("Das Bild kann nicht gezeichnet werden.");
    return kExitUnreadable;
  }

  // Fonts and the PDF writer need a GUI application; no window system is.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(IgnoreQtNotes);
  int argc = 1;
  char name[] = "kmvtool";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  std::string error;
  CPageHeader header = FormatPageHeader(document, QDateTime::currentDateTime());
  if (request.sensor > 1)
    header[2] = QString::fromUtf8(Cp1252ToUtf8(FormatSensorHeader(loaded.m_pSensors->ReadValues(request.sensor))));
  if (!write(output, document, ImageFromRendered(picture.m_image), header, request, error)) {
    PrintError(error);
    return kExitUnreadable;
  }
  return status;
}

bool WritePage(const std::string& path, CKMVDocument&, const QImage& picture, const CPageHeader& header,
               const CPrintRequest&, std::string& error)
{
  return WritePdfPage(path, picture, header, error);
}

bool WriteReport(const std::string& path, CKMVDocument& document, const QImage& picture, const CPageHeader& header,
                 const CPrintRequest& request, std::string& error)
{
  return WritePdfReport(path, picture, header,
                        CollectReportContent(document.GetProject(), request.bShadows, request.height), error);
}

} // namespace

int RunPrintCommand(const CPrintRequest& request)
{
  return RunPdfCommand(request, WritePage);
}

int RunReportCommand(const CPrintRequest& request)
{
  return RunPdfCommand(request, WriteReport);
}
