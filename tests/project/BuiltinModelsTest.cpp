#include "Item3D.h"
#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "KMVDocument.h"
#include "ModuleCAD1.h"
#include "ModuleCAD2.h"
#include "ModuleCAD3.h"
#include "WallCutaway.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr const char* kModels[] = {"*Pilot A1", "*Pilot B1", "*Pilot B2", "*Pilot C1"};

// Patches on the floor lie at z = 0.
int FloorPatches(CItemGroup& results)
{
  int floor = 0;
  for (const auto& child : results.Children()) {
    const auto* patch = dynamic_cast<const CItemPolygon*>(child.get());
    floor += patch && std::all_of(patch->m_vertices.begin(), patch->m_vertices.end(),
                                  [](const CVector& v) { return v.z < 1e-9; });
  }
  return floor;
}

// Each test runs on every built-in sensor model, opened as the program opens it.
class BuiltinModels : public ::testing::TestWithParam<const char*> {
protected:
  void SetUp() override
  {
    m_document.SetTitle(GetParam());
    ASSERT_TRUE(m_document.OnNewDocument());
  }

  CKMVDocument m_document;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Sensors, BuiltinModels, ::testing::ValuesIn(kModels));

TEST_P(BuiltinModels, EveryModulePathResolves)
{
  CProject& project = m_document.GetProject();
  CItemGroup& root = project.GetRoot();
  for (const std::string& path : project.GetModules().m_cad1.m_paths)
    EXPECT_NE(root.FindByPath(path), nullptr) << path;
  for (CModule* module : project.GetModules().InStorageOrder()) {
    if (auto* reader = dynamic_cast<CModuleCAD2*>(module)) {
      EXPECT_NE(root.FindByPath(reader->m_strPath), nullptr) << module->GetName();
    } else if (auto* stepper = dynamic_cast<CModuleCAD3*>(module)) {
      EXPECT_NE(root.FindByPath(stepper->m_strPath), nullptr) << module->GetName();
    }
  }
  // The status values come from the links that the adjustment moves.
  EXPECT_GT(m_document.GetSensorValues().height, 1.0);
}

TEST_P(BuiltinModels, RaysDescendAtEveryTiltWithinTheLimits)
{
  CProject& project = m_document.GetProject();
  CItemGroup& root = project.GetRoot();
  const auto& paths = project.GetModules().m_cad1.m_paths;
  // Tilt up to the smallest tilt (KW3), then all the way down (KW2).
  for (int step : {11, 10}) {
    for (int i = 0; i < 40; ++i)
      project.RunModule(step);
    ASSERT_EQ(project.RunModule(2).status, 0);
    const auto* element = dynamic_cast<const CItem3D*>(root.FindByPath(paths[9]));
    ASSERT_NE(element, nullptr);
    double eye = element->m_matrix[14];
    for (size_t lens = 10; lens <= 12; ++lens) {
      for (const auto& child : root.FindByPath(paths[lens])->AsGroup()->Children()) {
        const auto* facet = dynamic_cast<const CItemPolygon*>(child.get());
        for (size_t i = 0; facet && i < facet->m_vertices.size(); ++i)
          EXPECT_LT(TransformPoint(facet->m_matrix, facet->m_vertices[i]).z, eye) << facet->m_strName;
      }
    }
    EXPECT_GT(FloorPatches(*root.FindByPath(paths[13])->AsGroup()), 0);
  }
}

// Seen from above the +x +y corner, the walls there would hide the floor,
// and patches land on the walls; cutting them is the wall cutaway's own test.
TEST_P(BuiltinModels, WallsBeforeTheEyeAreTheOnesToCutAndHoldPatches)
{
  CProject& project = m_document.GetProject();
  const std::vector<CWallFoot> walls = FindRoomWalls(project);
  ASSERT_EQ(WallsToCut(walls, {100, 100, 50}), (std::vector<bool>{false, true, true, false}));
  const auto& paths = project.GetModules().m_cad1.m_paths;
  const auto& patches = project.GetRoot().FindByPath(paths[13])->AsGroup()->Children();
  EXPECT_TRUE(std::any_of(patches.begin(), patches.end(), [&walls](const auto& child) {
    const auto* patch = dynamic_cast<const CItemPolygon*>(child.get());
    return patch && LiesOnCutWall(walls, {true, true, true, true}, patch->m_vertices);
  }));
}
