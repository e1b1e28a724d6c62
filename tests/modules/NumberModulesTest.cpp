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

// Reading (MH1) reports the limit reached, stepping (MH2) clamps to the
// limits; limits the wrong way round let the maximum win a reading and the
// minimum a step. Steps, limits and values that are no numbers fail
// without change.
TEST_F(NumberModules, ReadingReportsTheLimitAndSteppingClampsToIt)
{
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    double height, minimum, maximum;
    bool read;
    double step;
    int status;
    double after;
  };
  const Case cases[] = {
      {2.5, 2.0, 4.0, true, 0.0, kModuleDone, 2.5},      {2.0, 2.0, 4.0, true, 0.0, kModuleAtMinimum, 2.0},
      {1.0, 2.0, 4.0, true, 0.0, kModuleAtMinimum, 1.0}, {4.0, 2.0, 4.0, true, 0.0, kModuleAtMaximum, 4.0},
      {5.0, 2.0, 4.0, true, 0.0, kModuleAtMaximum, 5.0}, {3.0, 4.0, 2.0, true, 0.0, kModuleAtMaximum, 3.0},
      {3.95, 2.0, 4.0, false, 0.1, kModuleDone, 4.0},    {2.05, 2.0, 4.0, false, -0.1, kModuleDone, 2.0},
      {-kInf, 2.0, 4.0, false, 0.1, kModuleDone, 2.0},   {3.0, 4.0, 2.0, false, 0.1, kModuleDone, 4.0},
      {3.0, 2.0, 4.0, false, kNan, kModuleFailed, 3.0},  {3.0, 2.0, 4.0, false, kInf, kModuleFailed, 3.0},
      {3.0, kNan, 4.0, false, 0.1, kModuleFailed, 3.0},
  };
  m_read.m_strPath = "P.H";
  m_step.m_strPath = "P.H";
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.height << " in " << c.minimum << ".." << c.maximum << " by " << c.step);
    Build(3.0, 2.0, 4.0);
    Height() = c.height;
    Link().m_min = c.minimum;
    Link().m_max = c.maximum;
    ModuleResult result = c.read ? m_read.Run(m_root) : Step(c.step);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(Height(), c.after);
    EXPECT_EQ(result.value, c.status == kModuleFailed ? 0.0 : c.after);
  }
  Build(3.0, 2.0, 4.0);
  Height() = kNan;
  EXPECT_EQ(Step(0.1).status, kModuleFailed);
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

} // namespace
