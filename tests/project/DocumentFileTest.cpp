#include "DocumentTestSupport.h"
#include "FileAccess.h"
#include "KMVDocument.h"
#include "ModuleFakes.h"
#include "ProjectFakes.h"

namespace {

std::string Scrambled(std::string text)
{
  Scramble(text.data(), text.size());
  return text;
}

class DocumentFile : public TempFolderTest {
protected:
  void SetUp() override
  {
    TempFolderTest::SetUp();
    m_document.SetMessageSink(&m_messages);
  }
  // Opens a built-in model as the template does: the title first.
  bool OpenModel(CKMVDocument& document, const std::string& name)
  {
    document.SetTitle(name);
    return document.OnNewDocument();
  }
  bool MessageStartsWith(const std::string& start) const
  {
    return m_messages.texts.size() == 1 && m_messages.texts[0].rfind(start, 0) == 0;
  }

  CMessageRecorder m_messages;
  CKMVDocument m_document;
};

TEST_F(DocumentFile, SavedBuiltInModelOpensWithTheSameText)
{
  ASSERT_TRUE(OpenModel(m_document, "*Pilot B1"));
  ASSERT_TRUE(m_document.SaveAs(Path("b1.kmv")));
  // The file is the scrambled text and nothing else.
  EXPECT_EQ(ReadBytes("b1.kmv"), Scrambled(std::string(m_document.GetText().View())));
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"b1.kmv"});
  CKMVDocument reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(Path("b1.kmv")));
  EXPECT_EQ(reopened.GetText().View(), m_document.GetText().View());
  EXPECT_EQ(reopened.GetTitle(), "b1.kmv");
  EXPECT_FALSE(reopened.IsModified());
  EXPECT_TRUE(m_messages.texts.empty());
}

// A title with a star names a built-in model, which has no file; any other
// title starts an empty project.
TEST_F(DocumentFile, TitleChoosesTheModelOrAnEmptyProject)
{
  ASSERT_TRUE(OpenModel(m_document, "*Pilot B2"));
  EXPECT_EQ(m_document.GetTitle(), "Pilot B2");
  EXPECT_EQ(m_document.GetPathName(), "");
  EXPECT_EQ(m_document.Save(), SaveStatus::NeedsName);
  EXPECT_FALSE(m_document.BeginStoreSettings());
  EXPECT_TRUE(m_messages.texts.empty());
  CKMVDocument empty;
  ASSERT_TRUE(OpenModel(empty, "Projekt1"));
  std::string_view text = empty.GetText().View();
  EXPECT_EQ(text.substr(0, text.find('\n')), "begin-sim-data Project  _ 1 1 0 ");
  EXPECT_NE(text.find("\nend-sim-data\nbegin-sim-module\nCAD1 _ "), std::string_view::npos);
  EXPECT_EQ(empty.GetSensorValues().height, 0.0);
  for (const char* name : {"*Pilot X9", "*", "*pilot b1"}) {
    CKMVDocument document;
    document.SetMessageSink(&m_messages);
    EXPECT_FALSE(OpenModel(document, name)) << name;
  }
  EXPECT_EQ(m_messages.texts, std::vector<std::string>(3, "Daten sind in der Bibliothek nicht verf\xFCgbar."));
}

