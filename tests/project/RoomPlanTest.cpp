#include "BuiltinModels.h"
#include "Item3D.h"
#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"
#include "ItemWord.h"
#include "KMVDocument.h"
#include "PlanEntries.h"
#include "PlanGeometry.h"
#include "PlanRoom.h"
#include "PlanTargets.h"
#include "PolygonMeasure.h"
#include "Project.h"
#include "RoomProject.h"
#include "SensorPlacement.h"
#include "WallCutaway.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kOnPlane = 1e-6;

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

// Where a point lies along wall k and how far off its line, both in metres.
std::pair<double, double> AlongAndOff(const CRoomPlan& plan, size_t wall, const CVector& v)
{
  const CPlanPoint a = plan.outline[wall];
  const CPlanPoint b = plan.outline[(wall + 1) % plan.outline.size()];
  const double length = WallLength(plan, wall);
  return {((v.x - a.x) * (b.x - a.x) + (v.y - a.y) * (b.y - a.y)) / length,
          std::abs((v.x - a.x) * (b.y - a.y) - (v.y - a.y) * (b.x - a.x)) / length};
}

// On one wall between its ends, below the ceiling.
bool LiesOnWall(const CRoomPlan& plan, const CVectorArray& patch)
{
  for (size_t wall = 0; wall < plan.outline.size(); ++wall)
    if (std::all_of(patch.begin(), patch.end(), [&](const CVector& v) {
          const auto [along, off] = AlongAndOff(plan, wall, v);
          return off < kOnPlane && along > -kOnPlane && along < WallLength(plan, wall) + kOnPlane && v.z > -kOnPlane &&
                 v.z < plan.height + kOnPlane;
        }))
      return true;
  return false;
}

RoomRequest Rectangle(double width, double depth, double height, RoomVariant variant, std::optional<double> offset = {})
{
  return {0, width, depth, height, variant, offset};
}

struct PlanCase {
  std::string name;
  const char* model;
  CRoomPlan plan;
};

void PrintTo(const PlanCase& c, std::ostream* out)
{
  *out << c.name;
}

std::vector<PlanCase> PlanCases()
{
  const std::pair<const char*, RoomVariant> variants[] = {
      {"Wall", RoomVariant::Wall}, {"Ceiling", RoomVariant::Ceiling}, {"Corner", RoomVariant::Corner}};
  std::vector<PlanCase> cases;
  for (const char* model : {"A1", "B1", "B2", "C1"})
    for (const auto& [name, variant] : variants)
      cases.push_back({std::string(model) + name, model, RectanglePlan(Rectangle(6.4, 8.2, 2.75, variant))});
  cases[3].plan = RectanglePlan(Rectangle(6.4, 8.2, 2.75, RoomVariant::Wall, 1.5));
  // Below the models' usual mounting heights, and far above them.
  cases.push_back({"LowAndDeep", "B1", RectanglePlan(Rectangle(3.0, 20.0, 2.0, RoomVariant::Wall, 0.5))});
  cases.push_back({"HighCeiling", "A1", RectanglePlan(Rectangle(12.0, 12.0, 10.0, RoomVariant::Ceiling))});
  cases.push_back({"NarrowCorner", "B2", RectanglePlan(Rectangle(1.0, 200.0, 30.0, RoomVariant::Corner))});
  cases.push_back({"Rectilinear", "B1", LShape()});
  cases.push_back({"Slanted", "B1", Slanted()});
  return cases;
}

class RoomPlanTest : public ::testing::TestWithParam<PlanCase> {};

