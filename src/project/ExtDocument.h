#pragma once

#include "SettingsArchive.h"

#include <memory>
#include <string>

class CDocumentViews;
class CMessageSink;

// Modes at the head of a settings file: 1 and 2 announce frame records of
// that version, 1000 a redirection to another settings file.
constexpr int kDefaultSettingsVersion = 2;
constexpr int kSettingsRedirectMode = 1000;
// Most frame records a settings file may announce; more marks it damaged.
constexpr int kMaxSettingsWindows = 64;
// Longest redirection name; a longer one marks the file damaged.
constexpr size_t kMaxRedirectLength = 4096;
// Settings files read in one chain of redirections.
constexpr int kMaxSettingsFiles = 5;

// A document that keeps the layout of its windows in a settings file beside
// its project file. Plain C++: messages go to a CMessageSink, view updates
// and frame numbering to a CDocumentViews; both may be null.
class CExtDocument {
public:
  CExtDocument() = default;
  virtual ~CExtDocument() = default;
  CExtDocument(const CExtDocument&) = delete;
  CExtDocument& operator=(const CExtDocument&) = delete;

  virtual void SetMessageSink(CMessageSink* messages) { m_pMessages = messages; }
  void SetViews(CDocumentViews* views) { m_pViews = views; }

  bool IsModified() const { return m_bModified != 0; }
  void SetModifiedFlag(bool modified = true) { m_bModified = modified ? 1 : 0; }
  const std::string& GetTitle() const { return m_strTitle; }
  void SetTitle(const std::string& title) { m_strTitle = title; }
  // Empty for a document that was never read from or saved to a file.
  const std::string& GetPathName() const { return m_strPathName; }
  void SetPathName(const std::string& path);

  // Starts a new document: not modified.
  virtual bool OnNewDocument();

  // Reads or writes the head of the settings file through the open archive:
  // the mode, then the window count (modes 1 and 2) or the redirection name
  // (mode 1000). FALSE when the archive failed or the file announced too
  // many windows; the redirection and the window count are then cleared, and
  // a damaged file's mode is not kept.
  virtual bool SerializeSettings(int mode);

  // Reads the settings of the document opened under name (a path, a built-in
  // model name starting with "*", or empty for an untitled document),
  // following redirections. Returns the number of frames to create; when it
  // is above 0 the archive is open and positioned at the first frame record,
  // and CloseSettingsArchive must follow once the frames are made.
  int ReadWindowSettings(const std::string& name);
  // Closing, before the frames go: opens a storing archive with the head
  // when settings are to be kept. FALSE when nothing will be written.
  bool BeginStoreSettings();
  // Closing, after each frame and view wrote its record: writes the settings
  // file beside the project without ever leaving half a file. FALSE (with a
  // message) when it could not be written.
  bool EndStoreSettings();
  // The archive the frames and views exchange their records with; null
  // while no settings are being read or written.
  CSettingsArchive* GetSettingsArchive() const { return m_settingsArchive.get(); }
  void CloseSettingsArchive() { m_settingsArchive.reset(); }

  // The settings file of a project file: its folder and base name with the
  // extension.
  static std::string SettingsPathFor(const std::string& path, const std::string& extension);

  std::string m_strSettingsExt = "sty";
  // Mode written at the head of the settings file; reading a file takes its mode.
  int m_nSettingsVersion = kDefaultSettingsVersion;
  int m_nWindowCount = 0;
  int m_bSaveSettings = 0;
  int m_bSettingsRedirect = 0;
  std::string m_strSettingsRedirect;

protected:
  void ShowMessage(const std::string& text) const;
  void UpdateAllViews(int hint) const;

private:
  // Opens a loading archive over a settings file; FALSE when it cannot be read.
  bool OpenSettingsFile(const std::string& path, bool reportFailure);
  bool LoadSettingsHead(CSettingsArchive& archive);
  bool StoreSettingsHead(CSettingsArchive& archive, int mode);

  CMessageSink* m_pMessages = nullptr;
  CDocumentViews* m_pViews = nullptr;
  std::unique_ptr<CSettingsArchive> m_settingsArchive;
  std::string m_strTitle;
  std::string m_strPathName;
  int m_bModified = 0;
};
