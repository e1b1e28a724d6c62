#include "Project.h"
#include "ItemDouble.h"
#include "ItemSystem.h"
#include "KMVDocument.h"
#include "ModuleFakes.h"
#include "ProjectFakes.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

namespace {

bool Holds(const CTextBuffer& text, const std::string& part)
{
  return text.View().find(part) != std::string_view::npos;
}

TEST(ProjectLoad, WritesTheTextBackUnchangedThenPushesLinks)
{
  CTextBuffer text;
  text.Assign(kSensorProject);
  CProject project;
  EXPECT_TRUE(project.Load(text).IsOk());
  EXPECT_EQ(text.View(), kSensorProject);
  auto& sensor = static_cast<CItemSystem&>(*project.GetRoot().FindByPath("Projekt.Raum.Sensor"));
  EXPECT_EQ(sensor.m_matrix[14], 2.0); // pushed after writing, transforms updated
  project.Refresh();
  EXPECT_TRUE(Holds(text, "Montage 0 1 0 1.000000000000000e+000 0.000000000000000e+000 2.000000000000000e+000"));
}

TEST(ProjectLoad, TextWithoutEntriesStaysAsReadAndConfiguresAndRunsNothing)
{
  const std::string source = "begin-sim-module\nMH1 P.h\nend-sim-module\n";
  CTextBuffer text;
  text.Assign(source);
  CProject project;
  EXPECT_TRUE(project.Load(text).IsOk());
  EXPECT_EQ(text.View(), source);
  EXPECT_EQ(project.GetModules().m_mh1.m_strPath, "");
  // Without entries, or without a text, there is nothing to run on or to write into.
  EXPECT_EQ(project.RunModule(6).status, kModuleFailed);
  EXPECT_EQ(CProject().RunModule(6).status, kModuleFailed);
}

class ProjectEdit : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_text.Assign(kSensorProject);
    m_project.SetMessageSink(&m_messages);
    m_project.SetEntryEditor(&m_editor);
    m_project.Load(m_text);
    m_project.RebuildTree(m_tree);
  }

  CTextBuffer m_text;
  CMessageRecorder m_messages;
  CFakeEntryEditor m_editor;
  CFakeTree m_tree;
  CProject m_project;
};

TEST_F(ProjectEdit, OnlyAConfirmedChangeOfAnEntryInTheTreeRewritesTheText)
{
  EXPECT_FALSE(m_project.EditSelected(m_tree));
  EXPECT_EQ(m_messages.texts, std::vector<std::string>{"\"Zum \xC4ndern der Eigenschaften eines Projekteintrags\n"
                                                       "diesen  mit der linken Maustaste markieren!\""});
  EXPECT_EQ(m_editor.calls, 0);
  m_tree.selected = m_tree.Find("Zahl");
  m_editor.apply = [](CItemBase& entry) { static_cast<CItemDouble&>(entry).m_value = 3.5; };
  m_editor.confirm = false;
  m_text.Assign("alt");
  EXPECT_FALSE(m_project.EditSelected(m_tree));
  EXPECT_EQ(m_text.View(), "alt");
  m_editor.confirm = true;
  EXPECT_TRUE(m_project.EditSelected(m_tree));
  EXPECT_NE(m_text.View().find("double Zahl Sensor _ 1 1 3.500000000000000e+000 "), std::string::npos);
  // Entries outside the tree are not edited: one of another tree, or a
  // selected item whose entry a load has removed.
  CItemDouble stranger;
  EXPECT_FALSE(m_project.EditEntry(stranger));
  CTextBuffer other;
  other.Assign("begin-sim-data Neu  _ 1 1 0 \nend-sim-data");
  m_project.Load(other);
  EXPECT_FALSE(m_project.EditSelected(m_tree));
  EXPECT_EQ(m_editor.calls, 2);
}

TEST(ResultEntries, OpenReadOnlyForCAD1RefillsThem)
{
  CKMVDocument document;
  document.SetTitle("*Pilot B1");
  ASSERT_TRUE(document.OnNewDocument());
  CFakeEntryEditor editor;
  document.SetEntryEditor(&editor);
  CProject& project = document.GetProject();
  CItemBase* results = project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[13]);
  ASSERT_TRUE(results && results->AsGroup() && !results->AsGroup()->Children().empty());
  EXPECT_FALSE(project.EditEntry(*results->AsGroup()->Children().front()));
  EXPECT_EQ(editor.access, EntryAccess::ReadOnly);
  EXPECT_TRUE(project.EditEntry(*results));
  EXPECT_EQ(editor.access, EntryAccess::Editable);
}

TEST_F(ProjectEdit, RebuildKeepsExpandedStatesAndSaveTextStoresThem)
{
  ASSERT_EQ(m_tree.items.size(), 9u);
  EXPECT_TRUE(m_tree.items[0].bold && m_tree.items[0].expanded);
  EXPECT_TRUE(m_tree.items[m_tree.Find("Raum") - 1].expanded);
  m_tree.items[m_tree.Find("Sensor") - 1].expanded = true; // the user opens Sensor
  m_project.RebuildTree(m_tree);
  EXPECT_EQ(m_tree.items.size(), 9u);
  EXPECT_TRUE(m_tree.items[m_tree.Find("Sensor") - 1].expanded);
  m_project.SaveText(m_tree);
  EXPECT_NE(m_text.View().find("begin-system Sensor Raum Montage 0 1 32 "), std::string::npos);
}

} // namespace
