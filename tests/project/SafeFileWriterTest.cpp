#include "SafeFileWriter.h"
#include "DocumentTestSupport.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

using SafeFileWriter = TempFolderTest;

TEST_F(SafeFileWriter, ReplacesTheFileAndLeavesNothingElseBehind)
{
  WriteBytes("p.kmv", "old content that is longer");
  std::string error;
  EXPECT_TRUE(WriteFileSafely(Path("p.kmv"), "new", error));
  EXPECT_EQ(ReadBytes("p.kmv"), "new");
  EXPECT_TRUE(WriteFileSafely(Path("q.kmv"), std::string("a\0b", 3), error));
  EXPECT_EQ(ReadBytes("q.kmv"), std::string("a\0b", 3));
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"p.kmv", "q.kmv"}));
}

TEST_F(SafeFileWriter, KeepsThePermissionsOfTheReplacedFile)
{
  WriteBytes("p.kmv", "old");
  ::chmod(Path("p.kmv").c_str(), 0640);
  std::string error;
  ASSERT_TRUE(WriteFileSafely(Path("p.kmv"), "new", error));
  struct stat info {};
  ASSERT_EQ(::stat(Path("p.kmv").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SafeFileWriter, WritesThroughALinkAndKeepsTheLink)
{
  std::filesystem::create_directories(m_dir / "real");
  WriteBytes("real/p.kmv", "old");
  std::filesystem::create_symlink(m_dir / "real" / "p.kmv", m_dir / "link.kmv");
  std::string error;
  ASSERT_TRUE(WriteFileSafely(Path("link.kmv"), "new", error));
  EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "link.kmv"));
  EXPECT_EQ(ReadBytes("real/p.kmv"), "new");
}

TEST_F(SafeFileWriter, MissingFolderOrFolderAsTargetFailsWithGermanReason)
{
  std::string error;
  EXPECT_FALSE(WriteFileSafely(Path("none/p.kmv"), "x", error));
  EXPECT_EQ(error.rfind("Fehler beim Speichern von " + Path("none/p.kmv") + ": ", 0), 0u) << error;
  std::filesystem::create_directories(m_dir / "folder");
  EXPECT_FALSE(WriteFileSafely(Path("folder"), "x", error));
  EXPECT_TRUE(std::filesystem::is_directory(m_dir / "folder"));
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"folder"});
}

TEST_F(SafeFileWriter, FileSizeLimitLeavesTheOldFileWhole)
{
  const std::string old(1000, 'o');
  WriteBytes("p.kmv", old);
  int status = ExitStatusOfChild([&] {
    if (!LimitFileSize(100))
      return 10;
    CSafeFileWriter writer(Path("p.kmv"));
    bool wrote = writer.Write(std::string(500, 'n'));
    // A failed write makes every later step fail too.
    if (wrote || writer.Write("x") || writer.Commit())
      return 11;
    return writer.GetError() == EFBIG ? 0 : 12;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes("p.kmv"), old);
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"p.kmv"});
}

TEST_F(SafeFileWriter, ReadOnlyFolderLeavesTheOldFileWhole)
{
  WriteBytes("p.kmv", "old");
  ::chmod(m_dir.c_str(), 0555);
  int status = ExitStatusOfChild([&] {
    if (!DropPrivileges())
      return 10;
    CSafeFileWriter writer(Path("p.kmv"));
    if (writer.Write("new") || writer.Commit())
      return 11;
    return writer.GetError() == EACCES ? 0 : 12;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes("p.kmv"), "old");
}

TEST_F(SafeFileWriter, WriterDroppedBeforeCommitRemovesItsTemporaryFile)
{
  WriteBytes("p.kmv", "old");
  {
    CSafeFileWriter writer(Path("p.kmv"));
    EXPECT_TRUE(writer.Write("new"));
    EXPECT_EQ(FolderNames().size(), 2u);
  }
  EXPECT_EQ(ReadBytes("p.kmv"), "old");
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"p.kmv"});
}

} // namespace
