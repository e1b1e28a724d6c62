#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

// A project as a recovery file holds it: the title (Windows-1252), the path
// of its own file (the file system's bytes, empty for none) and its text.
struct CRecoveredProject {
  std::string title;
  std::string path;
  std::string text;
};

// The recovery files of modified documents in one folder: each running
// program holds a lock file there, so the files of a program that ended
// without closing its documents are told from those of one still running.
class CRecoveryFiles {
public:
  // How often modified documents are written.
  static constexpr int kInterval = 2 * 60 * 1000;

  CRecoveryFiles() = default;
  // The program's own files and lock go with it.
  ~CRecoveryFiles();
  CRecoveryFiles(const CRecoveryFiles&) = delete;
  CRecoveryFiles& operator=(const CRecoveryFiles&) = delete;

  // The folder to use; FALSE when it cannot be made.
  bool SetFolder(const QString& folder);
  // The files left by programs that are no longer running, oldest first.
  QStringList FindLeftovers() const;
  // A new file name of this program; taking its lock on first use.
  QString NewFileName();

  // Through the safe file writer; FALSE with the reason in error.
  static bool Write(const QString& file, const CRecoveredProject& project, std::string& error);
  // None when the file is unreadable or not a recovery file.
  static std::optional<CRecoveredProject> Read(const QString& file);

private:
  QString LockName(qint64 pid) const;

  QString m_folder;
  std::unique_ptr<QLockFile> m_pLock;
  int m_nFileCount = 0;
};
