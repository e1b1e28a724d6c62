#include "ItemSystem.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A literal with its NUL bytes.
template <size_t N> std::string Bytes(const char (&text)[N])
{
  return std::string(text, N - 1);
}

size_t CountEntries(const CItemGroup& group)
{
  size_t count = 0;
  for (const auto& child : group.Children()) {
    ++count;
    if (const CItemGroup* inner = child->AsGroup())
      count += CountEntries(*inner);
  }
  return count;
}

} // namespace

TEST(Reader, DataBlockAndRootName)
{
  CParsedTree tree("enable Before X _ 1 1 1 \n"
                   "begin-sim-data\n"
                   "enable Inside Projekt _ 1 1 1 \n"
                   "sphere a b c 1 1 \n"
                   "disk a b c 1 1 \n"
                   "arc a b c 1 1 \n"
                   "modul x \n"
                   "unknown-word x y \n"
                   "end-sim-data\n"
                   "begin-sim-module\n"
                   "enable After X _ 1 1 1 \n"
                   "end-sim-module\n");
  EXPECT_TRUE(tree.ok);
  EXPECT_EQ(tree.root.m_strName, "Projekt");
  ASSERT_EQ(tree.root.Children().size(), 1u);
  EXPECT_EQ(tree.root.Children()[0]->m_strName, "Inside");

  CParsedTree named("begin-sim-data Mein_Raum  Beschreibung 0 0 32 \nend-sim-data");
  EXPECT_EQ(named.root.m_strName, "Mein Raum");
  // The root's description, flags and tree state are not taken over.
  EXPECT_EQ(named.root.m_bActive, 1);
  EXPECT_EQ(named.root.m_nTreeState, 0);
}

TEST(Reader, NestingComesFromBeginAndEndKeywords)
{
  CParsedTree tree("begin-sim-data R  _ 1 1 0 \n"
                   "begin-system S R _ 1 1 0 1 2 3 0 0 90 \n"
                   "begin-group G S _ 1 1 32 \n"
                   "enable E G _ 1 1 1 \n"
                   "end-system\n"
                   "begin-group Bad S _ 1 1 \n"
                   "enable InS S _ 1 1 1 \n"
                   "end-group\n"
                   "end-group\n"
                   "end-group\n"
                   "enable Top R _ 1 1 1 \n"
                   "end-sim-data");
  EXPECT_TRUE(tree.ok);
  EXPECT_NE(tree.root.FindByPath("R.S.G.E"), nullptr);
  // The rejected begin line opened nothing; its end keyword closed S.
  EXPECT_NE(tree.root.FindByPath("R.S.InS"), nullptr);
  EXPECT_EQ(tree.root.FindByPath("R.S.Bad"), nullptr);
  // The surplus end keyword above the root is ignored.
  EXPECT_NE(tree.root.FindByPath("R.Top"), nullptr);
  auto* system = EntryAt<CItemSystem>(tree.root, "R.S");
  ASSERT_NE(system, nullptr);
  EXPECT_EQ(system->m_position.y, 2);
  EXPECT_EQ(system->m_rotation.z, 90);
  EXPECT_EQ(EntryAt<CItemGroup>(tree.root, "R.S.G")->m_nTreeState, 32);
}

TEST(Reader, LineEndsBlanksAndNulBytes)
{
  CParsedTree crlf(
      "begin-sim-data R  _ 1 1 0 \r\nenable A R _ 1 1 1 \r\n\r\n\n  \t \nenable B R _ 1 1 1\rend-sim-data\r\n");
  EXPECT_TRUE(crlf.ok);
  EXPECT_EQ(crlf.root.Children().size(), 2u);

  CParsedTree cut("begin-sim-data R  _ 1 1 0 \nenable A R _ 1 1 1 \ndouble B R _ 1 1 1.5 0");
  EXPECT_TRUE(cut.ok);
  EXPECT_EQ(cut.root.Children().size(), 1u);

  CParsedTree nul(Bytes("begin-sim-data R  _ 1 1 0 \nenable A R _ 1 1 1 \n\0enable B R _ 1 1 1 \nenable C R _ 1 1 1 "));
  EXPECT_FALSE(nul.ok);
  EXPECT_EQ(nul.errorLine, 3);
  EXPECT_EQ(nul.root.Children().size(), 1u);

  CParsedTree mid(Bytes("begin-sim-data R  _ 1 1 0 \nenable A R _ 1 1 1\0 junk \nenable C R _ 1 1 1 "));
  EXPECT_TRUE(mid.ok);
  EXPECT_EQ(mid.root.Children().size(), 2u);
}

TEST(Reader, FormatErrorsKeepWhatWasReadAndNameTheLine)
{
  std::string longLine = "enable Long R " + std::string(5u << 20, 'x') + " 1 1 1 ";
  CParsedTree tooLong("begin-sim-data R  _ 1 1 0 \nenable A R _ 1 1 1 \n" + longLine + "\nenable B R _ 1 1 1 ");
  EXPECT_FALSE(tooLong.ok);
  EXPECT_EQ(tooLong.errorLine, 3);
  EXPECT_EQ(tooLong.root.Children().size(), 1u);

  // Lines far beyond the old 4096 limit, as long polygons write them, still read.
  std::string wide = "enable Wide R " + std::string(100000, 'd') + " 1 1 1 ";
  CParsedTree longOk("begin-sim-data R  _ 1 1 0 \n" + wide + "\nend-sim-data");
  EXPECT_TRUE(longOk.ok);
  EXPECT_EQ(longOk.root.Children().size(), 1u);
}

TEST(Reader, NestingDepthIsBounded)
{
  std::string text = "begin-sim-data R  _ 1 1 0 \n";
  for (int i = 0; i < 100000; ++i)
    text += "begin-group G R _ 1 1 0 \n";
  CParsedTree tree(text);
  EXPECT_FALSE(tree.ok);
  EXPECT_EQ(tree.errorLine, kMaxNestingDepth + 2);
  EXPECT_EQ(CountEntries(tree.root), static_cast<size_t>(kMaxNestingDepth));
}