// The plan's targets tile its floor and walls; the project made of it keeps
// the plan, shows the variant's group only and opens with patches on the
// floor and walls of its room, none in a door's opening, the sensor inside.
TEST_P(RoomPlanTest, TargetsTileTheRoomAndPatchesStayOnItsFloorAndWalls)
{
  CRoomPlan plan = GetParam().plan;
  ASSERT_FALSE(CompleteRoomPlan(plan));
  double floor = 0.0;
  std::vector<double> walls(plan.outline.size(), 0.0);
  for (const CPlanTarget& target : PlanTargets(plan)) {
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

  CKMVDocument document;
  ASSERT_TRUE(
      OpenPlanRoom(document, FindBuiltinModelCode(std::string("*Pilot ") + GetParam().model), plan, RoomTitle(plan)));
  EXPECT_TRUE(document.IsModified());
  EXPECT_TRUE(document.GetPathName().empty());
  CProject& project = document.GetProject();
  std::optional<CRoomPlan> stored = FindRoomPlan(project);
  ASSERT_TRUE(stored);
  ASSERT_EQ(stored->outline.size(), plan.outline.size());
  for (size_t k = 0; k < plan.outline.size(); ++k)
    EXPECT_TRUE(stored->outline[k].x == plan.outline[k].x && stored->outline[k].y == plan.outline[k].y) << k;
  EXPECT_EQ(stored->doors.size(), plan.doors.size());
  EXPECT_EQ(stored->obstacles.size(), plan.obstacles.size());
  const auto& paths = project.GetModules().m_cad1.m_paths;
  for (size_t group = 0; group < 3; ++group)
    EXPECT_EQ(project.GetRoot().FindByPath(paths[group])->m_bVisible,
              group == static_cast<size_t>(plan.variant) ? 1 : 0);
  // The variant's floor pieces cover the outline.
  double floorEntries = 0.0;
  for (const auto& child :
       project.GetRoot().FindByPath(paths[static_cast<size_t>(plan.variant)])->AsGroup()->Children())
    if (const auto* piece = dynamic_cast<const CItemPolygon*>(child.get());
        piece && child->m_strName.rfind("Boden", 0) == 0)
      floorEntries += PolygonArea(piece->m_vertices);
  EXPECT_NEAR(floorEntries, std::abs(SignedArea(plan.outline)), 1e-9);

  const auto* results = dynamic_cast<const CItemGroup*>(project.GetRoot().FindByPath(paths[13]));
  ASSERT_TRUE(results && !results->Children().empty());
  int floorPatches = 0;
  for (const auto& child : results->Children()) {
    const auto* patch = dynamic_cast<const CItemPolygon*>(child.get());
    ASSERT_NE(patch, nullptr);
    const CVector c = PolygonCentroid(patch->m_vertices);
    const bool onFloor = std::all_of(patch->m_vertices.begin(), patch->m_vertices.end(),
                                     [](const CVector& v) { return std::abs(v.z) < kOnPlane; });
    floorPatches += onFloor;
    // Off the floor a patch lies on a wall, or on an obstacle where the plan has any.
    EXPECT_TRUE(onFloor ? IsCoveredBy({c.x, c.y}, plan.outline)
                        : LiesOnWall(plan, patch->m_vertices) || !plan.obstacles.empty())
        << patch->m_strName;
    // Not in a door's opening: on the wall's plane, below the door's top.
    for (const CPlanDoor& door : plan.doors) {
      const auto [along, off] = AlongAndOff(plan, door.wall, c);
      EXPECT_FALSE(off < kOnPlane && along > door.offset && along < door.offset + door.width && c.z < door.height)
          << patch->m_strName;
    }
  }
  EXPECT_GT(floorPatches, 0);

  const double height = document.GetSensorValues().height;
  EXPECT_GT(height, 0.0);
  EXPECT_LE(height, plan.height);
  EXPECT_TRUE(plan.variant != RoomVariant::Ceiling || height == plan.height);
  const auto* element = dynamic_cast<const CItem3D*>(project.GetRoot().FindByPath(paths[9]));
  ASSERT_NE(element, nullptr);
  EXPECT_TRUE(IsCoveredBy({element->m_matrix[12], element->m_matrix[13]}, plan.outline));
  EXPECT_TRUE(element->m_matrix[14] > 0.0 && element->m_matrix[14] < plan.height);
}

INSTANTIATE_TEST_SUITE_P(Rooms, RoomPlanTest, ::testing::ValuesIn(PlanCases()),
                         [](const auto& param) { return param.param.name; });

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

  CKMVDocument document;
  ASSERT_TRUE(OpenPlanRoom(document, FindBuiltinModelCode("*Pilot B1"), plan, RoomTitle(plan)));
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
  CKMVDocument document;
  ASSERT_TRUE(OpenPlanRoom(document, FindBuiltinModelCode("*Pilot B1"), plan, RoomTitle(plan)));
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

namespace {

constexpr auto kWall = RoomVariant::Wall;
constexpr auto kCeiling = RoomVariant::Ceiling;
constexpr auto kCorner = RoomVariant::Corner;

struct FaultCase {
  double width, depth, height;
  RoomVariant variant;
  std::optional<double> offset;
  RoomFault fault;
  int model = FindBuiltinModelCode("*Pilot B1");
};

TEST(RoomRequestTest, RefusesSizesOutsideTheirLimitsMisplacedOffsetsAndOtherModels)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const FaultCase cases[] = {
      {1.0, 200.0, 2.0, kWall, {}, RoomFault::None},   {200.0, 1.0, 30.0, kCorner, {}, RoomFault::None},
      {0.99, 5.0, 3.0, kWall, {}, RoomFault::Width},   {200.01, 5.0, 3.0, kWall, {}, RoomFault::Width},
      {nan, 5.0, 3.0, kWall, {}, RoomFault::Width},    {5.0, 0.5, 3.0, kWall, {}, RoomFault::Depth},
      {5.0, inf, 3.0, kWall, {}, RoomFault::Depth},    {5.0, 5.0, 1.99, kWall, {}, RoomFault::Height},
      {5.0, 5.0, 30.5, kWall, {}, RoomFault::Height},  {5.0, 5.0, -inf, kWall, {}, RoomFault::Height},
      {5.0, 5.0, 3.0, kWall, 0.0, RoomFault::Offset},  {5.0, 5.0, 3.0, kWall, 5.0, RoomFault::Offset},
      {5.0, 5.0, 3.0, kWall, nan, RoomFault::Offset},  {5.0, 5.0, 3.0, kWall, 4.99, RoomFault::None},
      {5.0, 5.0, 3.0, kCeiling, 2.0, RoomFault::None}, {6.4, 8.2, 2.75, kWall, {}, RoomFault::Model, 0},
  };
  for (const FaultCase& c : cases) {
    RoomRequest request{c.model, c.width, c.depth, c.height, c.variant, c.offset};
    CTextBuffer text;
    text.Assign("kept");
    EXPECT_EQ(MakeRoomProject(request, text), c.fault) << c.width << " " << c.depth << " " << c.height;
    if (c.fault != RoomFault::None) {
      EXPECT_EQ(text.View(), "kept");
    }
  }
}

} // namespace
