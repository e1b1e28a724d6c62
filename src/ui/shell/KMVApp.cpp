#include "KMVApp.h"

#include "AboutDlg.h"
#include "CommandIds.h"
#include "DocumentWindows.h"
#include "HelpWindow.h"
#include "KMV3DView.h"
#include "KMVChildFrame.h"
#include "MainFrame.h"
#include "Messages.h"
#include "NewDocumentDlg.h"
#include "NewRoomDlg.h"
#include "SplashWnd.h"
#include "TextEncoding.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <array>
#include <filesystem>

namespace {

constexpr std::array<const char*, 4> kModelNames = {"*Pilot A1", "*Pilot B1", "*Pilot B2", "*Pilot C1"};
constexpr const char* kCreateDocumentError = "Fehler beim Erzeugen eines leeren Dokuments.";
constexpr const char* kHelpError = "Die Hilfe konnte nicht aufgerufen werden.";

const char* ModelOfCommand(int id)
{
  switch (id) {
  case ID_MODEL_PILOT_A1:
    return kModelNames[0];
  case ID_MODEL_PILOT_B1:
    return kModelNames[1];
  case ID_MODEL_PILOT_B2:
    return kModelNames[2];
  case ID_MODEL_PILOT_C1:
    return kModelNames[3];
  default:
    return nullptr;
  }
}

std::string AbsolutePath(const std::string& path)
{
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

bool IsRecentFileCommand(int id)
{
  return id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + static_cast<int>(CRecentFileList::kSize);
}

} // namespace

CKMVApp::CKMVApp() = default;

CKMVApp::~CKMVApp()
{
  // Documents before the main window: their frames live in it.
  m_documents.clear();
  qApp->removeEventFilter(this);
}

bool CKMVApp::InitInstance(const QStringList& arguments, const Options& options)
{
  QCoreApplication::setOrganizationName("Halvern GmbH");
  QCoreApplication::setApplicationName(kApplicationName);
  m_recentFiles.Load();

  m_pMainFrame = std::make_unique<CMainFrame>(*this);
  if (!m_pMainFrame->Create())
    return false;
  m_messages.SetParent(m_pMainFrame.get());
  qApp->installEventFilter(this);
  if (options.bSplash)
    CSplashWnd::ShowSplashScreen(m_pMainFrame.get(), &m_messages);

  if (!arguments.isEmpty() && (arguments.front() == "-p" || arguments.front() == "-pt")) {
    m_bPrintRun = true;
    return PrintFromCommandLine(arguments);
  }
  for (const QString& argument : arguments) {
    if (argument.startsWith('-'))
      continue;
    std::string name = argument.startsWith('*') ? argument.toStdString() : QFile::encodeName(argument).toStdString();
    if (!OpenDocumentFile(name))
      return false;
    break;
  }
  // Without a window manager maximising does nothing; the available screen
  // is what maximised means there.
  if (QScreen* screen = m_pMainFrame->screen())
    m_pMainFrame->setGeometry(screen->availableGeometry());
  m_pMainFrame->showMaximized();
  m_recovery.SetFolder(options.recoveryFolder.isEmpty()
                           ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                           : options.recoveryFolder);
  OfferRecoveryFiles();
  m_pRecoveryTimer = new QTimer(this);
  connect(m_pRecoveryTimer, &QTimer::timeout, this, &CKMVApp::WriteRecoveryFiles);
  m_pRecoveryTimer->start(CRecoveryFiles::kInterval);
  return true;
}

void CKMVApp::WriteRecoveryFiles()
{
  for (const auto& windows : m_documents)
    windows->WriteRecoveryFile();
}

void CKMVApp::OfferRecoveryFiles()
{
  for (const QString& file : m_recovery.FindLeftovers()) {
    std::optional<CRecoveredProject> project = CRecoveryFiles::Read(file);
    if (!project) {
      QFile::remove(file);
      continue;
    }
    QString time = QFileInfo(file).lastModified().toString("dd.MM.yyyy HH:mm");
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationName),
                    QString("Das Programm wurde nicht regulär beendet. Von %1 gibt es eine Sicherung vom %2.")
                        .arg(QString::fromStdString(Cp1252ToUtf8(project->title)), time),
                    QMessageBox::NoButton, m_pMainFrame.get());
    QAbstractButton* restore = box.addButton("Wiederherstellen", QMessageBox::AcceptRole);
    QAbstractButton* discard = box.addButton("Verwerfen", QMessageBox::DestructiveRole);
    box.setDefaultButton(qobject_cast<QPushButton*>(restore));
    box.exec();
    // Closed without a choice: offered again at the next start.
    if (box.clickedButton() != restore && box.clickedButton() != discard)
      continue;
    if (box.clickedButton() == restore) {
      auto windows = std::make_unique<CDocumentWindows>(*this);
      CKMVDocument& document = windows->GetDocument();
      // Includes with relative paths are looked for beside the project.
      std::error_code ignored;
      if (!project->path.empty())
        std::filesystem::current_path(std::filesystem::path(project->path).parent_path(), ignored);
      if (!document.OnNewDocumentFromText(project->title, project->text))
        continue;
      // Saving goes to the project's own file, as it would have.
      if (!project->path.empty())
        document.SetPathName(project->path);
      ShowDocument(std::move(windows), project->path);
    }
    QFile::remove(file);
  }
}

