#include "ItemCone.h"
#include "ItemDouble.h"
#include "ItemEnable.h"
#include "ItemPages.h"
#include "ItemPoint.h"
#include "ItemSystem.h"
#include "ItemWord.h"
#include "ModelTestSupport.h"
#include "RecordCursor.h"
#include "geometry/VectorExpect.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A new entry of the kind, named and added as the last child.
template <class T = CItemEnable> T* Add(CItemGroup& parent, const char* name)
{
  auto entry = std::make_unique<T>();
  entry->m_strName = name;
  T* raw = entry.get();
  parent.AddChild(std::move(entry));
  return raw;
}

} // namespace

TEST(RecordHead, WritesBlanksAsUnderscoresAndReadsThemBack)
{
  CItemGroup room;
  room.m_strName = "Raum 1";
  CItemEnable* light = Add(room, "T\xFCr links");
  CTextBuffer out;
  out.Append("x");
  light->WriteRecord(out, room.m_strName);
  EXPECT_EQ(out.View(), "x\nenable T\xFCr_links Raum_1 _ 1 1 1 ");

  CItemEnable back;
  std::string parentName;
  CRecordCursor line(out.View().substr(8));
  ASSERT_TRUE(back.ReadRecord(line, parentName));
  EXPECT_EQ(back.m_strName, "T\xFCr links");
  EXPECT_EQ(back.m_strDescription, " ");
  EXPECT_EQ(parentName, "Raum 1");
}

TEST(RecordHead, FlagsAndFieldCounts)
{
  CItemEnable entry;
  std::string parentName;
  CRecordCursor twoFlags(" a p d^x 1 2 1 ");
  ASSERT_TRUE(entry.ReadRecord(twoFlags, parentName));
  EXPECT_EQ(entry.m_bActive, 1);
  EXPECT_EQ(entry.m_bVisible, 0);
  EXPECT_EQ(entry.m_strDescription, "d^x");

  CItemEnable fourFields;
  CRecordCursor short4(" a p d 1");
  EXPECT_FALSE(fourFields.ReadRecord(short4, parentName));
  CRecordCursor empty("");
  EXPECT_FALSE(fourFields.ReadRecord(empty, parentName));
  // The kind's own field is missing.
  CRecordCursor noValue(" a p d 1 1");
  EXPECT_FALSE(fourFields.ReadRecord(noValue, parentName));
}

TEST(RecordHead, OverlongFieldsAreCut)
{
  CItemEnable entry;
  std::string parentName;
  std::string line =
      " " + std::string(1000, 'n') + " " + std::string(1000, 'p') + " " + std::string(5000, 'd') + " 1 1 1 ";
  CRecordCursor cursor(line);
  ASSERT_TRUE(entry.ReadRecord(cursor, parentName));
  EXPECT_EQ(entry.m_strName.size(), 64u);
  EXPECT_EQ(parentName.size(), 64u);
  EXPECT_EQ(entry.m_strDescription.size(), 256u);
  EXPECT_EQ(entry.m_bValue, 1);
}

TEST(Paths, FindEntriesAndFields)
{
  CItemGroup root;
  root.m_strName = "Root";
  CItemGroup* group = Add<CItemGroup>(root, "Group");
  CItemEnable* entry = Add(*group, "Entry");
  Add(*group, "Entry");

  EXPECT_EQ(root.FindByPath("Root"), &root);
  EXPECT_EQ(root.FindByPath("Root.Group.Entry"), entry);
  EXPECT_EQ(root.FindByPath("Other.Group"), nullptr);
  EXPECT_EQ(root.FindByPath("Root.Group.Entry.More"), nullptr);
  EXPECT_EQ(root.FindByPath("Root.group"), nullptr);

  EXPECT_EQ(root.LocateField("Root.Group.Entry.@7", kLinkSwitch).pField, &entry->m_bVisible);
  EXPECT_EQ(root.LocateField("Root.Group.Entry.@8", kLinkSwitch).pField, &entry->m_bActive);
  EXPECT_EQ(root.LocateField("Root.Group.Entry.@7", kLinkNumber).pField, nullptr);
  EXPECT_EQ(root.LocateField("Root.Group.@x", kLinkSwitch).pField, nullptr);
  EXPECT_EQ(root.LocateField("Root.Group.Entry", kLinkSwitch).pField, nullptr);
  // Locating registers nothing.
  EXPECT_EQ(entry->GetBackReferenceCount(), 0u);
}

