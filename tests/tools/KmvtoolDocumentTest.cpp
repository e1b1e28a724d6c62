#include "FileAccess.h"
#include "KmvtoolOutput.h"
#include "KmvtoolProcess.h"

#include <string>

namespace {

std::string Polygon(const std::string& name, const std::string& parent, const std::string& vertices, int count)
{
  return "polygon " + name + " " + parent + " _ 1 1 0 0 0 0 0 0 0.86 0.84 0.78 0 0 0 1 1 0 " + std::to_string(count) +
         " " + vertices + " \n";
}

// Two variant groups, the first hidden; the results group already holds its
// patches, and CAD1 lacks its variant choice, so its runs change nothing.
// Height, turn and tilt are numbers linked into a system.
const std::string kPatchProject =
    "begin-sim-data P  _ 1 1 0 \n"
    "begin-system S P _ 1 1 0 0 0 2.5 0 0 0 \nend-system\n"
    "doublelink H P _ 1 1 2.5 2 4 P.S.@3 \n"
    "doublelink D P _ 1 1 0 -45 45 P.S.@6 \n"
    "doublelink K P _ 1 1 0 -5 20 P.S.@5 \n"
    "begin-group Decke P _ 1 0 0 \n" +
    Polygon("Boden2", "Decke", "0 0 0 4 0 0 4 2 0 0 2 0", 4) +
    "end-group\n"
    "begin-group Wand P _ 1 1 0 \n" +
    Polygon("Boden", "Wand", "0 0 0 4 0 0 4 2 0 0 2 0", 4) + Polygon("Seite", "Wand", "0 0 0 0 2 0 0 2 3 0 0 3", 4) +
    "end-group\n"
    "begin-group Ergebnis P _ 1 1 0 \n" +
    Polygon("Poly1", "Ergebnis", "1 0.5 0 2 0.5 0 2 1.5 0 1 1.5 0", 4) +
    Polygon("Poly2", "Ergebnis", "0 0.5 0.5 0 1.5 0.5 0 1 1.5", 3) + "double Zahl Ergebnis _ 1 1 1 0 2 \n" +
    Polygon("Frei,\"3\"", "Ergebnis", "1 0.5 1 1.5 0.5 1 1.5 1 1 1 1 1", 4) +
    "end-group\n"
    "end-sim-data\n"
    "begin-sim-module\n"
    "CAD1 P.Decke P.Wand P.Wand _ _ _ _ _ _ _ _ _ _ P.Ergebnis _ _ _ _ \n"
    "MH1 P.H \nDW1 P.D \nKW1 P.K \n"
    "MH2 P.H 0.1 \nDW2 P.D 5 \nKW2 P.K 2.5 \n"
    "MH3 P.H -0.1 \nDW3 P.D -5 \nKW3 P.K -2.5 \n"
    "end-sim-module\n";

const std::string kPatchLines = "Poly1 4 1.000000\n"
                                "Poly2 3 0.500000\n"
                                "Frei,\"3\" 4 0.250000\n"
                                "TOTAL 1.750000\n";

std::string Status(const char* height, const char* tilt, const char* turn)
{
  return std::string(" MH:  ") + height + " m\n KW:  " + tilt + " \xC2\xB0\n DW:  " + turn + " \xC2\xB0\n";
}

class KmvtoolDocument : public KmvtoolTest {
protected:
  void SetUp() override
  {
    KmvtoolTest::SetUp();
    Write("p.txt", kPatchProject);
  }
};

TEST_F(KmvtoolDocument, ModelsListsTheModelsAndHelpNamesTheStepDirections)
{
  EXPECT_EQ(Kmvtool("models").output, "Pilot A1\nPilot B1\nPilot B2\nPilot C1\n");
  std::string help = Kmvtool("--help").output;
  for (const char* part : {"kw+ raises the tilt angle (KW2", "kw- lowers it (KW3)", "dw+ raises the turn angle (DW2"})
    EXPECT_NE(help.find(part), std::string::npos) << part;
}

TEST_F(KmvtoolDocument, StepSignsNameTheDirectionOfThePrintedValue)
{
  EXPECT_EQ(Kmvtool("sensor " + Path("p.txt") + " mh+ mh+ mh- kw+ kw+ dw-").output,
            Status("2.60", "5.0", "-5.0") + kPatchLines);
  EXPECT_EQ(Kmvtool("sensor " + Path("p.txt") + " kw- dw+ dw+ mh-").output,
            Status("2.40", "-2.5", "10.0") + kPatchLines);
}

// These patches were written by hand, not by a detection run, so none of
// them names a target surface; those of a detection run each name theirs.
TEST_F(KmvtoolDocument, CsvHoldsAreaCentroidAndTargetOfEachPatch)
{
  ASSERT_EQ(Kmvtool("sensor " + Path("p.txt") + " --csv " + Path("f.csv")).exitStatus, 0);
  EXPECT_EQ(Read("f.csv"), "name,target,vertices,area,x,y,z,visible\n"
                           "Poly1,,4,1.000000,1.500000,1.000000,0.000000,1.000000\n"
                           "Poly2,,3,0.500000,0.000000,1.000000,0.833333,0.500000\n"
                           "\"Frei,\"\"3\"\"\",,4,0.250000,1.250000,0.750000,1.000000,0.250000\n");
  ASSERT_EQ(Kmvtool("sensor '*Pilot A1' --csv " + Quote(Path("s.csv"))).exitStatus, 0);
  std::vector<std::string> csv = Lines(Read("s.csv"));
  ASSERT_GT(csv.size(), 1u);
  for (size_t i = 1; i < csv.size(); ++i)
    EXPECT_EQ(Split(csv[i], ',')[1].rfind("Pilot A1.Szene (Raum A1).Wandmontage.", 0), 0u) << csv[i];
}

TEST_F(KmvtoolDocument, RelativeOutputPathsStayInTheCallersFolder)
{
  std::filesystem::create_directories(m_dir / "sub");
  Write("sub/q.txt", kPatchProject);
  std::string command = "cd " + Quote(m_dir.string()) + " && " + KMVTOOL_PATH;
  ASSERT_EQ(std::system((command + " save sub/q.txt out.kmv").c_str()), 0);
  ASSERT_EQ(std::system((command + " sensor sub/q.txt --csv out.csv >/dev/null").c_str()), 0);
  EXPECT_TRUE(std::filesystem::exists(m_dir / "out.kmv"));
  EXPECT_TRUE(std::filesystem::exists(m_dir / "out.csv"));
  EXPECT_FALSE(std::filesystem::exists(m_dir / "sub" / "out.kmv"));
}

class KmvtoolRun : public KmvtoolTest {
protected:
  void SetUp() override
  {
    KmvtoolTest::SetUp();
    Write("p.txt", "begin-sim-data P  _ 1 1 0 \n"
                   "begin-system S P _ 1 1 0 0 0 2.5 0 0 0 \nend-system\n"
                   "doublelink H P _ 1 1 3.95 2 4 P.S.@3 \nend-sim-data\n"
                   "begin-sim-module\nMH1 P.H \nMH2 P.H 0.1 \nMH3 P.H -0.1 \nend-sim-module\n");
  }
};

TEST_F(KmvtoolRun, RunsModulesInOrderAndPrintsOneLineEach)
{
  CCommandResult result = Kmvtool("run " + Path("p.txt") + " MH1 MH2 MH1 KW1 CAD1");
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.output, "MH1 0 3.950000000000000e+000\n"
                           "MH2 0 4.000000000000000e+000\n"
                           "MH1 2 4.000000000000000e+000\n"
                           "KW1 -1 0.000000000000000e+000\n"
                           "CAD1 -1 0.000000000000000e+000\n");
}

TEST_F(KmvtoolRun, SavedProjectLoadsWithTheStepsApplied)
{
  for (const char* out : {"out.kmv", "out.txt"}) {
    ASSERT_EQ(Kmvtool("run " + Path("p.txt") + " --save " + Path(out) + " MH3 MH3").exitStatus, 0);
    CCommandResult text = Kmvtool("text " + Path(out));
    EXPECT_EQ(text.exitStatus, 0);
    EXPECT_NE(text.output.find("doublelink H P _ 1 1 3.750000000000000e+000 "), std::string::npos) << out;
    EXPECT_NE(text.output.find("\nMH3 P.H -1.000000000000000e-001 \nDW3 _ "), std::string::npos);
  }
  EXPECT_EQ(Read("out.kmv")[0], static_cast<char>('b' ^ kScrambleKey));
}

} // namespace
