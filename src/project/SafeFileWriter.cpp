#include "SafeFileWriter.h"

#include "FileNameText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kTempNameAttempts = 32;

// A link is replaced through its target, so the link itself survives.
std::string ResolveTarget(const std::string& path)
{
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
    return path;
  std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
  return resolved ? std::string(resolved.get()) : path;
}

std::string FolderOf(const std::string& path)
{
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string RandomSuffix(std::mt19937_64& random)
{
  char suffix[17];
  std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
  return suffix;
}

// Makes the rename itself durable; some file systems refuse to sync a
// folder, which leaves the new file in place all the same.
void SyncFolder(const std::string& folder)
{
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  ::fsync(fd);
  ::close(fd);
}

} // namespace

CSafeFileWriter::CSafeFileWriter(const std::string& path) : m_strPath(path), m_strTarget(ResolveTarget(path))
{
  size_t slash = m_strTarget.find_last_of('/');
  std::string name = slash == std::string::npos ? m_strTarget : m_strTarget.substr(slash + 1);
  std::string stem = FolderOf(m_strTarget) + "/." + name + ".";
  std::mt19937_64 random(std::random_device{}());
  for (int attempt = 0; attempt < kTempNameAttempts && m_fd < 0; ++attempt) {
    m_strTempPath = stem + RandomSuffix(random) + ".tmp";
    // 0666 lets the umask decide, as for any newly created file.
    m_fd = ::open(m_strTempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd < 0 && errno != EEXIST)
      break;
  }
  if (m_fd < 0) {
    m_nError = errno ? errno : EIO;
    m_strTempPath.clear();
    return;
  }
  struct stat old {};
  if (::stat(m_strTarget.c_str(), &old) == 0 && S_ISREG(old.st_mode))
    ::fchmod(m_fd, old.st_mode & 07777);
}

CSafeFileWriter::~CSafeFileWriter()
{
  if (!m_bCommitted)
    Discard();
}

bool CSafeFileWriter::Write(std::string_view bytes)
{
  if (m_nError != 0)
    return false;
  while (!bytes.empty()) {
    ssize_t done = ::write(m_fd, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR)
      continue;
    if (done <= 0)
      return Fail(done < 0 ? errno : EIO);
    bytes.remove_prefix(static_cast<size_t>(done));
  }
  return true;
}

bool CSafeFileWriter::Commit()
{
  if (m_nError != 0)
    return false;
  if (::fsync(m_fd) != 0)
    return Fail(errno);
  int fd = m_fd;
  m_fd = -1;
  if (::close(fd) != 0)
    return Fail(errno);
  if (::rename(m_strTempPath.c_str(), m_strTarget.c_str()) != 0)
    return Fail(errno);
  m_bCommitted = true;
  SyncFolder(FolderOf(m_strTarget));
  return true;
}

std::string CSafeFileWriter::DescribeError() const
{
  return "Fehler beim Speichern von " + FileNameText(m_strPath) + ": " + std::strerror(m_nError);
}

bool CSafeFileWriter::Fail(int error)
{
  if (m_nError == 0)
    m_nError = error != 0 ? error : EIO;
  Discard();
  return false;
}

void CSafeFileWriter::Discard()
{
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
  if (!m_strTempPath.empty()) {
    ::unlink(m_strTempPath.c_str());
    m_strTempPath.clear();
  }
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& error)
{
  CSafeFileWriter writer(path);
  if (writer.Write(bytes) && writer.Commit())
    return true;
  error = writer.DescribeError();
  return false;
}
