#include "FileAccess.h"
#include "TempFolder.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

using FileAccess = TempFolderTest;

} // namespace

TEST_F(FileAccess, ReadsRegularFilesWhole)
{
  std::string path = Path("a.txt");
  std::ofstream(path, std::ios::binary) << std::string("ab\0cd", 5);
  CTextBuffer text;
  ASSERT_EQ(ReadWholeFile(path, text), ReadStatus::Ok);
  EXPECT_EQ(text.View(), std::string_view("ab\0cd", 5));
  std::ofstream(Path("empty.txt"));
  EXPECT_EQ(ReadWholeFile(Path("empty.txt"), text), ReadStatus::Ok);
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(FileAccess, RefusesWhatIsNoRegularFileOrTooLarge)
{
  CTextBuffer text;
  EXPECT_EQ(ReadWholeFile(Path("missing"), text), ReadStatus::NotFound);
  EXPECT_EQ(ReadWholeFile(m_dir.string(), text), ReadStatus::NotRegularFile);
  EXPECT_EQ(ReadWholeFile("/dev/zero", text), ReadStatus::NotRegularFile);
  std::string fifo = Path("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ReadWholeFile(fifo, text), ReadStatus::NotRegularFile);
  // A sparse file past the cap is refused before anything is read.
  std::string huge = Path("huge");
  std::ofstream(huge).close();
  std::filesystem::resize_file(huge, static_cast<uintmax_t>(kMaxFileSize) + 1);
  EXPECT_EQ(ReadWholeFile(huge, text), ReadStatus::TooLarge);
  EXPECT_FALSE(DescribeReadStatus(ReadStatus::TooLarge, huge).empty());
}

TEST(Scramble, IsItsOwnInverse)
{
  char data[] = {'a', static_cast<char>(0xA7), 0};
  Scramble(data, 3);
  EXPECT_EQ(data[0], static_cast<char>('a' ^ 0xA7));
  EXPECT_EQ(data[1], 0);
  EXPECT_EQ(data[2], static_cast<char>(0xA7));
  Scramble(data, 3);
  EXPECT_EQ(data[0], 'a');
}
