#include "ItemDouble.h"
#include "ItemGroup.h"
#include "ModuleCAD2.h"
#include "ModuleCAD3.h"
#include "ProjectReader.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

// A link with the given limits steers the height (field 3) of a system.
class NumberModules : public ::testing::Test {
protected:
  void Build(double height, double minimum, double maximum)
  {
    m_root.RemoveAllChildren();
    std::string numbers = std::to_string(height) + " " + std::to_string(minimum) + " " + std::to_string(maximum);
    CParseContext context;
    ASSERT_TRUE(Parse("begin-sim-data P  _ 1 1 0 \nbegin-system S P _ 1 1 0 0 0 0 0 0 0 \nend-system\n"
                      "double Zahl P _ 1 1 3 0 5 \ndoublelink H P _ 1 1 " +
                          numbers + " P.S.@3 \ndoublelink Lose P _ 1 1 1 0 5 P.Nichts.@3 \nend-sim-data",
                      m_root, context));
    m_root.ResolveLinksOfTree();
  }
  CItemDoubleLink& Link() { return *static_cast<CItemDoubleLink*>(m_root.FindChild("H")); }
  double& Height() { return *Link().GetTarget(); }
  ModuleResult Step(double step)
  {
    m_step.m_step = step;
    return m_step.Run(m_root);
  }

  CItemGroup m_root;
  CModuleCAD2 m_read{"MH1"};
  CModuleCAD3 m_step{"MH2"};
};

TEST_F(NumberModules, ReadingReportsTheLimitReached)
{
  m_read.m_strPath = "P.H";
  for (auto [height, status] : {std::pair{2.5, 0}, {2.0, 1}, {1.0, 1}, {4.0, 2}, {5.0, 2}}) {
    Build(height, 2.0, 4.0);
    ModuleResult result = m_read.Run(m_root);
    EXPECT_EQ(result.status, status) << height;
    EXPECT_EQ(result.value, height);
  }
  Build(3.0, 4.0, 2.0); // limits the wrong way round: the maximum wins
  EXPECT_EQ(m_read.Run(m_root).status, kModuleAtMaximum);
}

TEST_F(NumberModules, SteppingClampsToTheLimits)
{
  m_step.m_strPath = "P.H";
  Build(3.95, 2.0, 4.0);
  EXPECT_EQ(Step(0.1).status, kModuleDone);
  EXPECT_EQ(Height(), 4.0);
  Height() = 2.05;
  EXPECT_EQ(Step(-0.1).value, 2.0);
  Height() = -std::numeric_limits<double>::infinity();
  Step(0.1);
  EXPECT_EQ(Height(), 2.0);
  Build(3.0, 4.0, 2.0); // limits the wrong way round: the minimum wins
  Step(0.1);
  EXPECT_EQ(Height(), 4.0);
}

TEST_F(NumberModules, MissingOrWrongEntriesAndUnresolvedLinksFailWithoutChange)
{
  Build(3.0, 2.0, 4.0);
  for (const char* path : {"P.Fehlt", "P.Zahl", "P.S", "P", "Q.H", "", "P.Lose"}) {
    m_read.m_strPath = path;
    m_step.m_strPath = path;
    ModuleResult read = m_read.Run(m_root);
    ModuleResult step = Step(0.1);
    EXPECT_EQ(read.status, kModuleFailed) << path;
    EXPECT_EQ(read.value, 0.0) << path;
    EXPECT_EQ(step.status, kModuleFailed) << path;
  }
  EXPECT_EQ(Height(), 3.0);
  EXPECT_EQ(static_cast<CItemDouble*>(m_root.FindChild("Zahl"))->m_value, 3.0);
}

TEST_F(NumberModules, StepsLimitsAndValuesThatAreNoNumbersFailWithoutChange)
{
  m_step.m_strPath = "P.H";
  Build(3.0, 2.0, 4.0);
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Step(kNan).status, kModuleFailed);
  EXPECT_EQ(Step(std::numeric_limits<double>::infinity()).status, kModuleFailed);
  Link().m_min = kNan;
  EXPECT_EQ(Step(0.1).status, kModuleFailed);
  EXPECT_EQ(Height(), 3.0);
  Link().m_min = 2.0;
  Height() = kNan;
  EXPECT_EQ(Step(0.1).status, kModuleFailed);
}

} // namespace
