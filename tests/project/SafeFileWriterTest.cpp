#include "SafeFileWriter.h"
#include "DocumentTestSupport.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

using SafeFileWriter = TempFolderTest;

TEST_F(SafeFileWriter, ReplacesTheFileOnCommitAndLeavesNothingElseBehind)
{
  WriteBytes("p.kmv", "old content that is longer");
  std::string error;
  EXPECT_TRUE(WriteFileSafely(Path("p.kmv"), "new", error));
  EXPECT_EQ(ReadBytes("p.kmv"), "new");
  EXPECT_TRUE(WriteFileSafely(Path("q.kmv"), std::string("a\0b", 3), error));
  EXPECT_EQ(ReadBytes("q.kmv"), std::string("a\0b", 3));
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"p.kmv", "q.kmv"}));
  // A writer dropped before its commit removes its temporary file.
  {
    CSafeFileWriter writer(Path("p.kmv"));
    EXPECT_TRUE(writer.Write("newer"));
    EXPECT_EQ(FolderNames().size(), 3u);
  }
  EXPECT_EQ(ReadBytes("p.kmv"), "new");
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"p.kmv", "q.kmv"}));
}

TEST_F(SafeFileWriter, WritesThroughALinkKeepingTheLinkAndThePermissions)
{
  std::filesystem::create_directories(m_dir / "real");
  WriteBytes("real/p.kmv", "old");
  ::chmod(Path("real/p.kmv").c_str(), 0640);
  std::filesystem::create_symlink(m_dir / "real" / "p.kmv", m_dir / "link.kmv");
  std::string error;
  ASSERT_TRUE(WriteFileSafely(Path("link.kmv"), "new", error));
  EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "link.kmv"));
  EXPECT_EQ(ReadBytes("real/p.kmv"), "new");
  struct stat info {};
  ASSERT_EQ(::stat(Path("real/p.kmv").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// The write fails in a child with a file size limit or without the right to
// write the folder; every later step fails too and the old file stays whole.
// The document's failed saves (SaveFaultTest) rest on this.
TEST_F(SafeFileWriter, FailedWriteLeavesTheOldFileWhole)
{
  const std::string old(1000, 'o');
  WriteBytes("p.kmv", old);
  for (bool sizeLimit : {true, false}) {
    SCOPED_TRACE(sizeLimit ? "size limit" : "read-only folder");
    ::chmod(m_dir.c_str(), sizeLimit ? 0755 : 0555);
    int status = ExitStatusOfChild([&] {
      if (sizeLimit ? !LimitFileSize(100) : !DropPrivileges())
        return kChildCannotSetUp;
      CSafeFileWriter writer(Path("p.kmv"));
      bool wrote = writer.Write(std::string(500, 'n'));
      if (wrote || writer.Write("x") || writer.Commit())
        return 11;
      return writer.GetError() == (sizeLimit ? EFBIG : EACCES) ? 0 : 12;
    });
    if (status == kChildCannotSetUp)
      GTEST_SKIP() << "the child may not limit itself or switch user here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes("p.kmv"), old);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"p.kmv"});
  }
}

} // namespace
