#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh folder per test, named after the process and the test, so that
// test trees running at once never share a file; the current folder, which
// opening a document changes, is restored afterwards.
class TempFolderTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_oldFolder = std::filesystem::current_path();
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "kmv_" + std::to_string(::getpid()) + "_" + test->test_suite_name() + "_" + test->name();
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
