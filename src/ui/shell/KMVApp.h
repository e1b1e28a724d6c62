#pragma once

#include "CmdTarget.h"
#include "MessageBoxSink.h"
#include "RecentFileList.h"
#include "RecoveryFiles.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class CDocumentWindows;
class CKMVChildFrame;
class CMainFrame;
class QPrinter;
class QTimer;
struct RoomRequest;

// The application: its main window, the open documents and the commands
// that need no document.
class CKMVApp : public QObject, public CCmdTarget {
  Q_OBJECT

public:
  struct Options {
    // The start-up picture; tests leave it out.
    bool bSplash = true;
    // Where recovery files go; empty for the user's data folder.
    QString recoveryFolder;
  };

  CKMVApp();
  ~CKMVApp() override;

  // The start-up sequence; FALSE ends the program. The arguments exclude
  // the program's name: a project path or a built-in model ("*Pilot B1")
  // opens it, nothing opens nothing; "-p FILE" prints FILE on the default
  // printer, "-pt FILE PRINTER" on that printer.
  bool InitInstance(const QStringList& arguments, const Options& options);

  CMainFrame& GetMainFrame() { return *m_pMainFrame; }
  CMessageSink& GetMessages() { return m_messages; }
  const std::vector<std::unique_ptr<CDocumentWindows>>& GetDocuments() const { return m_documents; }

  // A project file, or a built-in model named "*" and its name, opened with
  // its windows; null after the document reported why it failed. An open
  // file is activated instead of opened twice.
  CDocumentWindows* OpenDocumentFile(const std::string& name);
  // A new, unsaved project of a sensor model in a room, titled after the
  // room; null after the reason was shown.
  CDocumentWindows* OpenRoomDocument(const RoomRequest& request);
  // Closing from inside a window's own event: done once the event is over.
  void RequestCloseDocument(CDocumentWindows& windows);
  void RequestCloseFrame(CDocumentWindows& windows, CKMVChildFrame& frame);
  // Asks to save, then closes: FALSE when the user kept it open.
  bool CloseDocument(CDocumentWindows& windows);
  // Asks for every modified document first; FALSE when one stays open.
  bool CloseAllDocuments();

  // The program's one printer, with the settings of the printer setup.
  QPrinter& GetPrinter();
  // The command line asked to print ("-p FILE", "-pt FILE PRINTER"): that
  // is done when InitInstance returns, and the program ends.
  bool IsPrintRun() const { return m_bPrintRun; }

  const std::vector<std::string>& GetRecentFiles() const { return m_recentFiles.GetFiles(); }
  void AddRecentFile(const std::string& path);

  CRecoveryFiles& GetRecoveryFiles() { return m_recovery; }
  // Every two minutes: each modified document to its recovery file.
  void WriteRecoveryFiles();

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CCmdUI& ui) override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void OnFileNew();
  void OnFileNewRoom();
  void OnFileOpen();
  void OpenRecentFile(size_t index);
  CDocumentWindows* FindOpenFile(const std::string& path) const;
  bool IsOpen(const CDocumentWindows* windows) const;
  // Opens the frames of a loaded document (as many as its settings file
  // under that name asks for) and keeps it.
  CDocumentWindows* ShowDocument(std::unique_ptr<CDocumentWindows> windows, const std::string& settingsName);
  bool PrintFromCommandLine(const QStringList& arguments);
  // The recovery files of a program that ended without closing: each is
  // offered, and restored as a modified document or thrown away.
  void OfferRecoveryFiles();

  CMessageBoxSink m_messages;
  CRecentFileList m_recentFiles;
  std::unique_ptr<CMainFrame> m_pMainFrame;
  std::vector<std::unique_ptr<CDocumentWindows>> m_documents;
  std::unique_ptr<QPrinter> m_pPrinter;
  CRecoveryFiles m_recovery;
  QTimer* m_pRecoveryTimer = nullptr;
  bool m_bPrintRun = false;
};
