#include "Project.h"
#include "ProjectFakes.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMH2 = 6;

class ProjectRun : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_text.Assign(kSensorProject);
    m_project.Load(m_text);
  }

  CTextBuffer m_text;
  CProject m_project;
};

TEST_F(ProjectRun, EveryRunRewritesTheTextWithTheMovedValue)
{
  EXPECT_EQ(m_project.RunModule(kMH2).status, kModuleDone);
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
