#include "ItemSystem.h"
#include "Project.h"
#include "ProjectFakes.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Holds(const CTextBuffer& text, const std::string& part)
{
  return text.View().find(part) != std::string_view::npos;
}

TEST(ProjectLoad, WritesTheTextBackUnchangedThenPushesLinks)
{
  CTextBuffer text;
  text.Assign(kSensorProject);
  CProject project;
  EXPECT_TRUE(project.Load(text).IsOk());
  EXPECT_EQ(text.View(), kSensorProject);
  auto& sensor = static_cast<CItemSystem&>(*project.GetRoot().FindByPath("Projekt.Raum.Sensor"));
  EXPECT_EQ(sensor.m_matrix[14], 2.0); // pushed after writing, transforms updated
  project.Refresh();
  EXPECT_TRUE(Holds(text, "Montage 0 1 0 1.000000000000000e+000 0.000000000000000e+000 2.000000000000000e+000"));
}

TEST(ProjectLoad, TextWithoutEntriesStaysAsReadAndConfiguresNothing)
{
  const std::string source = "begin-sim-module\nMH1 P.h\nend-sim-module\n";
  CTextBuffer text;
  text.Assign(source);
  CProject project;
  EXPECT_TRUE(project.Load(text).IsOk());
  EXPECT_EQ(text.View(), source);
  EXPECT_EQ(project.GetModules().m_mh1.m_strPath, "");
}

TEST(ProjectInit, EmptyProjectWritesRootRecordAndModuleSection)
{
  CProject project;
  // Without a text there is nothing to run on or to write into.
  EXPECT_EQ(project.RunModule(6).status, kModuleFailed);
  CTextBuffer text;
  project.Init(text, "Project");
  std::string written(text.View());
  EXPECT_EQ(written.substr(0, written.find('\n')), "begin-sim-data Project  _ 1 1 0 ");
  EXPECT_TRUE(Holds(text, "\nend-sim-data\nbegin-sim-module\nCAD1 _ "));
}

} // namespace
