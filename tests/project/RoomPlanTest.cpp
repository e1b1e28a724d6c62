#include "BuiltinModels.h"
#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"
#include "ItemWord.h"
#include "KMVDocument.h"
#include "PlanEntries.h"
#include "PlanGeometry.h"
#include "PlanTargets.h"
#include "PolygonMeasure.h"
#include "Project.h"
#include "RoomProject.h"
#include "SensorPlacement.h"
#include "WallCutaway.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kOnPlane = 1e-6;

struct PlanCase {
  const char* name;
  CRoomPlan plan;
};

CRoomPlan LShape()
{
  CRoomPlan plan;
  plan.outline = {{0, 0}, {8, 0}, {8, 3}, {4, 3}, {4, 6}, {0, 6}};
  plan.height = 3.0;
  plan.doors = {{0, 1.0, 0.9, 2.1}, {0, 5.5, 1.2, 2.2}, {3, 0.0, 1.0, 2.0}};
  plan.obstacles = {{{6, 1}, 1.6, 0.8, 0.75, 30.0}, {{1, 5}, 2.0, 1.0, 1.8, 0.0}};
  return plan;
}

// Clockwise, no right angle, a reflex corner at (3, 2); the sensor in the
// corner at (0, 0).
CRoomPlan Slanted()
{
  CRoomPlan plan;
  plan.outline = {{0, 0}, {-1.3, 5.2}, {3, 2}, {6.1, 4.4}, {7.2, -0.6}};
  plan.height = 2.6;
  plan.variant = RoomVariant::Corner;
  plan.doors = {{4, 2.0, 1.5, 2.0}};
  plan.obstacles = {{{4.5, 1.0}, 1.0, 0.6, 0.9, -70.0}};
  return plan;
}

double WallArea(const CRoomPlan& plan, size_t wall)
{
  double area = WallLength(plan, wall) * plan.height;
  for (const CPlanDoor& door : plan.doors)
    area -= door.wall == wall ? door.width * door.height : 0.0;
  return area;
}

class RoomPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(RoomPlanTest, TargetsTileTheFloorAndWallsAndPatchesStayOnThem)
{
  CRoomPlan plan = GetParam().plan;
  ASSERT_FALSE(CompleteRoomPlan(plan));
  const std::vector<CPlanTarget> targets = PlanTargets(plan);
  double floor = 0.0;
  std::vector<double> walls(plan.outline.size(), 0.0);
  for (const CPlanTarget& target : targets) {
    const CVector normal = Cross(target.vertices[1] - target.vertices[0], target.vertices[2] - target.vertices[0]);
    if (target.kind == PlanSurface::Floor) {
      floor += PolygonArea(target.vertices);
      EXPECT_GT(normal.z, 0.0) << target.name;
    }
    if (target.kind == PlanSurface::Wall) {
      walls[target.wall] += PolygonArea(target.vertices);
      // The normal points into the room: a step along it from the middle
      // stays on the floor.
      CVector middle = (target.vertices[0] + target.vertices[2]) * 0.5;
      CVector inside = middle + normal * (0.01 / normal.Length());
      EXPECT_TRUE(IsCoveredBy({inside.x, inside.y}, plan.outline)) << target.name;
    }
  }
  EXPECT_NEAR(floor, std::abs(SignedArea(plan.outline)), 1e-9);
  for (size_t wall = 0; wall < walls.size(); ++wall)
    EXPECT_NEAR(walls[wall], WallArea(plan, wall), 1e-9) << wall;

  CTextBuffer text;
  ASSERT_TRUE(MakePlanRoomProject(FindBuiltinModelCode("*Pilot B1"), plan, text));
  CKMVDocument document;
  ASSERT_TRUE(document.OnNewDocumentFromText(RoomTitle(plan), text.View()));
  CProject& project = document.GetProject();
  std::optional<CRoomPlan> stored = FindRoomPlan(project);
  ASSERT_TRUE(stored);
  ASSERT_EQ(stored->outline.size(), plan.outline.size());
  for (size_t k = 0; k < plan.outline.size(); ++k)
    EXPECT_TRUE(stored->outline[k].x == plan.outline[k].x && stored->outline[k].y == plan.outline[k].y) << k;
  EXPECT_EQ(stored->doors.size(), plan.doors.size());
  EXPECT_EQ(stored->obstacles.size(), plan.obstacles.size());

