#include "RoomProject.h"
#include "BuiltinModels.h"
#include "DocumentTestSupport.h"
#include "Item3D.h"
#include "ItemPolygon.h"
#include "KMVDocument.h"
#include "PolygonMeasure.h"
#include "Project.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kOnPlane = 1e-6;

struct Box {
  CVector low;
  CVector high;
};

// Whether every vertex lies in the room box, all on one of its faces: the floor or a wall.
bool LiesOnRoomFace(const CVectorArray& patch, const Box& room)
{
  auto within = [](double v, double low, double high) { return v > low - kOnPlane && v < high + kOnPlane; };
  auto allOn = [&patch](double CVector::*axis, double plane) {
    return std::all_of(patch.begin(), patch.end(),
                       [&](const CVector& v) { return std::abs(v.*axis - plane) < kOnPlane; });
  };
  return std::all_of(patch.begin(), patch.end(),
                     [&](const CVector& v) {
                       return within(v.x, room.low.x, room.high.x) && within(v.y, room.low.y, room.high.y) &&
                              within(v.z, 0.0, room.high.z);
                     }) &&
         (allOn(&CVector::z, 0.0) || allOn(&CVector::x, room.low.x) || allOn(&CVector::x, room.high.x) ||
          allOn(&CVector::y, room.low.y) || allOn(&CVector::y, room.high.y));
}

template <class T> T* Find(CKMVDocument& document, size_t field)
{
  CProject& project = document.GetProject();
  return dynamic_cast<T*>(project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[field]));
}

struct RoomCase {
  const char* model;
  RoomVariant variant;
  double width, depth, height;
  std::optional<double> offset;
};

class RoomProjectTest : public TempFolderTest, public ::testing::WithParamInterface<RoomCase> {};

TEST_P(RoomProjectTest, OpensWithPatchesOnTheFloorAndWallsOfItsRoom)
{
  const RoomCase& c = GetParam();
  RoomRequest request{
      FindBuiltinModelCode(std::string("*") + c.model), c.width, c.depth, c.height, c.variant, c.offset};
  CTextBuffer text;
  ASSERT_EQ(MakeRoomProject(request, text), RoomFault::None);
  CKMVDocument document;
  ASSERT_TRUE(document.OnNewDocumentFromText(RoomTitle(request), text.View()));
  EXPECT_TRUE(document.IsModified());
  EXPECT_TRUE(document.GetPathName().empty());

  const auto variant = static_cast<size_t>(c.variant);
  for (size_t group = 0; group < 3; ++group)
    EXPECT_EQ(Find<CItemGroup>(document, group)->m_bVisible, group == variant ? 1 : 0);
  auto* floor = dynamic_cast<CItemPolygon*>(Find<CItemGroup>(document, variant)->FindChild("Boden"));
  ASSERT_NE(floor, nullptr);
  EXPECT_NEAR(PolygonArea(floor->m_vertices), c.width * c.depth, 1e-9);
  // The room runs along x from the wall of the sensor, centred on y.
  const Box room{{0.0, -c.width / 2.0, 0.0}, {c.depth, c.width / 2.0, c.height}};

  int floorPatches = 0;
  const auto* results = Find<CItemGroup>(document, 13);
  ASSERT_FALSE(results->Children().empty());
  for (const auto& child : results->Children()) {
    const auto* patch = dynamic_cast<const CItemPolygon*>(child.get());
    ASSERT_NE(patch, nullptr);
    EXPECT_TRUE(LiesOnRoomFace(patch->m_vertices, room)) << patch->m_strName;
    floorPatches += std::all_of(patch->m_vertices.begin(), patch->m_vertices.end(),
                                [](const CVector& v) { return std::abs(v.z) < kOnPlane; });
  }
  EXPECT_GT(floorPatches, 0);

  const double height = document.GetSensorValues().height;
  EXPECT_GT(height, 0.0);
  EXPECT_LE(height, c.height);
  EXPECT_TRUE(c.variant != RoomVariant::Ceiling || height == c.height);
  const auto* element = Find<CItem3D>(document, 9);
  const CVector at{element->m_matrix[12], element->m_matrix[13], element->m_matrix[14]};
  EXPECT_TRUE(at.x > room.low.x && at.x < room.high.x && at.y > room.low.y && at.y < room.high.y && at.z > 0.0 &&
              at.z < c.height);
}

constexpr auto kWall = RoomVariant::Wall;
constexpr auto kCeiling = RoomVariant::Ceiling;
constexpr auto kCorner = RoomVariant::Corner;

INSTANTIATE_TEST_SUITE_P(
    EveryModelAndVariant, RoomProjectTest,
    ::testing::Values(
        RoomCase{"Pilot A1", kWall, 6.4, 8.2, 2.75, {}}, RoomCase{"Pilot A1", kCeiling, 6.4, 8.2, 2.75, {}},
        RoomCase{"Pilot A1", kCorner, 6.4, 8.2, 2.75, {}}, RoomCase{"Pilot B1", kWall, 6.4, 8.2, 2.75, 1.5},
        RoomCase{"Pilot B1", kCeiling, 6.4, 8.2, 2.75, {}}, RoomCase{"Pilot B1", kCorner, 6.4, 8.2, 2.75, {}},
        RoomCase{"Pilot B2", kWall, 6.4, 8.2, 2.75, {}}, RoomCase{"Pilot B2", kCeiling, 6.4, 8.2, 2.75, {}},
        RoomCase{"Pilot B2", kCorner, 6.4, 8.2, 2.75, {}}, RoomCase{"Pilot C1", kWall, 6.4, 8.2, 2.75, {}},
        RoomCase{"Pilot C1", kCeiling, 6.4, 8.2, 2.75, {}}, RoomCase{"Pilot C1", kCorner, 6.4, 8.2, 2.75, {}},
        // Below the models' usual mounting heights, and far above them.
        RoomCase{"Pilot B1", kWall, 3.0, 20.0, 2.0, 0.5}, RoomCase{"Pilot A1", kCeiling, 12.0, 12.0, 10.0, {}},
        RoomCase{"Pilot B2", kCorner, 1.0, 200.0, 30.0, {}}));

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

TEST(RoomRequestTest, TitleGivesTheSizesToTheCentimetre)
{
  EXPECT_EQ(RoomTitle({1, 6.4, 8.2, 2.75, kWall, {}}), "Raum 6.40 x 8.20 x 2.75");
}

} // namespace
