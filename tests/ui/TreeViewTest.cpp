#include "DocumentViews.h"
#include "EntryEditor.h"
#include "ItemImport.h"
#include "KMVDocument.h"
#include "KMVTreeView.h"
#include "Messages.h"
#include "ModuleCommands.h"
#include "modules/ModuleFakes.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Two groups with entries, then a library.
const std::string kProjectText =
    "begin-sim-data Projekt  _ 1 1 0 \n"
    "begin-group Raum Projekt _ 1 1 0 \nenable Licht Raum _ 1 1 0 \nword Stufe Raum _ 1 1 3 0 5 \nend-group\n"
    "begin-group Flur Projekt _ 1 1 0 \nenable T\xFCr Flur _ 1 1 1 \nend-group\n"
    "library Szene Projekt _ 1 1 0 0 0 0 0 0 0 SceneB1 \nend-sim-data\n";

// Records the entries whose properties were opened; nothing is changed.
class CEditRecorder : public CEntryEditor {
public:
  bool Change(CItemBase& entry, int, EntryAccess) override
  {
    edited.push_back(entry.m_strName);
    return false;
  }
  std::vector<std::string> edited;
};

// Names with "*" for bold and "+" for expanded, children in parentheses.
std::string Outline(const QTreeWidgetItem& item)
{
  std::string text = item.text(0).toStdString();
  if (item.font(0).bold())
    text += "*";
  if (item.isExpanded())
    text += "+";
  if (item.childCount() == 0)
    return text;
  text += "(";
  for (int i = 0; i < item.childCount(); ++i)
    text += (i ? " " : "") + Outline(*item.child(i));
  return text + ")";
}

std::vector<QTreeWidgetItem*> AllItems(QTreeWidget& tree)
{
  std::vector<QTreeWidgetItem*> items;
  for (QTreeWidgetItemIterator it(&tree); *it; ++it)
    items.push_back(*it);
  return items;
}

QTreeWidgetItem* Named(QTreeWidget& tree, const char* name)
{
  QList<QTreeWidgetItem*> found = tree.findItems(QString::fromUtf8(name), Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.front();
}

// Entries the tree must show: all but includes, libraries and their contents.
void CollectShown(const CItemGroup& group, std::set<const CItemBase*>& shown)
{
  for (const auto& child : group.Children()) {
    if (dynamic_cast<const CItemImport*>(child.get()))
      continue;
    shown.insert(child.get());
    if (const CItemGroup* inner = child->AsGroup())
      CollectShown(*inner, shown);
  }
}

class TreeView : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_document.SetMessageSink(&m_messages);
    m_document.SetEntryEditor(&m_editor);
    m_view.resize(300, 300);
    m_view.show();
  }
  void Open(const std::string& text)
  {
    m_text.Assign(text);
    ASSERT_TRUE(m_document.GetProject().Load(m_text).IsOk());
    m_view.OnInitialUpdate();
  }
  void OpenModel(const char* title)
  {
    m_document.SetTitle(title);
    ASSERT_TRUE(m_document.OnNewDocument());
    m_view.OnInitialUpdate();
  }
  std::string Outline() { return m_view.topLevelItemCount() ? ::Outline(*m_view.topLevelItem(0)) : ""; }
  // Every item leads to a live entry that owns it, and every shown entry has one.
  void ExpectItemsMatchEntries()
  {
    std::set<const CItemBase*> shown{&m_document.GetProject().GetRoot()};
    CollectShown(m_document.GetProject().GetRoot(), shown);
    std::vector<QTreeWidgetItem*> items = AllItems(m_view);
    EXPECT_EQ(items.size(), shown.size());
    for (QTreeWidgetItem* item : items) {
      const CItemBase* entry = CKMVTreeView::StoredEntry(*item);
      ASSERT_TRUE(shown.count(entry)) << item->text(0).toStdString();
      EXPECT_EQ(entry->m_hTreeItem, reinterpret_cast<TreeItemHandle>(item));
    }
  }

  CMessageRecorder m_messages;
  CEditRecorder m_editor;
  CTextBuffer m_text;
  CKMVDocument m_document;
  CKMVTreeView m_view{m_document};
};