  const auto* results =
      dynamic_cast<const CItemGroup*>(project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[13]));
  ASSERT_NE(results, nullptr);
  int floorPatches = 0;
  for (const auto& child : results->Children()) {
    const auto* patch = dynamic_cast<const CItemPolygon*>(child.get());
    if (!patch || !std::all_of(patch->m_vertices.begin(), patch->m_vertices.end(),
                               [](const CVector& v) { return std::abs(v.z) < kOnPlane; }))
      continue;
    ++floorPatches;
    const CVector centre = PolygonCentroid(patch->m_vertices);
    EXPECT_TRUE(IsCoveredBy({centre.x, centre.y}, plan.outline)) << patch->m_strName;
  }
  EXPECT_GT(floorPatches, 0);
  // No patch lies in a door's opening: on the wall's plane, below the door's top.
  for (const CPlanDoor& door : plan.doors) {
    const CPlanPoint a = plan.outline[door.wall];
    const CPlanPoint b = plan.outline[(door.wall + 1) % plan.outline.size()];
    const double length = WallLength(plan, door.wall);
    for (const auto& child : results->Children()) {
      const auto* patch = dynamic_cast<const CItemPolygon*>(child.get());
      if (!patch)
        continue;
      const CVector c = PolygonCentroid(patch->m_vertices);
      const double along = ((c.x - a.x) * (b.x - a.x) + (c.y - a.y) * (b.y - a.y)) / length;
      const double off = std::abs((c.x - a.x) * (b.y - a.y) - (c.y - a.y) * (b.x - a.x)) / length;
      EXPECT_FALSE(off < kOnPlane && along > door.offset && along < door.offset + door.width && c.z < door.height)
          << patch->m_strName;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Outlines, RoomPlanTest,
                         ::testing::Values(PlanCase{"Rectilinear", LShape()}, PlanCase{"Slanted", Slanted()}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace

namespace {

double Highest(const CVectorArray& polygon)
{
  double top = 0.0;
  for (const CVector& v : polygon)
    top = std::max(top, v.z);
  return top;
}

TEST(WallCutaway, CutsTheWallsTheEyeLooksAtFromBehindAndPutsThemBack)
{
  CRoomPlan plan; // clockwise: x = 0, y = 3, x = 4, y = 0
  plan.outline = {{0, 0}, {0, 3}, {4, 3}, {4, 0}};
  plan.height = 2.5;
  plan.sensorOffset = 1.0; // the sensor on x = 0 looks at x = 4
  ASSERT_FALSE(CompleteRoomPlan(plan));
  const std::pair<CVector, std::vector<bool>> eyes[] = {
      {{10, 1.5, 5}, {false, false, true, false}}, {{-10, 1.5, 5}, {true, false, false, false}},
      {{2, 10, 5}, {false, true, false, false}},   {{2, -10, 5}, {false, false, false, true}},
      {{10, 10, 5}, {false, true, true, false}},   {{2, 1.5, 5}, {false, false, false, false}},
  };
  for (const auto& [eye, cut] : eyes)
    EXPECT_EQ(WallsToCut(PlanWalls(plan), eye), cut) << eye.x << "," << eye.y;

  CTextBuffer text;
  ASSERT_TRUE(MakePlanRoomProject(FindBuiltinModelCode("*Pilot B1"), plan, text));
  CKMVDocument document;
  ASSERT_TRUE(document.OnNewDocumentFromText(RoomTitle(plan), text.View()));
  CProject& project = document.GetProject();
  auto* wall = dynamic_cast<CItemPolygon*>(project.GetRoot().FindByPath("Pilot B1.Raum.Wandmontage.Wand 3"));
  const auto* results = project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[13])->AsGroup();
  ASSERT_TRUE(wall && results);
  auto treeText = [&project] {
    CTextBuffer tree;
    project.WriteTree(tree);
    return std::string(tree.View());
  };
  const std::string before = treeText();
  auto patchesAbove = [results](double height) {
    return std::count_if(results->Children().begin(), results->Children().end(), [height](const auto& child) {
      const auto* patch = dynamic_cast<const CItemPolygon*>(child.get());
      return patch && !patch->m_vertices.empty() && Highest(patch->m_vertices) > height &&
             std::all_of(patch->m_vertices.begin(), patch->m_vertices.end(),
                         [](const CVector& v) { return std::abs(v.x - 4.0) < 1e-9; });
    });
  };

  ASSERT_GT(patchesAbove(kSkirtingHeight), 0);
  {
    CWallCutaway cutaway(project, PlanWalls(plan), WallsToCut(PlanWalls(plan), {10, 1.5, 5}));
    EXPECT_DOUBLE_EQ(Highest(wall->m_vertices), kSkirtingHeight);
    EXPECT_EQ(patchesAbove(kSkirtingHeight), 0);
  }
  EXPECT_DOUBLE_EQ(Highest(wall->m_vertices), plan.height);
  EXPECT_EQ(treeText(), before);
}

} // namespace

namespace {

TEST(SensorPlacement, TheSensorFollowsTheChosenVariantToItsPlace)
{
  CRoomPlan plan = LShape();
  ASSERT_FALSE(CompleteRoomPlan(plan));
  CTextBuffer text;
  ASSERT_TRUE(MakePlanRoomProject(FindBuiltinModelCode("*Pilot B1"), plan, text));
  CKMVDocument document;
  ASSERT_TRUE(document.OnNewDocumentFromText(RoomTitle(plan), text.View()));
  CProject& project = document.GetProject();
  auto* choice = dynamic_cast<CItemChoice*>(project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[3]));
  const auto* mount = dynamic_cast<CItemSystem*>(project.GetRoot().FindByPath("Pilot B1.Standort.Halterung"));
  ASSERT_TRUE(choice && mount);
  for (RoomVariant variant : {RoomVariant::Ceiling, RoomVariant::Corner, RoomVariant::Wall}) {
    choice->m_nValue = static_cast<uint16_t>(variant);
    plan.variant = variant;
    FollowChosenVariant(project);
    EXPECT_NEAR(mount->m_matrix[12], SensorPlace(plan).point.x, 1e-12);
    EXPECT_NEAR(mount->m_matrix[13], SensorPlace(plan).point.y, 1e-12);
  }
}

} // namespace
