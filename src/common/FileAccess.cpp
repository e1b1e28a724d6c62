#include "FileAccess.h"

#include "TextBuffer.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

class CFileDescriptor {
public:
  explicit CFileDescriptor(int fd) : m_fd(fd) {}
  ~CFileDescriptor()
  {
    if (m_fd >= 0)
      ::close(m_fd);
  }
  CFileDescriptor(const CFileDescriptor&) = delete;
  CFileDescriptor& operator=(const CFileDescriptor&) = delete;
  int Get() const { return m_fd; }

private:
  int m_fd;
};

std::function<void(const std::string&)> g_afterSizeQuery;

} // namespace

void SetReadWholeFileSeam(std::function<void(const std::string& path)> afterSizeQuery)
{
  g_afterSizeQuery = std::move(afterSizeQuery);
}

ReadStatus ReadWholeFile(const std::string& path, CTextBuffer& text)
{
  // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below.
  CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Get() < 0)
    return ReadStatus::NotFound;
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0)
    return ReadStatus::ReadError;
  if (!S_ISREG(info.st_mode))
    return ReadStatus::NotRegularFile;
  if (info.st_size > kMaxFileSize)
    return ReadStatus::TooLarge;
  // One byte more than the size says, to notice a file that grows while it
  // is read; one that changes size gives no text rather than a mix.
  long long size = info.st_size;
  if (g_afterSizeQuery)
    g_afterSizeQuery(path);
  // Room for half as much again: a project text read is usually written
  // anew into the same buffer (numbers in the writer's form, the module
  // section), and room that is never touched costs no memory.
  char* data = text.Reserve(static_cast<int>(size + 1 + size / 2));
  if (!data)
    return ReadStatus::TooLarge;
  long long done = 0;
  while (done <= size) {
    ssize_t got = ::read(file.Get(), data + done, static_cast<size_t>(size + 1 - done));
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return ReadStatus::ReadError;
    if (got == 0)
      break;
    done += got;
  }
  if (done != size) {
    text.Clear();
    return ReadStatus::Changed;
  }
  text.SetLength(static_cast<int>(done));
  return ReadStatus::Ok;
}

std::string DescribeReadStatus(ReadStatus status, const std::string& path)
{
  switch (status) {
  case ReadStatus::Ok:
    return {};
  case ReadStatus::NotFound:
    return "Die Datei " + path +
           " kann nicht ge\xF6"
           "ffnet werden.";
  case ReadStatus::NotRegularFile:
    return path + " ist keine gew\xF6hnliche Datei.";
  case ReadStatus::TooLarge:
    return "Die Datei " + path + " ist zu gro\xDF.";
  case ReadStatus::Changed:
    return "Die Datei " + path + " wurde w\xE4hrend des Lesens ge\xE4ndert.";
  case ReadStatus::ReadError:
    break;
  }
  return "Fehler beim Lesen der Datei " + path + ".";
}

void Scramble(char* data, size_t length)
{
  for (size_t i = 0; i < length; ++i)
    data[i] = static_cast<char>(data[i] ^ static_cast<char>(kScrambleKey));
}
