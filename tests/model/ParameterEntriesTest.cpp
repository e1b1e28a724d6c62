#include "ItemDouble.h"
#include "ItemEnable.h"
#include "ItemWord.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

TEST(ParameterRecords, NumbersSwitchesAndWords)
{
  CParsedTree tree(InProject("double Two P _ 1 1 1.0 2.0 \n"
                             "double Three P _ 1 1 1.0 +2.0 3e0 \n"
                             "enable Five P _ 1 1 5 \n"
                             "enable One P _ 1 1 1 \n"
                             "word W P _ 1 1 -1 65536 70000 "));
  ASSERT_TRUE(tree.ok);
  EXPECT_EQ(tree.root.FindChild("Two"), nullptr);
  auto* three = EntryAt<CItemDouble>(tree.root, "P.Three");
  ASSERT_NE(three, nullptr);
  EXPECT_EQ(three->m_min, 2.0);
  EXPECT_EQ(EntryAt<CItemEnable>(tree.root, "P.Five")->m_bValue, 0);
  EXPECT_EQ(EntryAt<CItemEnable>(tree.root, "P.One")->m_bValue, 1);
  auto* word = EntryAt<CItemWord>(tree.root, "P.W");
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(word->m_nValue, 65535);
  EXPECT_EQ(word->m_nLow, 0);
  EXPECT_EQ(word->m_nHigh, 70000 - 65536);
}

TEST(ParameterRecords, ChoicesKeepTheirOptions)
{
  CParsedTree tree(InProject("choice Three P _ 1 1 1 0 2 Wand Decke_hoch Ecke \n"
                             "choice Short P _ 1 1 0 0 3 Nur \n"
                             "choice None P _ 1 1 65535 65535 65535 \n"
                             "choice Many P _ 1 1 0 0 65534 a \n"
                             "choice Bare P _ 1 1 0 0 2"));
  auto* three = EntryAt<CItemChoice>(tree.root, "P.Three");
  ASSERT_NE(three, nullptr);
  EXPECT_EQ(three->GetOptionCount(), 3u);
  EXPECT_EQ(three->GetOption(1), "Decke hoch");
  auto* shortChoice = EntryAt<CItemChoice>(tree.root, "P.Short");
  ASSERT_NE(shortChoice, nullptr);
  EXPECT_EQ(shortChoice->GetOptionCount(), 4u);
  EXPECT_EQ(shortChoice->GetOption(0), "Nur");
  EXPECT_EQ(shortChoice->GetOption(1), "");
  EXPECT_EQ(shortChoice->GetOption(3), "");
  auto* none = EntryAt<CItemChoice>(tree.root, "P.None");
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(none->GetOptionCount(), 0u);
  // A count from the file drives no allocation.
  auto* many = EntryAt<CItemChoice>(tree.root, "P.Many");
  ASSERT_NE(many, nullptr);
  EXPECT_EQ(many->GetOptionCount(), 65535u);
  EXPECT_EQ(many->m_options.size(), 1u);
  // Three numbers with nothing after them are not a choice record.
  EXPECT_EQ(tree.root.FindChild("Bare"), nullptr);

  std::string text = tree.Write();
  EXPECT_NE(text.find("choice Three P _ 1 1 1 0 2 Wand Decke_hoch Ecke \n"), std::string::npos);
  EXPECT_NE(text.find("choice Short P _ 1 1 0 0 3 Nur    \n"), std::string::npos);
  EXPECT_NE(text.find("choice None P _ 1 1 65535 65535 65535 \n"), std::string::npos);
}

TEST(LinkEntries, PushOnceThenFollowTheTarget)
{
  CParsedTree tree(InProject("enable Lamp P _ 1 1 1 \n"
                             "enablelink Hide P _ 1 1 0 P.Lamp.@7 \n"
                             "enablelink Broken P _ 1 1 0 P.Nothing.@7 \n"
                             "doublelink Empty P _ 1 1 1 0 2 _ "));
  auto* lamp = EntryAt<CItemEnable>(tree.root, "P.Lamp");
  auto* hide = EntryAt<CItemEnableLink>(tree.root, "P.Hide");
  auto* broken = EntryAt<CItemEnableLink>(tree.root, "P.Broken");
  ASSERT_TRUE(lamp && hide && broken);
  EXPECT_TRUE(hide->ResolveLinks());
  EXPECT_EQ(lamp->m_bVisible, 0);
  lamp->m_bVisible = 1;
  EXPECT_TRUE(hide->ResolveLinks());
  EXPECT_EQ(lamp->m_bVisible, 1);
  EXPECT_FALSE(broken->ResolveLinks());
  EXPECT_EQ(broken->m_bLinked, 0);

  std::string text = tree.Write();
  EXPECT_NE(text.find("enablelink Hide P _ 1 1 1 P.Lamp.@7 "), std::string::npos);
  EXPECT_NE(text.find("enablelink Broken P _ 1 1 0 P.Nothing.@7 "), std::string::npos);
  EXPECT_NE(text.find("doublelink Empty P _ 1 1 1.000000000000000e+000 0.000000000000000e+000 "
                      "2.000000000000000e+000 _ "),
            std::string::npos);
}

TEST(LinkEntries, LargeGroupsResolveToTheFirstNamesakeAndFollowRenames)
{
  // Enough entries for the link pass to look names up through an index.
  std::string records;
  for (int i = 0; i < 20; ++i)
    records += "enable L" + std::to_string(i) + " P _ 1 1 1 \n";
  CParsedTree tree(InProject(records + "enable L5 P _ 1 1 1 \nenablelink Hide P _ 1 1 0 P.L5.@7 "));
  const auto& children = tree.root.Children();
  ASSERT_EQ(children.size(), 22u);
  CItemBase& first = *children[5];
  CItemBase& namesake = *children[20];
  auto* hide = EntryAt<CItemEnableLink>(tree.root, "P.Hide");
  ASSERT_TRUE(hide);
  tree.root.ResolveLinksOfTree();
  EXPECT_EQ(hide->GetTarget(), &first.m_bVisible);
  EXPECT_EQ(first.m_bVisible, 0);
  EXPECT_EQ(namesake.m_bVisible, 1);
  // A rename between passes is seen by the next one.
  first.m_strName = "Other";
  tree.root.ResolveLinksOfTree();
  EXPECT_EQ(hide->GetTarget(), &namesake.m_bVisible);
  EXPECT_EQ(tree.root.FindChild("L5"), &namesake);
}