TEST_F(DocumentFile, UnreadableEmptyOrGarbageFileFailsAndStaysUntouched)
{
  const std::pair<const char*, std::string> files[] = {
      {"empty.kmv", ""},
      {"garbage.kmv", std::string("\x01\x02\xFF garbage\n\0\n", 13)},
      {"plain.kmv", kSensorProject},                                             // never scrambled
      {"modules.kmv", Scrambled("begin-sim-module\nMH1 P.H\nend-sim-module\n")}, // no entry
  };
  for (const auto& [name, bytes] : files) {
    WriteBytes(name, bytes);
    CKMVDocument document;
    document.SetMessageSink(&m_messages);
    EXPECT_FALSE(document.OnOpenDocument(Path(name))) << name;
    EXPECT_EQ(ReadBytes(name), bytes) << name;
    EXPECT_TRUE(document.GetPathName().empty());
  }
  ASSERT_EQ(m_messages.texts.size(), 4u);
  for (const std::string& text : m_messages.texts)
    EXPECT_EQ(text.rfind(kOpenDocumentError, 0), 0u) << text;
  m_messages.texts.clear();
  EXPECT_FALSE(m_document.OnOpenDocument(Path("missing.kmv")));
  EXPECT_FALSE(m_document.OnOpenDocument(m_dir.string()));
  // Refused before anything is read into memory.
  WriteBytes("huge.kmv", "");
  std::filesystem::resize_file(Path("huge.kmv"), static_cast<std::uintmax_t>(kMaxFileSize) + 1);
  EXPECT_FALSE(m_document.OnOpenDocument(Path("huge.kmv")));
  ASSERT_EQ(m_messages.texts.size(), 3u);
  EXPECT_EQ(m_messages.texts[2], "Die Datei " + Path("huge.kmv") + " ist zu gro\xDF.");
}

TEST_F(DocumentFile, FormatErrorOpensButSaveDoesNotReplaceTheOriginalNorAFailedSaveAsItsName)
{
  std::string source = kSensorProject;
  source.insert(source.find("\nend-group"), std::string("\n\0 x", 4));
  WriteBytes("p.kmv", Scrambled(source));
  ASSERT_TRUE(m_document.OnOpenDocument(Path("p.kmv")));
  EXPECT_EQ(m_document.GetFormatErrorLine(), 10);
  EXPECT_TRUE(MessageStartsWith("Formatfehler in Zeile 10 von " + Path("p.kmv") + ".\n"));
  // The modules are read all the same.
  EXPECT_NE(m_document.GetText().View().find("\nMH2 Projekt.Hoehe 1.000000000000000e-001 \n"), std::string::npos);
  m_messages.texts.clear();
  m_document.SetModifiedFlag();
  EXPECT_EQ(m_document.Save(), SaveStatus::NeedsName);
  EXPECT_TRUE(MessageStartsWith("Das Projekt wurde wegen eines Formatfehlers"));
  EXPECT_EQ(ReadBytes("p.kmv"), Scrambled(source));
  EXPECT_TRUE(m_document.IsModified());
  // "Speichern unter" still works, and the new file is the document's own;
  // one that fails keeps the old name and the modified flag.
  m_messages.texts.clear();
  EXPECT_FALSE(m_document.SaveAs(Path("none/q.kmv")));
  EXPECT_TRUE(MessageStartsWith("Fehler beim Speichern von " + Path("none/q.kmv") + ": "));
  EXPECT_EQ(m_document.GetPathName(), Path("p.kmv"));
  EXPECT_TRUE(m_document.IsModified());
  ASSERT_TRUE(m_document.SaveAs(Path("neu.kmv")));
  EXPECT_EQ(m_document.GetFormatErrorLine(), 0);
  EXPECT_EQ(m_document.Save(), SaveStatus::Saved);
  EXPECT_EQ(ReadBytes("p.kmv"), Scrambled(source));
}

TEST_F(DocumentFile, OpenMakesTheFolderCurrentAndSaveKeepsTreeStatesWithoutTreeView)
{
  std::filesystem::create_directories(m_dir / "sub");
  WriteBytes("sub/p.txt", kSensorProject);
  ASSERT_TRUE(m_document.OnOpenDocument(Path("sub/p.txt"), FileForm::Plain));
  EXPECT_EQ(std::filesystem::current_path(), m_dir / "sub");
  EXPECT_EQ(m_document.Save(), SaveStatus::Saved);
  EXPECT_NE(ReadBytes("sub/p.txt").find("begin-group Raum Projekt Besprechungs_raum 1 0 32 \n"), std::string::npos);
}

} // namespace