TEST(Links, RegisterOnceAndLetGoOfDeletedTargets)
{
  CItemGroup root;
  root.m_strName = "Root";
  CItemGroup* group = Add<CItemGroup>(root, "Group");
  CItemEnable* target = Add(*group, "Entry");
  CLinkSlot first, second;
  ASSERT_TRUE(root.ResolveLink("Root.Group.Entry.@7", first, kLinkSwitch));
  ASSERT_TRUE(root.ResolveLink("Root.Group.Entry.@7", first, kLinkSwitch));
  ASSERT_TRUE(root.ResolveLink("Root.Group.Entry.@7", second, kLinkSwitch));
  EXPECT_EQ(target->GetBackReferenceCount(), 2u);
  EXPECT_EQ(first.pField, &target->m_bVisible);
  EXPECT_FALSE(root.ResolveLink("Root.Group.Entry.@7", first, kLinkNumber));
  EXPECT_EQ(first.pField, nullptr);
  EXPECT_EQ(target->GetBackReferenceCount(), 1u);

  group->RemoveAllChildren();
  EXPECT_EQ(second.pField, nullptr);
  EXPECT_EQ(second.pEntry, nullptr);
}

TEST(Links, LinkAndTargetMayGoInEitherOrder)
{
  // The links stand before their target, so that tearing the tree down
  // deletes the target first; the link added later goes before it.
  const char* text = "begin-sim-data Root  _ 1 1 0 \n"
                     "doublelink Height Root _ 1 1 2.5 0 4 Root.Mount.@3 \n"
                     "doublelink Again Root _ 1 1 3.5 0 4 Root.Mount.@3 \n"
                     "begin-system Mount Root _ 1 1 0 0 0 0 0 0 0 \n"
                     "end-system\n"
                     "end-sim-data";
  {
    CParsedTree tree(text);
    tree.root.ResolveLinksOfTree();
    auto* mount = EntryAt<CItemSystem>(tree.root, "Root.Mount");
    auto* height = EntryAt<CItemDoubleLink>(tree.root, "Root.Height");
    ASSERT_TRUE(mount && height);
    EXPECT_EQ(height->GetTarget(), &mount->m_position.z);
    // Each link pushes its own value once: the later one wins.
    EXPECT_EQ(mount->m_position.z, 3.5);
    mount->m_position.z = 1.25;
    EXPECT_NE(tree.Write().find("doublelink Height Root _ 1 1 1.250000000000000e+000"), std::string::npos);
  }
  {
    CParsedTree tree(text);
    tree.root.ResolveLinksOfTree();
    auto* mount = EntryAt<CItemSystem>(tree.root, "Root.Mount");
    auto link = std::make_unique<CItemDoubleLink>();
    link->m_strLinkPath = "Root.Mount.@3";
    tree.root.AddChild(std::move(link));
    tree.root.ResolveLinksOfTree();
    EXPECT_EQ(mount->GetBackReferenceCount(), 3u);
  }
}

TEST(ItemPage, RefusesSiblingNamesAndReplacesDots)
{
  CMessageRecorder messages;
  CItemGroup root;
  root.m_strName = "Root";
  CItemEnable* first = Add(root, "Eins");
  Add(root, "Zwei");

  CItemPage page;
  ASSERT_TRUE(first->ExchangeItemPage(page, false, &messages));
  EXPECT_EQ(page.name, "Eins");
  EXPECT_TRUE(page.flagsEnabled);
  page.name = "Zwei";
  page.visible = false;
  EXPECT_FALSE(first->ExchangeItemPage(page, true, &messages));
  EXPECT_EQ(first->m_strName, "Eins");
  EXPECT_EQ(first->m_bVisible, 1);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Der angegebene Name verursacht einen Fehler!"});

  page.name = "Eins.Zwei";
  ASSERT_TRUE(first->ExchangeItemPage(page, true, &messages));
  EXPECT_EQ(first->m_strName, "Eins Zwei");
  EXPECT_EQ(first->m_bVisible, 0);
  // Keeping its own name is no clash.
  ASSERT_TRUE(first->ExchangeItemPage(page, true, &messages));

  CInfoPage info{"Neu.Name", "Beschreibung"};
  ASSERT_TRUE(root.ExchangeInfoPage(info, true));
  EXPECT_EQ(root.m_strName, "Neu Name");
}

TEST(Systems, TransformsFollowTheRotationOrderAndTheContainers)
{
  CItemGroup root;
  auto outer = std::make_unique<CItemSystem>();
  outer->m_position = {1, 2, 3};
  auto inner = std::make_unique<CItemSystem>();
  inner->m_rotation = {90, 90, 0};
  CItemSystem* innerRaw = inner.get();
  CItemSystem* outerRaw = outer.get();
  outer->AddChild(std::move(inner));
  root.AddChild(std::move(outer));
  root.UpdateTransformsOfTree();

  EXPECT_EQ(outerRaw->m_inverse[13], -2);
  CVector p = TransformPoint(innerRaw->m_matrix, {1, 0, 0});
  ExpectNearVector({1, 2, 2}, p);
  ExpectNearVector({1, 0, 0}, TransformPoint(innerRaw->m_inverse, p));
}

// A cone in a system in a system.
struct CNestedFrames {
  CNestedFrames()
  {
    root.AddChild(std::make_unique<CItemSystem>());
    outer = static_cast<CItemSystem*>(root.Children().back().get());
    outer->AddChild(std::make_unique<CItemSystem>());
    inner = static_cast<CItemSystem*>(outer->Children().back().get());
    inner->AddChild(std::make_unique<CItemCone>());
    cone = static_cast<CItemCone*>(inner->Children().back().get());
  }
  CItemGroup root;
  CItemSystem* outer;
  CItemSystem* inner;
  CItemCone* cone;
};