// The first fill shows the root bold and open, its groups closed, no
// imports; a rebuild keeps exactly the groups expanded.
TEST_F(TreeView, FillHidesImportsAndRebuildKeepsExactlyTheExpandedGroups)
{
  const std::pair<const char*, const char*> cases[] = {
      {"", "Projekt*+(Raum(Licht Stufe) Flur(T\xC3\xBCr))"},
      {"Raum", "Projekt*+(Raum+(Licht Stufe) Flur(T\xC3\xBCr))"},
  };
  for (const auto& [group, expected] : cases) {
    Open(kProjectText);
    if (*group) {
      Named(m_view, group)->setExpanded(true);
      m_view.OnUpdate(0);
    }
    EXPECT_EQ(Outline(), expected) << group;
  }
}

// Where a click lands, relative to an item's row.
enum class Spot { Label, Button, Indentation, RightOfLabel, Below };

QPoint PointAt(CKMVTreeView& view, const char* name, Spot spot)
{
  QRect row = view.visualItemRect(Named(view, name));
  int y = row.center().y();
  switch (spot) {
  case Spot::Label:
    return row.center();
  case Spot::Button:
    return {row.left() - view.indentation() / 2, y};
  case Spot::Indentation:
    return {view.indentation() / 2, y};
  case Spot::RightOfLabel:
    return {view.viewport()->width() - 3, y};
  case Spot::Below:
    break;
  }
  return {10, view.viewport()->height() - 3};
}

// A double click as the window system delivers it: press, release, double
// click, release.
void DoubleClick(QWidget* viewport, QPoint point)
{
  QTest::mousePress(viewport, Qt::LeftButton, {}, point);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, point);
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, point);
}

TEST_F(TreeView, DoubleAndRightClicksAndEnterOpenPropertiesOfTheRowAndNeverToggle)
{
  enum class Input { DoubleClick, RightClick, Return, Enter };
  struct Case {
    Input input;
    const char* item;
    Spot spot; // of a click
    std::vector<std::string> edited;
  };
  const Case cases[] = {
      {Input::DoubleClick, "Raum", Spot::Button, {"Raum"}},
      {Input::DoubleClick, "Raum", Spot::Label, {"Raum"}},
      {Input::DoubleClick, "Flur", Spot::Indentation, {"Flur"}},
      {Input::DoubleClick, "Flur", Spot::RightOfLabel, {"Flur"}},
      {Input::DoubleClick, "Raum", Spot::Below, {}},
      {Input::RightClick, "Licht", Spot::Label, {"Licht"}},
      {Input::RightClick, "Raum", Spot::Button, {"Raum"}},
      {Input::RightClick, "Raum", Spot::Below, {}},
      {Input::Return, "Licht", Spot::Label, {"Licht"}},
      {Input::Enter, "Raum", Spot::Label, {"Raum"}},
      {Input::Return, "Flur", Spot::Label, {"Flur"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.input)) + " " + c.item + " " + std::to_string(int(c.spot)));
    m_editor.edited.clear();
    Open(kProjectText);
    Named(m_view, "Raum")->setExpanded(true);
    QPoint point = PointAt(m_view, c.item, c.spot);
    if (c.input == Input::DoubleClick) {
      DoubleClick(m_view.viewport(), point);
    } else if (c.input == Input::RightClick) {
      QTest::mouseClick(m_view.viewport(), Qt::RightButton, {}, point);
    } else {
      m_view.setCurrentItem(Named(m_view, c.item));
      QTest::keyClick(&m_view, c.input == Input::Return ? Qt::Key_Return : Qt::Key_Enter);
    }
    EXPECT_EQ(m_editor.edited, c.edited);
    EXPECT_TRUE(Named(m_view, "Raum")->isExpanded());
    EXPECT_FALSE(Named(m_view, "Flur")->isExpanded());
    EXPECT_EQ(m_view.GetSelectedItem() != 0, !c.edited.empty());
    EXPECT_TRUE(m_messages.texts.empty());
  }
}

TEST_F(TreeView, HintOneWithoutReplacedEntriesLeavesItemsSelectionAndScrolling)
{
  Open(kProjectText);
  m_view.resize(200, 60);
  m_view.expandAll();
  m_view.setCurrentItem(Named(m_view, "T\xC3\xBCr"));
  m_view.scrollToBottom();
  std::vector<QTreeWidgetItem*> items = AllItems(m_view);
  TreeItemHandle selected = m_view.GetSelectedItem();
  int scroll = m_view.verticalScrollBar()->value();
  ASSERT_GT(scroll, 0);
  m_view.OnUpdate(kHintTreeUnchanged);
  EXPECT_EQ(AllItems(m_view), items);
  EXPECT_EQ(m_view.GetSelectedItem(), selected);
  EXPECT_EQ(m_view.verticalScrollBar()->value(), scroll);
}

