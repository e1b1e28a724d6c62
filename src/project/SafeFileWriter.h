#pragma once

#include <string>
#include <string_view>

// Replaces a file only once its new content is completely on disk: the bytes
// go to a temporary file beside the target, which is flushed, synced and then
// renamed over the target. Until Commit succeeds the target is untouched; a
// writer that is destroyed without a successful Commit removes its temporary
// file.
class CSafeFileWriter {
public:
  // Starts a temporary file in the target's folder; a target that is a
  // symbolic link is replaced through it.
  explicit CSafeFileWriter(const std::string& path);
  ~CSafeFileWriter();
  CSafeFileWriter(const CSafeFileWriter&) = delete;
  CSafeFileWriter& operator=(const CSafeFileWriter&) = delete;

  // FALSE once anything failed; later writes are ignored.
  bool Write(std::string_view bytes);
  // Syncs, closes and renames the temporary file over the target.
  bool Commit();

  // errno of the first failure, 0 while none happened.
  int GetError() const { return m_nError; }
  // "Fehler beim Speichern von PATH: REASON" (Windows-1252).
  std::string DescribeError() const;

private:
  bool Fail(int error);
  void Discard();

  std::string m_strPath;
  std::string m_strTarget;
  std::string m_strTempPath;
  int m_fd = -1;
  int m_nError = 0;
  bool m_bCommitted = false;
};

// Writes the whole file through a CSafeFileWriter; on failure the German
// reason is in error.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& error);
