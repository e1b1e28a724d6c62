// Saving while other programs hold, replace or remove the target: the file
// on disk is always one whole version, and a failed save keeps the document
// modified with a German message.
#include "DocumentTestSupport.h"
#include "FileAccess.h"
#include "KMVDocument.h"
#include "ModuleFakes.h"
#include "ProjectFakes.h"

#include <fcntl.h>
#include <sys/file.h>

namespace {

std::string ReadDescriptor(int fd)
{
  std::string bytes;
  char buffer[4096];
  ::lseek(fd, 0, SEEK_SET);
  for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
    bytes.append(buffer, static_cast<size_t>(got));
  return bytes;
}

class DocumentSaveFault : public TempFolderTest {
protected:
  void SetUp() override
  {
    TempFolderTest::SetUp();
    Scramble(m_old.data(), m_old.size());
    WriteBytes("p.kmv", m_old);
    m_document.SetMessageSink(&m_messages);
    ASSERT_TRUE(m_document.OnOpenDocument(Path("p.kmv")));
    m_document.SetModifiedFlag();
  }

  std::string m_old = kSensorProject;
  CMessageRecorder m_messages;
  CKMVDocument m_document;
};

TEST_F(DocumentSaveFault, FileReplacedByAFolderAfterOpeningFailsWithGermanMessage)
{
  std::filesystem::remove(Path("p.kmv"));
  std::filesystem::create_directory(Path("p.kmv"));
  EXPECT_EQ(m_document.Save(), SaveStatus::Failed);
  EXPECT_TRUE(m_document.IsModified());
  ASSERT_EQ(m_messages.texts.size(), 1u);
  EXPECT_EQ(m_messages.texts[0].rfind("Fehler beim Speichern von " + Path("p.kmv") + ": ", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(Path("p.kmv")));
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"p.kmv"});
}

TEST_F(DocumentSaveFault, LockedAndOpenFileKeepsItsOldBytesForItsReader)
{
  int reader = ::open(Path("p.kmv").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(reader, 0);
  ASSERT_EQ(::flock(reader, LOCK_EX), 0);
  EXPECT_EQ(m_document.Save(), SaveStatus::Saved);
  EXPECT_FALSE(m_document.IsModified());
  EXPECT_EQ(ReadDescriptor(reader), m_old);
  ::close(reader);
  CKMVDocument again;
  ASSERT_TRUE(again.OnOpenDocument(Path("p.kmv")));
  EXPECT_EQ(again.GetText().View(), m_document.GetText().View());
}

} // namespace