bool CKMVApp::eventFilter(QObject* watched, QEvent* event)
{
  if (CSplashWnd::PreTranslateAppMessage(event))
    return true;
  return QObject::eventFilter(watched, event);
}

CDocumentWindows* CKMVApp::FindOpenFile(const std::string& path) const
{
  for (const auto& windows : m_documents)
    if (windows->GetDocument().GetPathName() == path)
      return windows.get();
  return nullptr;
}

bool CKMVApp::IsOpen(const CDocumentWindows* windows) const
{
  return std::any_of(m_documents.begin(), m_documents.end(),
                     [windows](const auto& open) { return open.get() == windows; });
}

CDocumentWindows* CKMVApp::OpenDocumentFile(const std::string& name)
{
  bool builtin = !name.empty() && name.front() == '*';
  if (!builtin) {
    if (CDocumentWindows* open = FindOpenFile(AbsolutePath(name))) {
      if (!open->GetFrames().empty())
        m_pMainFrame->GetMdiArea().setActiveSubWindow(open->GetFrames().front());
      return open;
    }
  }
  auto windows = std::make_unique<CDocumentWindows>(*this);
  CKMVDocument& document = windows->GetDocument();
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  bool loaded = false;
  if (builtin) {
    document.SetTitle(name);
    loaded = document.OnNewDocument();
  } else {
    loaded = document.OnOpenDocument(name);
  }
  QGuiApplication::restoreOverrideCursor();
  if (!loaded)
    return nullptr;
  if (!builtin)
    AddRecentFile(document.GetPathName());
  return ShowDocument(std::move(windows), builtin ? name : document.GetPathName());
}

CDocumentWindows* CKMVApp::OpenRoomDocument(const RoomRequest& request)
{
  CTextBuffer text;
  if (MakeRoomProject(request, text) != RoomFault::None) {
    m_messages.ShowMessage(kApplicationName, LoadString(IDS_MODEL_MISSING));
    return nullptr;
  }
  auto windows = std::make_unique<CDocumentWindows>(*this);
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  bool loaded = windows->GetDocument().OnNewDocumentFromText(RoomTitle(request), text.View());
  QGuiApplication::restoreOverrideCursor();
  // No file, so no settings file either: the default frame.
  CDocumentWindows* shown = loaded ? ShowDocument(std::move(windows), std::string()) : nullptr;
  if (shown && request.drawOutline)
    shown->OnCommand(ID_VIEW_PLAN);
  return shown;
}

CDocumentWindows* CKMVApp::ShowDocument(std::unique_ptr<CDocumentWindows> windows, const std::string& settingsName)
{
  CKMVDocument& document = windows->GetDocument();
  int frames = std::max(document.ReadWindowSettings(settingsName), 1);
  bool created = true;
  for (int i = 0; i < frames && created; ++i)
    created = windows->CreateFrame() != nullptr;
  document.CloseSettingsArchive();
  if (!created) {
    m_messages.ShowMessage(kApplicationName, kCreateDocumentError);
    return nullptr;
  }
  m_documents.push_back(std::move(windows));
  m_pMainFrame->UpdateCommandUI();
  return m_documents.back().get();
}

void CKMVApp::RequestCloseDocument(CDocumentWindows& windows)
{
  CDocumentWindows* target = &windows;
  QTimer::singleShot(0, this, [this, target] {
    if (IsOpen(target))
      CloseDocument(*target);
  });
}

void CKMVApp::RequestCloseFrame(CDocumentWindows& windows, CKMVChildFrame& frame)
{
  CDocumentWindows* target = &windows;
  CKMVChildFrame* closing = &frame;
  QTimer::singleShot(0, this, [target, closing, this] {
    if (!IsOpen(target))
      return;
    const auto& frames = target->GetFrames();
    if (std::find(frames.begin(), frames.end(), closing) != frames.end())
      target->CloseFrame(*closing);
  });
}

bool CKMVApp::CloseDocument(CDocumentWindows& windows)
{
  if (!windows.SaveModified())
    return false;
  windows.CloseWindows();
  auto found = std::find_if(m_documents.begin(), m_documents.end(),
                            [&windows](const auto& open) { return open.get() == &windows; });
  if (found != m_documents.end())
    m_documents.erase(found);
  m_pMainFrame->UpdateCommandUI();
  return true;
}

bool CKMVApp::CloseAllDocuments()
{
  for (const auto& windows : m_documents)
    if (!windows->SaveModified())
      return false;
  while (!m_documents.empty()) {
    m_documents.back()->CloseWindows();
    m_documents.pop_back();
  }
  return true;
}

