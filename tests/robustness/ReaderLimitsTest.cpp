// The bounds that keep a small or hostile file from taking unbounded memory.
#include "ItemGroup.h"
#include "ProjectReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kHead = "begin-sim-data P  _ 1 1 0 \n";

std::string Lattice(int index)
{
  return "pointmatrix M" + std::to_string(index) +
         " P _ 1 1 1 2 3 0 0 0 0.5 0.5 0.5 0.25 0.25 0.25 1 1 1 0 1000 1000 1 1 \n";
}

int LoadedEntries(const std::string& text, CParseContext& context, bool& ok)
{
  CItemGroup root;
  ok = Parse(text, root, context);
  return static_cast<int>(root.Children().size());
}

// Four of the largest lattices fill the bound; an arc passes it (a fifth
// lattice is the fuzz regression input lattice-bomb).
TEST(GeneratedPoints, TheEntryThatPassesTheBoundIsAFormatError)
{
  std::string text = kHead;
  for (int i = 0; i < 4; ++i)
    text += Lattice(i);
  text += "pointarc A P _ 1 1 1 2 3 0 0 0 0.5 0.5 0.5 0.25 0.25 0.25 1 1 1 1 1000 1 1 1 0 90 \n";
  CParseContext context;
  bool ok = true;
  EXPECT_EQ(LoadedEntries(text, context, ok), 4);
  EXPECT_FALSE(ok);
  EXPECT_EQ(context.m_nErrorLine, 6);
}

// Neither unknown words nor refused records count as entries.
TEST(EntryCount, TheEntryPastTheBoundIsAFormatErrorAndUnknownWordsOrRefusedRecordsAreNot)
{
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "a million entries take too long under the address sanitizer; the release tree runs this";
#endif
  std::string text = kHead + "enable\n";
  const std::string record = "enable e P _ 1 1 1\n";
  text.reserve(text.size() + record.size() * (kMaxEntryCount + 1) + 16);
  for (int i = 0; i < kMaxEntryCount; ++i)
    text += record;
  text += "unknown word\n";
  text += record;
  CParseContext context;
  bool ok = true;
  EXPECT_EQ(LoadedEntries(text, context, ok), kMaxEntryCount);
  EXPECT_FALSE(ok);
  EXPECT_EQ(context.m_nErrorLine, kMaxEntryCount + 4);
}

} // namespace
