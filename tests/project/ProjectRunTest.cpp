#include "ItemDouble.h"
#include "Project.h"
#include "ProjectFakes.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMH1 = 3;
constexpr int kMH2 = 6;
constexpr int kMH3 = 7;

class ProjectRun : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_text.Assign(kSensorProject);
    m_project.Load(m_text);
  }
  double Height() { return *static_cast<CItemDoubleLink*>(m_project.GetRoot().FindChild("Hoehe"))->GetTarget(); }

  CTextBuffer m_text;
  CProject m_project;
};

TEST_F(ProjectRun, SteppingUpAndDownStopsAtTheLimits)
{
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(m_project.RunModule(kMH2).status, kModuleDone);
    ASSERT_TRUE(Height() >= 2.0 && Height() <= 4.0);
  }
  ModuleResult read = m_project.RunModule(kMH1);
  EXPECT_EQ(read.status, kModuleAtMaximum);
  EXPECT_EQ(read.value, 4.0);
  for (int i = 0; i < 1000; ++i) {
    m_project.RunModule(kMH3);
    ASSERT_TRUE(Height() >= 2.0 && Height() <= 4.0);
  }
  EXPECT_EQ(m_project.RunModule(kMH1).status, kModuleAtMinimum);
  EXPECT_EQ(Height(), 2.0);
}

TEST_F(ProjectRun, EveryRunRewritesTheTextWithTheMovedValue)
{
  m_project.RunModule(kMH2);
  EXPECT_NE(m_text.View().find("doublelink Hoehe Projekt _ 1 1 2.100000000000000e+000 "), std::string::npos);
  for (int index : {0, 1, 12, -3}) {
    m_text.Clear();
    ModuleResult result = m_project.RunModule(index);
    EXPECT_EQ(result.status, kModuleFailed) << index;
    EXPECT_EQ(result.value, 0.0) << index;
    EXPECT_TRUE(m_text.View().ends_with("\nend-sim-module\n")) << index;
  }
}

} // namespace
