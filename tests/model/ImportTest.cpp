#include "ItemDouble.h"
#include "ItemImport.h"
#include "ModelResources.h"
#include "ModelTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

constexpr const char* kZeros = "0 0 0 0 0 0";

class Includes : public TempFolderTest {
protected:
  void SetUp() override
  {
    TempFolderTest::SetUp();
    std::filesystem::create_directories(m_dir / "sub");
  }
  std::string Write(const std::string& name, const std::string& text)
  {
    WriteBytes(name, text);
    return Path(name);
  }
  static std::string IncludeLine(const char* name, const std::string& path)
  {
    return std::string("include ") + name + " R _ 1 1 0 " + kZeros + " " + path + " \n";
  }
};

} // namespace

TEST_F(Includes, ShowTheIncludedNameAndWriteTheirOwn)
{
  std::string wall = Write("wand.txt", "begin-sim-data Wand  _ 1 1 0 \ndouble H Wand _ 1 1 2 0 3 \nend-sim-data");
  CParsedTree tree("begin-sim-data R  _ 1 1 0 \n" + IncludeLine("Sockel", wall) + "end-sim-data");
  ASSERT_TRUE(tree.ok);
  EXPECT_TRUE(tree.messages.texts.empty());
  auto* include = EntryAt<CItemInclude>(tree.root, "R.Sockel (Wand)");
  ASSERT_NE(include, nullptr);
  EXPECT_EQ(include->m_strOwnName, "Sockel");
  EXPECT_NE(tree.root.FindByPath("R.Sockel (Wand).H"), nullptr);
  std::string text = tree.Write();
  EXPECT_NE(text.find("include Sockel R _ 1 1 0 "), std::string::npos);
  EXPECT_EQ(text.find("double H"), std::string::npos);
  EXPECT_EQ(include->m_strName, "Sockel (Wand)");

  // A link path names the include by its shown name, blanks as "_".
  CParsedTree linked("begin-sim-data R  _ 1 1 0 \n" + IncludeLine("Sockel", wall) +
                     "doublelink L R _ 1 1 2.5 0 3 R.Sockel_(Wand).H.@7 \n"
                     "enablelink V R _ 1 1 0 R.Sockel_(Wand).H.@7 \nend-sim-data");
  linked.root.ResolveLinksOfTree();
  EXPECT_EQ(EntryAt<CItemDouble>(linked.root, "R.Sockel (Wand).H")->m_bVisible, 0);
}

