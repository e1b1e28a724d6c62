#include "RecoveryFiles.h"

#include "FileAccess.h"
#include "SafeFileWriter.h"
#include "TextBuffer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr const char* kSuffix = ".kmvr";
constexpr const char* kMagicLine = "Velmar-Sicherung 1";

// Lines of the head may not break: title and path are percent-encoded.
QByteArray HeadLine(const std::string& text)
{
  return QByteArray::fromStdString(text).toPercentEncoding() + '\n';
}

std::string Encoded(const QString& file)
{
  return QFile::encodeName(file).toStdString();
}

// The program that wrote a file: the number before the "-" of its name.
qint64 OwnerOf(const QString& file)
{
  return QFileInfo(file).completeBaseName().section('-', 0, 0).toLongLong();
}

} // namespace

CRecoveryFiles::~CRecoveryFiles()
{
  if (!m_pLock)
    return;
  QString own = QString::number(QCoreApplication::applicationPid()) + "-*" + kSuffix;
  for (const QFileInfo& file : QDir(m_folder).entryInfoList({own}, QDir::Files))
    QFile::remove(file.filePath());
  m_pLock->unlock();
}

bool CRecoveryFiles::SetFolder(const QString& folder)
{
  m_folder = folder;
  return QDir().mkpath(folder);
}

QString CRecoveryFiles::LockName(qint64 pid) const
{
  return QDir(m_folder).filePath(QString::number(pid) + ".lock");
}

QStringList CRecoveryFiles::FindLeftovers() const
{
  QStringList leftovers;
  qint64 self = QCoreApplication::applicationPid();
  const QFileInfoList files =
      QDir(m_folder).entryInfoList({QString("*") + kSuffix}, QDir::Files, QDir::Time | QDir::Reversed);
  for (const QFileInfo& file : files) {
    qint64 owner = OwnerOf(file.filePath());
    if (owner == self && m_pLock)
      continue;
    QLockFile lock(LockName(owner));
    lock.setStaleLockTime(0);
    qint64 holder = 0;
    // A lock under this program's own number was left by an earlier one
    // that had the same number.
    bool ownNumber = lock.getLockInfo(&holder, nullptr, nullptr) && holder == self;
    if (ownNumber || lock.tryLock(0)) {
      leftovers << file.filePath();
      if (ownNumber)
        QFile::remove(LockName(owner));
    }
  }
  return leftovers;
}

QString CRecoveryFiles::NewFileName()
{
  qint64 self = QCoreApplication::applicationPid();
  if (!m_pLock) {
    QFile::remove(LockName(self));
    m_pLock = std::make_unique<QLockFile>(LockName(self));
    m_pLock->setStaleLockTime(0);
    m_pLock->tryLock(0);
  }
  return QDir(m_folder).filePath(QString("%1-%2%3").arg(self).arg(++m_nFileCount).arg(kSuffix));
}

bool CRecoveryFiles::Write(const QString& file, const CRecoveredProject& project, std::string& error)
{
  std::string text = project.text;
  Scramble(text.data(), text.size());
  QByteArray bytes = QByteArray(kMagicLine) + '\n' + HeadLine(project.title) + HeadLine(project.path);
  return WriteFileSafely(Encoded(file), bytes.toStdString() + text, error);
}

std::optional<CRecoveredProject> CRecoveryFiles::Read(const QString& file)
{
  CTextBuffer bytes;
  if (ReadWholeFile(Encoded(file), bytes) != ReadStatus::Ok)
    return std::nullopt;
  std::string_view rest = bytes.View();
  std::string lines[3];
  for (std::string& line : lines) {
    size_t end = rest.find('\n');
    if (end == std::string_view::npos)
      return std::nullopt;
    line = QByteArray::fromPercentEncoding(QByteArray(rest.data(), static_cast<qsizetype>(end))).toStdString();
    rest.remove_prefix(end + 1);
  }
  if (lines[0] != kMagicLine)
    return std::nullopt;
  CRecoveredProject project{lines[1], lines[2], std::string(rest)};
  Scramble(project.text.data(), project.text.size());
  return project;
}
