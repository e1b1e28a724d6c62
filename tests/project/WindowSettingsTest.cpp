#include "DocumentTestSupport.h"
#include "ExtDocument.h"
#include "FileAccess.h"
#include "ModuleFakes.h"

namespace {

// A head is mode and window count; each frame's record after it one int32.
std::string Int32s(std::initializer_list<std::int32_t> values)
{
  CSettingsArchive archive;
  for (std::int32_t value : values)
    archive.WriteInt32(value);
  return archive.GetBytes();
}

std::string Redirect(const std::string& name)
{
  CSettingsArchive archive;
  archive.WriteInt32(kSettingsRedirectMode);
  for (char c : name)
    archive.WriteUInt16(static_cast<unsigned char>(c));
  archive.WriteUInt16(0);
  return archive.GetBytes();
}

class WindowSettings : public TempFolderTest {
protected:
  void SetUp() override
  {
    TempFolderTest::SetUp();
    m_document.SetMessageSink(&m_messages);
    m_document.SetViews(&m_views);
  }
  std::int32_t NextRecord()
  {
    std::int32_t value = -1;
    EXPECT_NE(m_document.GetSettingsArchive(), nullptr);
    if (CSettingsArchive* archive = m_document.GetSettingsArchive()) {
      EXPECT_TRUE(archive->ReadInt32(value));
    }
    return value;
  }
  // Closing a document of p.kmv that saves its settings.
  bool BeginStore()
  {
    m_document.SetPathName(Path("p.kmv"));
    m_document.m_bSaveSettings = 1;
    return m_document.BeginStoreSettings();
  }

