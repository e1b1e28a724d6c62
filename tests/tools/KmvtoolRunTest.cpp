#include "FileAccess.h"
#include "KmvtoolProcess.h"

namespace {

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