TEST_F(Includes, MissingFilesAreReportedAndLeaveNoChildren)
{
  CParsedTree tree("begin-sim-data R  _ 1 1 0 \n" + IncludeLine("Fehlt", "C:\\Projekte\\fehlt.txt") + "end-sim-data");
  ASSERT_TRUE(tree.ok);
  ASSERT_EQ(tree.messages.texts.size(), 1u);
  EXPECT_EQ(tree.messages.texts[0], "Fehler beim Einf\xFCgen von: C:\\Projekte\\fehlt.txt");
  ASSERT_EQ(tree.root.Children().size(), 1u);
  EXPECT_TRUE(tree.root.Children()[0]->AsGroup()->Children().empty());

  std::string fifo = (m_dir / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  CParsedTree fifoTree("begin-sim-data R  _ 1 1 0 \n" + IncludeLine("F", fifo) + "end-sim-data");
  EXPECT_EQ(fifoTree.messages.texts.size(), 1u);
}

TEST_F(Includes, FallBackToTheFileNameInTheCurrentFolder)
{
  Write("teil.txt", "begin-sim-data Teil  _ 1 1 0 \nenable S Teil _ 1 1 1 \nend-sim-data");
  std::filesystem::current_path(m_dir);
  CParsedTree tree("begin-sim-data R  _ 1 1 0 \n" + IncludeLine("T", "D:\\alt\\ordner\\teil.txt") + "end-sim-data");
  EXPECT_TRUE(tree.messages.texts.empty());
  EXPECT_NE(tree.root.FindByPath("R.T (Teil).S"), nullptr);
}

TEST_F(Includes, FilesThatIncludeThemselvesStop)
{
  std::string self = (m_dir / "self.txt").string();
  Write("self.txt", "begin-sim-data Selbst  _ 1 1 0 \n" + IncludeLine("Again", self) + "end-sim-data");
  std::string a = (m_dir / "a.txt").string();
  std::string b = (m_dir / "b.txt").string();
  Write("a.txt", "begin-sim-data A  _ 1 1 0 \n" + IncludeLine("ToB", b) + "end-sim-data");
  Write("b.txt", "begin-sim-data B  _ 1 1 0 \n" + IncludeLine("ToA", "sub/../a.txt") + "end-sim-data");
  std::filesystem::current_path(m_dir);

  CParsedTree direct("begin-sim-data R  _ 1 1 0 \n" + IncludeLine("S", self) + "end-sim-data");
  EXPECT_EQ(direct.messages.texts.size(), 1u);
  EXPECT_NE(direct.root.FindByPath("R.S (Selbst)"), nullptr);

  CParsedTree cycle("begin-sim-data R  _ 1 1 0 \n" + IncludeLine("X", a) + "end-sim-data");
  ASSERT_EQ(cycle.messages.texts.size(), 1u);
  EXPECT_NE(cycle.root.FindByPath("R.X (A).ToB (B)"), nullptr);

  // The fallback to the bare file name leads back to the same file.
  Write("sub/loop.txt", "begin-sim-data L  _ 1 1 0 \n" + IncludeLine("Back", "Z:\\x\\loop.txt") + "end-sim-data");
  std::filesystem::current_path(m_dir / "sub");
  CParsedTree viaName("begin-sim-data R  _ 1 1 0 \n" + IncludeLine("L", "loop.txt") + "end-sim-data");
  EXPECT_EQ(viaName.messages.texts.size(), 1u);
}

TEST(Libraries, LoadBuiltInModelsByName)
{
  CTextBuffer text;
  ASSERT_TRUE(LoadModelResource(FindLibraryModelCode("SceneB1"), text));
  EXPECT_EQ(text.View().substr(0, 19), "begin-sim-data Raum");
  EXPECT_FALSE(LoadModelResource(0, text));
  EXPECT_FALSE(LoadModelResource(FindLibraryModelCode("SceneC1"), text));
  EXPECT_EQ(ModelResourceNumber(500), 500);

  CParsedTree tree("begin-sim-data R  _ 1 1 0 \n"
                   "library Szene R _ 1 1 0 0 0 0 0 0 0 SceneB1 \n"
                   "library Fremd R _ 1 1 0 0 0 0 0 0 0 Unbekannt \n"
                   "library Rekursiv R _ 1 1 0 0 0 0 0 0 0 UnitB1 \n"
                   "end-sim-data");
  auto* width = EntryAt<CItemDouble>(tree.root, "R.Szene (Raum).Boden.Breite");
  ASSERT_NE(width, nullptr);
  EXPECT_EQ(width->m_value, 4.0);
  ASSERT_EQ(tree.messages.texts.size(), 2u);
  EXPECT_EQ(tree.messages.texts[0], "Fehler beim Einf\xFCgen von: Unbekannt");
  EXPECT_EQ(tree.messages.texts[1], "Fehler beim Einf\xFCgen von: UnitB1");
  EXPECT_NE(tree.root.FindByPath("R.Rekursiv (Einheit).Aktiv"), nullptr);
  EXPECT_NE(tree.root.FindByPath("R.Rekursiv (Einheit).Innen"), nullptr);
  EXPECT_NE(tree.Write().find("library Szene R _ 1 1 0 "), std::string::npos);
}

TEST(ImportTree, TheAdministratorAlsoSeesImports)
{
  class CTreeRecorder : public CTreeControl {
  public:
    TreeItemHandle GetRootItem() const override { return 1; }
    TreeItemHandle InsertItem(TreeItemHandle, const std::string& text, CItemBase*, bool expanded, bool bold) override
    {
      m_texts.push_back(text + (expanded ? " +" : "") + (bold ? " b" : ""));
      return m_texts.size() + 1;
    }
    int GetItemState(TreeItemHandle) const override { return 0x1A0; }
    std::vector<std::string> m_texts;
  };
  CParsedTree tree("begin-sim-data R  _ 1 1 0 \n"
                   "begin-group G R _ 1 1 32 \nbegin-group H G _ 1 1 0 \nend-group\nend-group\n"
                   "library L R _ 1 1 0 0 0 0 0 0 0 SceneB1 \n"
                   "enable E R _ 1 1 1 \nend-sim-data");
  // What a user sees is the tree view's and the project's tests.
  CTreeRecorder admin;
  tree.root.InsertIntoTree(1, admin, admin.GetRootItem());
  EXPECT_EQ(admin.m_texts.size(), 5u);
  EXPECT_EQ(admin.m_texts[3], "L (Raum)");
  tree.root.SaveTreeState(admin);
  EXPECT_EQ(EntryAt<CItemGroup>(tree.root, "R.G.H")->m_nTreeState, 0xA0);
}