  CExtDocument m_document;
  CMessageRecorder m_messages;
  CViewsRecorder m_views;
};

TEST(SettingsPath, FolderAndBaseNameWithTheExtension)
{
  EXPECT_EQ(CExtDocument::SettingsPathFor("/a/b/Haus.kmv", "sty"), "/a/b/Haus.sty");
  EXPECT_EQ(CExtDocument::SettingsPathFor("/a.b/Haus", "sty"), "/a.b/Haus.sty");
  EXPECT_EQ(CExtDocument::SettingsPathFor("Haus.alt.kmv", "sty"), "Haus.alt.sty");
}

TEST_F(WindowSettings, EachModeGivesItsWindowsOrTheDefaultFrameSilently)
{
  WriteBytes("p.sty", Int32s({2, 2, 77}));
  EXPECT_EQ(m_document.ReadWindowSettings(Path("p.kmv")), 2);
  EXPECT_EQ(NextRecord(), 77);
  WriteBytes("p.sty", Int32s({1, 1}));
  EXPECT_EQ(m_document.ReadWindowSettings(Path("p.kmv")), 1);
  for (std::int32_t mode : {0, -5, 7, 2}) {
    WriteBytes("p.sty", Int32s({mode, 0}));
    EXPECT_EQ(m_document.ReadWindowSettings(Path("p.kmv")), 0) << mode;
    EXPECT_EQ(m_document.GetSettingsArchive(), nullptr);
    // A file keeps its version when it is written again.
    EXPECT_EQ(m_document.m_nSettingsVersion, mode);
  }
  // No file, no name, or a built-in model's title, which names no file.
  std::filesystem::current_path(m_dir);
  WriteBytes("*Pilot B1.sty", Int32s({2, 3}));
  for (const std::string& path : {Path("missing.kmv"), std::string(), std::string("*Pilot B1")}) {
    EXPECT_EQ(m_document.ReadWindowSettings(path), 0) << path;
    EXPECT_EQ(m_document.GetSettingsArchive(), nullptr);
  }
  EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(WindowSettings, DamagedFilesReadWithoutHarm)
{
  const std::string damaged[] = {
      std::string("\x02\x00", 2),           // truncated mode
      Int32s({2, 0}).substr(0, 6),          // truncated count
      Int32s({2, kMaxSettingsWindows + 1}), // more windows than any program opens
      Int32s({2, -1}),                      // negative count
      Redirect("b.sty").substr(0, 8),       // name without its zero unit
      Redirect(std::string(kMaxRedirectLength + 1, 'x')),
  };
  for (const std::string& bytes : damaged) {
    m_document.m_strSettingsRedirect = "stale";
    WriteBytes("p.sty", bytes);
    EXPECT_EQ(m_document.ReadWindowSettings(Path("p.kmv")), 0);
    EXPECT_EQ(m_document.m_nWindowCount, 0);
    EXPECT_EQ(m_document.m_strSettingsRedirect, "");
    EXPECT_EQ(m_document.m_bSettingsRedirect, 0);
    EXPECT_EQ(m_document.m_nSettingsVersion, kDefaultSettingsVersion);
  }
  EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(WindowSettings, RedirectionLeadsToTheWindowsOfTheNextFileUpToTheFifth)
{
  WriteBytes("p.sty", Redirect(Path("b.sty")));
  WriteBytes("b.sty", Int32s({2, 2, 5}));
  EXPECT_EQ(m_document.ReadWindowSettings(Path("p.kmv")), 2);
  EXPECT_EQ(NextRecord(), 5);
  EXPECT_EQ(m_document.m_bSettingsRedirect, 1);
  // The zero unit that ends the name is not part of it.
  EXPECT_EQ(m_document.m_strSettingsRedirect, Path("b.sty"));
  // A chain is followed to its fifth file and no further.
  for (int i = 1; i <= 5; ++i)
    WriteBytes("f" + std::to_string(i) + ".sty", Redirect(Path("f" + std::to_string(i + 1) + ".sty")));
  WriteBytes("f6.sty", Int32s({2, 1}));
  EXPECT_EQ(m_document.ReadWindowSettings(Path("f1.kmv")), 0);
  EXPECT_EQ(m_document.GetSettingsArchive(), nullptr);
  EXPECT_EQ(m_document.ReadWindowSettings(Path("f2.kmv")), 1);
  EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(WindowSettings, RedirectionThatCannotBeFollowedOrFileOverTheCapShowsMessage)
{
  WriteBytes("p.sty", Redirect(Path("missing.sty")));
  EXPECT_EQ(m_document.ReadWindowSettings(Path("p.kmv")), 0);
  EXPECT_EQ(m_messages.texts, std::vector<std::string>{kSettingsLoadError});
  WriteBytes("q.sty", Int32s({2, 1}));
  std::filesystem::resize_file(Path("q.sty"), static_cast<std::uintmax_t>(kMaxFileSize) + 1);
  EXPECT_EQ(m_document.ReadWindowSettings(Path("q.kmv")), 0);
  ASSERT_EQ(m_messages.texts.size(), 2u);
  EXPECT_NE(m_messages.texts[1].find("zu gro"), std::string::npos);
}

// The head, then each frame's record; a document read through a
// redirection writes the redirection again, every character sign-extended
// to 16 bits.
TEST_F(WindowSettings, ClosingWritesTheHeadThenTheRecordsOfTheFramesOrTheRedirection)
{
  m_views.frames = 3;
  ASSERT_TRUE(BeginStore());
  m_document.GetSettingsArchive()->WriteInt32(9);
  EXPECT_TRUE(m_document.EndStoreSettings());
  EXPECT_EQ(m_document.GetSettingsArchive(), nullptr);
  EXPECT_EQ(ReadBytes("p.sty"), Int32s({2, 3, 9}));
  EXPECT_EQ(m_document.ReadWindowSettings(Path("p.kmv")), 3);
  EXPECT_EQ(NextRecord(), 9);

  std::string name = Path("b.sty") + "\xE4";
  WriteBytes("p.sty", Redirect(name));
  m_document.ReadWindowSettings(Path("p.kmv"));
  ASSERT_TRUE(BeginStore());
  EXPECT_TRUE(m_document.EndStoreSettings());
  std::string expected = Redirect(name);
  expected[expected.size() - 3] = '\xFF';
  EXPECT_EQ(ReadBytes("p.sty"), expected);
}

// What stands there is kept, and nothing left behind, by the safe writer.
TEST_F(WindowSettings, FailedWriteShowsMessage)
{
  ASSERT_TRUE(BeginStore());
  // A folder in place of the file cannot be replaced.
  std::filesystem::create_directory(Path("p.sty"));
  EXPECT_FALSE(m_document.EndStoreSettings());
  ASSERT_EQ(m_messages.texts.size(), 1u);
  EXPECT_EQ(m_messages.texts[0].rfind(std::string(kSettingsSaveError) + "\nFehler beim Speichern von ", 0), 0u);
}

} // namespace