void CKMVApp::AddRecentFile(const std::string& path)
{
  m_recentFiles.Add(path);
  m_pMainFrame->RebuildMenus();
}

QPrinter& CKMVApp::GetPrinter()
{
  // Made on first use: asking the print system for its printers costs time
  // the start should not spend.
  if (!m_pPrinter)
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_pPrinter;
}

bool CKMVApp::PrintFromCommandLine(const QStringList& arguments)
{
  bool named = arguments.front() == "-pt";
  if (arguments.size() != (named ? 3 : 2)) {
    m_messages.ShowMessage(kApplicationName, "Aufruf: velmar-cad -p DATEI oder velmar-cad -pt DATEI DRUCKER");
    return false;
  }
  QPrinterInfo printer = named ? QPrinterInfo::printerInfo(arguments[2]) : QPrinterInfo::defaultPrinter();
  if (printer.isNull()) {
    m_messages.ShowMessage(
        kApplicationName,
        named ? Utf8ToCp1252(("Der Drucker \"" + arguments[2] + "\" ist nicht vorhanden.").toStdString())
              : "Es ist kein Standarddrucker eingerichtet.");
    return false;
  }
  const QString& file = arguments[1];
  std::string name = file.startsWith('*') ? file.toStdString() : QFile::encodeName(file).toStdString();
  CDocumentWindows* windows = OpenDocumentFile(name);
  if (!windows)
    return false;
  CKMV3DView* view = windows->GetFrames().empty() ? nullptr : windows->GetFrames().front()->Get3DView();
  GetPrinter().setPrinterName(printer.printerName());
  bool printed = view && view->PrintTo(GetPrinter());
  if (!printed)
    m_messages.ShowMessage(kApplicationName, "Das Dokument konnte nicht gedruckt werden.");
  CloseDocument(*windows);
  return printed;
}

void CKMVApp::OnFileNew()
{
  CNewDocumentDlg dialog(m_pMainFrame.get());
  if (dialog.exec() != QDialog::Accepted)
    return;
  int selection = dialog.GetSelection();
  if (selection >= 0 && selection < static_cast<int>(kModelNames.size()))
    OpenDocumentFile(kModelNames[static_cast<size_t>(selection)]);
}

void CKMVApp::OnFileNewRoom()
{
  CNewRoomDlg dialog(m_messages, m_pMainFrame.get());
  if (dialog.exec() == QDialog::Accepted)
    OpenRoomDocument(dialog.GetRequest());
}

void CKMVApp::OnFileOpen()
{
  QString path =
      QFileDialog::getOpenFileName(m_pMainFrame.get(), "Öffnen", QString(), "Projekt (*.kmv);;Alle Dateien (*)");
  if (!path.isEmpty())
    OpenDocumentFile(QFile::encodeName(path).toStdString());
}

void CKMVApp::OpenRecentFile(size_t index)
{
  if (index >= m_recentFiles.GetFiles().size())
    return;
  // A file that cannot be opened any more leaves the list.
  if (!OpenDocumentFile(m_recentFiles.GetFiles()[index])) {
    m_recentFiles.Remove(index);
    m_pMainFrame->RebuildMenus();
  }
}

bool CKMVApp::OnCommand(int id)
{
  if (const char* model = ModelOfCommand(id)) {
    OpenDocumentFile(model);
    return true;
  }
  if (IsRecentFileCommand(id)) {
    OpenRecentFile(static_cast<size_t>(id - ID_FILE_MRU_FILE1));
    return true;
  }
  switch (id) {
  case ID_FILE_NEW:
    OnFileNew();
    return true;
  case ID_FILE_NEW_ROOM:
    OnFileNewRoom();
    return true;
  case ID_FILE_OPEN:
    OnFileOpen();
    return true;
  case ID_FILE_PRINT_SETUP: {
    QPageSetupDialog dialog(&GetPrinter(), m_pMainFrame.get());
    dialog.exec();
    return true;
  }
  case ID_APP_ABOUT: {
    CAboutDlg dialog(m_pMainFrame.get());
    dialog.exec();
    return true;
  }
  case ID_HELP_FINDER:
    if (!ShowHelpContents(m_pMainFrame.get()))
      m_messages.ShowMessage(kApplicationName, kHelpError);
    return true;
  case ID_APP_EXIT:
    m_pMainFrame->close();
    return true;
  default:
    return false;
  }
}

bool CKMVApp::OnUpdateCommand(int id, CCmdUI& ui)
{
  if (IsRecentFileCommand(id)) {
    ui.bEnabled = static_cast<size_t>(id - ID_FILE_MRU_FILE1) < m_recentFiles.GetFiles().size();
    return true;
  }
  return ModelOfCommand(id) || id == ID_FILE_NEW || id == ID_FILE_NEW_ROOM || id == ID_FILE_OPEN ||
         id == ID_FILE_PRINT_SETUP || id == ID_APP_ABOUT || id == ID_HELP_FINDER || id == ID_APP_EXIT;
}
