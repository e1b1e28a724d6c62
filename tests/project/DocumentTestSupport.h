#pragma once

#include "DocumentViews.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Records the hints of view updates; reports a fixed number of frames.
class CViewsRecorder : public CDocumentViews {
public:
  void UpdateAllViews(int hint) override { hints.push_back(hint); }
  int NumberFrames() override { return frames; }
  std::vector<int> hints;
  int frames = 1;
};

// A fresh folder per test; the current folder, which opening a document
// changes, is restored afterwards.
class TempFolderTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_oldFolder = std::filesystem::current_path();
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "kmv_doc_" + std::to_string(::getpid()) + "_" + test->test_suite_name() + "_" + test->name();
    // Parameterized tests have "/" in their names.
    std::replace(name.begin(), name.end(), '/', '_');
    m_dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override
  {
    std::filesystem::current_path(m_oldFolder);
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove_all(m_dir);
  }

  std::string Path(const std::string& name) const { return (m_dir / name).string(); }
  void WriteBytes(const std::string& name, const std::string& bytes) const
  {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string ReadBytes(const std::string& name) const
  {
    std::ifstream file(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  // Names in the folder, to see that no temporary file was left behind.
  std::vector<std::string> FolderNames() const
  {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::filesystem::path m_dir;
  std::filesystem::path m_oldFolder;
};

// Runs the body in a forked child, so that limits and a changed user stay
// there; returns the child's exit status, -1 when it did not exit.
inline int ExitStatusOfChild(const std::function<int()>& body)
{
  pid_t pid = ::fork();
  if (pid == 0)
    ::_exit(body());
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
    return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a child: writes past the size fail with EFBIG instead of a signal.
inline bool LimitFileSize(rlim_t bytes)
{
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{bytes, bytes};
  return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// In a child: root ignores folder permissions, so it becomes "nobody".
inline bool DropPrivileges()
{
  return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}