// Passes skip what did not move, yet every matrix stays as a fresh tree
// computes it; also when a frame moved and back while only the entries
// below it were computed (as CAD1 moves the mount).
TEST(Systems, RepeatedPassesGiveTheMatricesOfAFreshTree)
{
  CNestedFrames kept;
  kept.root.UpdateTransformsOfTree();
  const std::pair<const char*, std::function<void(CNestedFrames&)>> changes[] = {
      {"none", [](CNestedFrames&) {}},
      {"outer moved",
       [](CNestedFrames& f) {
         f.outer->m_position = {1, 2, 3};
       }},
      {"inner turned",
       [](CNestedFrames& f) {
         f.inner->m_rotation = {0, 0, 30};
       }},
      {"cone moved",
       [](CNestedFrames& f) {
         f.cone->m_position = {0, 1, 0};
       }},
      {"outer moved and back",
       [](CNestedFrames& f) {
         f.outer->m_position.x = 7;
         f.outer->UpdateTransformsOfTree();
         f.outer->m_position.x = 1;
       }},
  };
  for (const auto& [name, change] : changes) {
    change(kept);
    kept.root.UpdateTransformsOfTree();
    CNestedFrames fresh;
    fresh.outer->m_position = kept.outer->m_position;
    fresh.inner->m_rotation = kept.inner->m_rotation;
    fresh.cone->m_position = kept.cone->m_position;
    fresh.root.UpdateTransformsOfTree();
    for (int i = 0; i < 16; ++i) {
      EXPECT_EQ(kept.inner->m_matrix[i], fresh.inner->m_matrix[i]) << name;
      EXPECT_EQ(kept.cone->m_matrix[i], fresh.cone->m_matrix[i]) << name;
      EXPECT_EQ(kept.cone->m_inverse[i], fresh.cone->m_inverse[i]) << name;
    }
  }
}

TEST(Paths, FieldNumbersOfPlacedEntries)
{
  CItemSystem system;
  CItemCone cone;
  const struct {
    CItemBase* entry;
    int number;
    int type;
    void* field;
  } cases[] = {
      {&system, 5, kLinkNumber, &system.m_rotation.y},
      {&system, 7, kLinkNumber, nullptr},
      {&cone, 3, kLinkNumber, &cone.m_position.z},
      {&cone, 4, kLinkNumber, &cone.m_rotation.x},
      {&cone, 8, kLinkSwitch, &cone.m_bActive},
      {&cone, 7, kLinkNumber, nullptr},
      {&cone, 1, kLinkSwitch, nullptr},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.entry->GetFieldAddress(c.number, c.type), c.field) << c.number << " " << c.type;
}

TEST(InsertDefaults, NamesCountOnPerKindAndFieldsReset)
{
  CItemDouble number;
  number.m_value = 5;
  number.SetInsertDefaults();
  EXPECT_EQ(number.m_value, 0.0);
  CItemPoint().SetInsertDefaults();
  CItemDouble next;
  next.SetInsertDefaults();
  ASSERT_EQ(number.m_strName.substr(0, 1), "x");
  EXPECT_EQ(next.m_strName, "x" + std::to_string(std::stoi(number.m_strName.substr(1)) + 1));
  CItemDoubleLink link;
  link.m_strLinkPath = "x";
  link.SetInsertDefaults();
  EXPECT_TRUE(link.m_strLinkPath.empty());

  for (Keyword kind : {Keyword::DoubleLink, Keyword::EnableLink, Keyword::Point, Keyword::PointMatrix,
                       Keyword::PointArc, Keyword::Polygon, Keyword::Rectangle, Keyword::Grid, Keyword::Arc2,
                       Keyword::Ellipsoid, Keyword::Cone, Keyword::Line, Keyword::Ellipse}) {
    std::unique_ptr<CItemBase> first = CreateEntry(kind);
    std::unique_ptr<CItemBase> second = CreateEntry(kind);
    first->SetInsertDefaults();
    second->SetInsertDefaults();
    EXPECT_FALSE(first->m_strName.empty()) << static_cast<int>(kind);
    EXPECT_NE(first->m_strName, second->m_strName) << first->m_strName;
  }
}

TEST(EffectiveFlags, WalkUpToTheRoot)
{
  CItemGroup root;
  CItemGroup* group = Add<CItemGroup>(root, "G");
  CItemEnable* leaf = Add(*group, "S");
  EXPECT_TRUE(leaf->IsActive() && leaf->IsVisible());
  group->m_bVisible = 0;
  EXPECT_FALSE(leaf->IsVisible());
  EXPECT_TRUE(leaf->IsActive());
  root.m_bActive = 0;
  EXPECT_FALSE(leaf->IsActive());
}
