#include "FileAccess.h"
#include "KmvtoolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class KmvtoolRun : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_dir = std::filesystem::temp_directory_path() / ("kmvtool_run_" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_dir);
    std::ofstream(Path("p.txt"), std::ios::binary)
        << "begin-sim-data P  _ 1 1 0 \n"
           "begin-system S P _ 1 1 0 0 0 2.5 0 0 0 \nend-system\n"
           "doublelink H P _ 1 1 3.95 2 4 P.S.@3 \nend-sim-data\n"
           "begin-sim-module\nMH1 P.H \nMH2 P.H 0.1 \nMH3 P.H -0.1 \nend-sim-module\n";
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }

  std::filesystem::path m_dir;
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
  std::ifstream scrambled(Path("out.kmv"), std::ios::binary);
  EXPECT_EQ(scrambled.get(), 'b' ^ kScrambleKey);
}

TEST_F(KmvtoolRun, WrongUsageExitsWithTwoAndUnreadableSourceWithOne)
{
  for (const char* arguments : {"run", "run P", "run P MH4", "run P mh1", "run P --save", "run P MH1 --save"})
    EXPECT_EQ(Kmvtool(std::string(arguments)).exitStatus, 2) << arguments;
  EXPECT_EQ(Kmvtool("run " + Path("p.txt") + " --save a --save b MH1").exitStatus, 2);
  EXPECT_EQ(Kmvtool("run " + Path("fehlt.txt") + " MH1").exitStatus, 1);
  EXPECT_EQ(Kmvtool("run " + Path("p.txt") + " --save " + Path("kein/ordner.txt") + " MH1").exitStatus, 1);
}

} // namespace
