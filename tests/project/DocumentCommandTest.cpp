#include "DocumentTestSupport.h"
#include "ItemDouble.h"
#include "KMVDocument.h"
#include "ModuleCommands.h"
#include "ModuleFakes.h"
#include "ProjectFakes.h"

#include <array>
#include <functional>
#include <set>

namespace {

// Every module has one configuring command; six sensor buttons step without
// a dialog.
TEST(ModuleCommandTable, EveryModuleHasOneConfiguringCommandAndSixButtonsStep)
{
  std::set<int> configured;
  int steps = 0;
  for (int id = 0; id < 0x10000; ++id)
    if (std::optional<ModuleCommand> command = MapCommand(id)) {
      EXPECT_TRUE(command->configure ? configured.insert(command->index).second : ++steps > 0) << id;
    }
  EXPECT_EQ(configured, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(steps, 6);
}

// kSensorProject: MH1, MH2 (+0.1) and MH3 (-0.1) on a height of 2.0 within
// [2, 4]; DW1, KW1 and the other step modules name no entry, so they fail.
class DocumentCommand : public TempFolderTest {
protected:
  void SetUp() override
  {
    TempFolderTest::SetUp();
    WriteBytes("p.txt", kSensorProject);
    m_document.SetMessageSink(&m_messages);
    m_document.SetViews(&m_views);
    m_document.SetModuleDialog(&m_dialog);
    m_document.SetEntryEditor(&m_editor);
    // The editor, when confirmed, sets the height to 3.
    m_editor.apply = [](CItemBase& entry) {
      auto& link = static_cast<CItemDoubleLink&>(entry);
      link.m_value = 3.0;
      *link.GetTarget() = 3.0;
    };
    ASSERT_TRUE(m_document.OnOpenDocument(Path("p.txt"), FileForm::Plain));
  }
  double Height() const { return m_document.GetSensorValues().height; }
  void SelectHeightInTree()
  {
    m_document.GetProject().RebuildTree(m_tree);
    m_document.SetTreeView(&m_tree);
    m_tree.selected = m_tree.Find("Hoehe");
  }

  CMessageRecorder m_messages;
  CViewsRecorder m_views;
  CFakeModuleDialog m_dialog;
  CFakeEntryEditor m_editor;
  CFakeTree m_tree;
  CKMVDocument m_document;
};

TEST_F(DocumentCommand, OpeningReadsTheValuesAndFailedRunsChangeNothing)
{
  EXPECT_EQ(Height(), 2.0);
  EXPECT_EQ(m_document.GetSensorValues().turn, 0.0);
  EXPECT_EQ(m_document.GetSensorValues().tilt, 0.0);
  const std::string before(m_document.GetText().View());
  for (int id : {32867, 32870, 32783, 32801})
    EXPECT_TRUE(m_document.OnCommand(id)) << id;
  EXPECT_EQ(m_document.RunModuleCommand(12, false).status, kModuleFailed);
  for (int index : {0, 1, -3}) {
    ModuleResult result = m_document.GetProject().RunModule(index);
    EXPECT_EQ(result.status, kModuleFailed) << index;
    EXPECT_EQ(result.value, 0.0) << index;
    EXPECT_EQ(m_document.GetProject().ReadModule(index).status, kModuleFailed) << index;
  }
  // A reading module read without the refresh gives what a run gives.
  ModuleResult read = m_document.GetProject().ReadModule(3);
  EXPECT_EQ(read.value, 2.0);
  EXPECT_EQ(read.status, m_document.GetProject().RunModule(3).status);
  EXPECT_EQ(m_document.GetText().View(), before);
  EXPECT_FALSE(m_document.IsModified());
  EXPECT_TRUE(m_views.hints.empty());
  EXPECT_FALSE(m_document.OnCommand(12345));
}

TEST_F(DocumentCommand, ConfiguredStepIsStoredAndAFailedConfiguredRunShowsItsBox)
{
  m_dialog.confirm = true;
  m_dialog.answer = {"", {"Projekt.Hoehe"}, true, 0.5};
  EXPECT_TRUE(m_document.OnCommand(ID_CONFIGURE_MH2));
  EXPECT_NE(m_document.GetText().View().find("\nMH2 Projekt.Hoehe 5.000000000000000e-001 \n"), std::string::npos);
  // A configured run that fails shows the module's box; without a tree view nothing is marked.
  m_dialog.answer.paths = {"Projekt.Raum"};
  EXPECT_EQ(m_document.RunModuleCommand(3, true).status, kModuleFailed);
  EXPECT_FALSE(m_document.EditProperties());
  ASSERT_EQ(m_messages.texts.size(), 2u);
  EXPECT_EQ(m_messages.texts[0], "Fehler im Modul CAD2");
}

TEST_F(DocumentCommand, SaveSettingsCommandToggles)
{
  EXPECT_EQ(m_document.m_bSaveSettings, 1);
  EXPECT_TRUE(m_document.OnCommand(ID_SAVE_SETTINGS));
  EXPECT_EQ(m_document.m_bSaveSettings, 0);
  EXPECT_FALSE(m_document.BeginStoreSettings());
  EXPECT_TRUE(m_document.OnCommand(ID_SAVE_SETTINGS));
  EXPECT_TRUE(m_document.BeginStoreSettings());
  EXPECT_TRUE(m_document.EndStoreSettings());
  EXPECT_TRUE(std::filesystem::exists(Path("p.sty")));
}

// Records each change handed to the log.
struct CChangeRecorder : CChangeLog {
  void RecordChange(const std::string& name, int key, std::string before, std::string after) override
  {
    changes.push_back({name, std::to_string(key), std::move(before), std::move(after)});
  }
  std::vector<std::array<std::string, 4>> changes;
};

// Each kind of change marks the document, rereads the values, updates the
// views with its hint (1: the tree is unchanged) and is one record, named by
// the outermost change, whose texts take the project back and forth; a
// change that alters nothing, or is cancelled, is none.
TEST_F(DocumentCommand, ChangesAreRecordedOnceWithTextsThatRestoreBothStates)
{
  struct Case {
    std::function<void(CKMVDocument&)> change;
    std::string nameAndKey;
    double height; // after the change; 0 for no record
    std::vector<int> hints;
  };
  const Case cases[] = {
      {[](CKMVDocument& d) { d.OnCommand(ID_HEIGHT_UP); }, "Berechnung 0", 2.1, {kHintTreeUnchanged}},
      {[](CKMVDocument& d) {
         CDocumentChange held(d, "erh\xF6hen", 7);
         d.OnCommand(ID_HEIGHT_UP), d.OnCommand(ID_HEIGHT_UP);
       },
       "erh\xF6hen 7",
       2.2,
       {kHintTreeUnchanged, kHintTreeUnchanged}},
      {[this](CKMVDocument& d) { m_dialog.confirm = true, d.OnCommand(ID_CONFIGURE_MH2); },
       "Berechnung 0",
       2.5,
       {kHintTreeUnchanged}},
      {[this](CKMVDocument& d) { m_editor.confirm = true, d.OnCommand(ID_EDIT_PROPERTIES); },
       "Eigenschaften 0",
       3.0,
       {0}},
      {[](CKMVDocument& d) { d.OnCommand(ID_TURN_RIGHT); }, "", 0.0, {}},
      {[this](CKMVDocument& d) { m_dialog.confirm = false, d.OnCommand(ID_CONFIGURE_MH2); }, "", 0.0, {}},
      {[this](CKMVDocument& d) { m_editor.confirm = false, d.OnCommand(ID_EDIT_PROPERTIES); }, "", 0.0, {}},
  };
  m_dialog.answer = {"", {"Projekt.Hoehe"}, true, 0.5};
  for (const Case& test : cases) {
    SCOPED_TRACE(&test - cases);
    ASSERT_TRUE(m_document.OnOpenDocument(Path("p.txt"), FileForm::Plain));
    CChangeRecorder log;
    m_document.SetChangeLog(&log);
    SelectHeightInTree();
    m_views.hints.clear();
    test.change(m_document);
    EXPECT_EQ(m_views.hints, test.hints);
    EXPECT_EQ(m_document.IsModified(), test.height != 0.0);
    ASSERT_EQ(log.changes.size(), test.height == 0.0 ? 0u : 1u);
    if (log.changes.empty())
      continue;
    EXPECT_DOUBLE_EQ(Height(), test.height);
    EXPECT_EQ(log.changes[0][0] + " " + log.changes[0][1], test.nameAndKey);
    m_document.SetTreeView(nullptr);
    m_document.RestoreText(log.changes[0][2]);
    EXPECT_DOUBLE_EQ(Height(), 2.0);
    m_document.RestoreText(log.changes[0][3]);
    EXPECT_DOUBLE_EQ(Height(), test.height);
    EXPECT_EQ(log.changes.size(), 1u);
  }
}

} // namespace