// The model runs the detection module after every step; its results group
// is emptied and refilled each time.
class DetectionTreeView : public TreeView {
protected:
  void SetUp() override
  {
    TreeView::SetUp();
    OpenModel("*Pilot B1");
    CProject& project = m_document.GetProject();
    CItemBase* results = project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[13]);
    ASSERT_TRUE(results && results->AsGroup() && !results->AsGroup()->Children().empty());
    Named(m_view, "Einstellungen")->setExpanded(false);
    Named(m_view, "Halterung")->setExpanded(true);
  }
  // Expanded state of every item outside the results group, by name.
  std::map<std::string, bool> ExpandedOutsideResults()
  {
    std::map<std::string, bool> states;
    for (QTreeWidgetItem* item : AllItems(m_view))
      if (!item->parent() || item->parent()->text(0) != "Ergebnis")
        states[item->text(0).toStdString()] = item->isExpanded();
    return states;
  }
};

TEST_F(DetectionTreeView, StepReplacesOnlyTheResultItems)
{
  m_view.setCurrentItem(Named(m_view, "Halterung"));
  TreeItemHandle selected = m_view.GetSelectedItem();
  std::map<std::string, bool> states = ExpandedOutsideResults();
  // A sensor step reruns the module; the frame passes the document's hint on.
  ASSERT_GE(m_document.RunModuleCommand(6, false).status, 0);
  m_view.OnUpdate(kHintTreeUnchanged);
  ExpectItemsMatchEntries();
  EXPECT_EQ(ExpandedOutsideResults(), states);
  EXPECT_TRUE(Named(m_view, "Ergebnis")->isExpanded());
  EXPECT_EQ(m_view.GetSelectedItem(), selected);
}

// A run that no view heard of leaves items of deleted entries: the
// document's command never lets one reach the editor; the view's operation
// first points the item at the new entry of the same name.
TEST_F(DetectionTreeView, StaleItemNeverReachesTheEditor)
{
  const std::pair<std::function<void()>, std::vector<std::string>> routes[] = {
      {[this] { m_document.OnCommand(ID_EDIT_PROPERTIES); }, {}},
      {[this] { m_view.OpenProperties(); }, {"Poly1"}},
  };
  for (const auto& [open, edited] : routes) {
    m_editor.edited.clear();
    ASSERT_GE(m_document.GetProject().RunModule(2).status, 0);
    m_view.setCurrentItem(Named(m_view, "Ergebnis")->child(0));
    open();
    EXPECT_EQ(m_editor.edited, edited);
    EXPECT_TRUE(m_messages.texts.empty());
  }
  ExpectItemsMatchEntries();
}

// A rerun keeps every result item that looks as before, so the tree is not
// drawn anew; a missing one is added alone, in its place, and the tree
// shows what a rebuild would.
TEST_F(DetectionTreeView, RerunKeepsResultItemsThatLookTheSame)
{
  for (bool dropOne : {false, true}) {
    QTreeWidgetItem* results = Named(m_view, "Ergebnis");
    if (dropOne)
      delete results->child(1);
    m_view.setCurrentItem(results->child(0));
    std::vector<QTreeWidgetItem*> items = AllItems(m_view);
    ASSERT_GE(m_document.RunModuleCommand(2, false).status, 0);
    m_view.OnUpdate(kHintTreeUnchanged);
    ExpectItemsMatchEntries();
    std::vector<QTreeWidgetItem*> after = AllItems(m_view);
    EXPECT_EQ(after.size(), items.size() + dropOne);
    EXPECT_EQ(std::count_if(items.begin(), items.end(),
                            [&](auto* item) { return std::count(after.begin(), after.end(), item); }),
              static_cast<long>(items.size()));
    EXPECT_EQ(m_view.currentItem(), Named(m_view, "Ergebnis")->child(0));
    std::string outline = Outline();
    m_view.OnUpdate(0);
    EXPECT_EQ(Outline(), outline);
  }
}

} // namespace
