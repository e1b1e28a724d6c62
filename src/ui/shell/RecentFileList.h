#pragma once

#include <string>
#include <vector>

// The four most recently opened project files, newest first, kept in the
// per-user settings (section "Recent File List", values File1 to File4).
class CRecentFileList {
public:
  static constexpr size_t kSize = 4;

  void Load();
  // Puts the path first; drops the oldest beyond the size.
  void Add(const std::string& path);
  void Remove(size_t index);
  const std::vector<std::string>& GetFiles() const { return m_files; }

private:
  void Save() const;

  std::vector<std::string> m_files;
};
