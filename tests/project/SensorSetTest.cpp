#include "SensorSet.h"
#include "ItemGroup.h"
#include "ItemSystem.h"
#include "KMVDocument.h"
#include "PlanChange.h"
#include "PlanRoom.h"
#include "RoomProject.h"
#include "SensorChange.h"
#include "SensorPlacement.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

namespace {

RoomRequest Room(double depth)
{
  RoomRequest request;
  request.width = 6.0;
  request.depth = depth;
  request.height = 3.0;
  return request;
}

double StandortX(CKMVDocument& document, size_t sensor)
{
  CItemGroup* group = FindSensorGroup(document.GetProject(), sensor);
  auto* placement = group ? dynamic_cast<CItemSystem*>(group->FindChild(kPlacementSystemName)) : nullptr;
  return placement ? placement->m_position.x : -1.0;
}

TEST(SensorSetTest, FurtherSensorsRunTheirOwnModulesAndFollowThePlan)
{
  CRoomPlan plan = RectanglePlan(Room(8.0));
  CKMVDocument room;
  ASSERT_TRUE(OpenPlanRoom(room, 1, plan));
  CRoomPlan place = plan;
  place.sensorWall = 2;
  place.sensorOffset = 2.0;
  ASSERT_FALSE(CompleteRoomPlan(place));
  std::optional<std::string> added = AddSensorText(room.GetProject(), 7, place);
  ASSERT_TRUE(added);
  CKMVDocument document;
  ASSERT_TRUE(document.OnNewDocumentFromText("Raum", *added));

  CSensorSet sensors(document.GetProject());
  ASSERT_EQ(sensors.Count(), 2u);
  EXPECT_NE(&sensors.Modules(2), &document.GetProject().GetModules());
  const SensorValues before = sensors.ReadValues(2);
  EXPECT_GE(sensors.Run(2, 7).status, 0); // MH3 lowers sensor 2 only
  EXPECT_NEAR(sensors.ReadValues(2).height, before.height - 0.1, 1e-12);
  EXPECT_EQ(sensors.ReadValues(1).height, document.GetSensorValues().height);

  // A failed CAD1 run leaves sensor 2's patches stale, as sensor 1's, until a good run.
  const int cad1 = CModuleTable::RunIndexOf("CAD1");
  std::string& results = sensors.Modules(2).m_cad1.m_paths[CModuleCAD1::kResultsField];
  const std::string filled = results;
  results = "xyz";
  EXPECT_LT(sensors.Run(2, cad1).status, 0);
  EXPECT_FALSE(sensors.ArePatchesCurrent(2));
  EXPECT_FALSE(sensors.AllPatchesCurrent());
  EXPECT_TRUE(sensors.ArePatchesCurrent(1));
  EXPECT_EQ(sensors.StalePatchGroups(), std::vector<std::string>{filled});
  results = filled;
  EXPECT_GE(sensors.Run(2, cad1).status, 0);
  EXPECT_TRUE(sensors.AllPatchesCurrent());
  EXPECT_TRUE(sensors.StalePatchGroups().empty());

  const double x = StandortX(document, 2);
  CRoomPlan deeper = RectanglePlan(Room(10.0));
  ASSERT_FALSE(ChangeRoomPlan(document, deeper, "Grundriss"));
  EXPECT_NEAR(StandortX(document, 2) - x, 2.0, 1e-12);
}

TEST(SensorSetTest, RemovingASensorNumbersTheLaterOnesDown)
{
  CRoomPlan plan = RectanglePlan(Room(8.0));
  CKMVDocument document;
  ASSERT_TRUE(OpenPlanRoom(document, 1, plan));
  CSensorPlaceRequest onWall;
  onWall.wall = 2;
  CSensorPlaceRequest onCeiling;
  onCeiling.variant = RoomVariant::Ceiling;
  ASSERT_FALSE(AddSensor(document, 7, onWall));
  ASSERT_FALSE(AddSensor(document, 10, onCeiling));
  ASSERT_EQ(document.CountSensors(), 3u);
  EXPECT_EQ(document.GetCurrentSensor(), 3u);

  EXPECT_FALSE(RemoveSensor(document, 1));
  ASSERT_TRUE(RemoveSensor(document, 2));
  EXPECT_EQ(document.CountSensors(), 2u);
  EXPECT_EQ(document.GetCurrentSensor(), 1u);
  EXPECT_EQ(FindSensorGroup(document.GetProject(), 2)->m_strDescription, "Pilot A1");
  EXPECT_EQ(document.GetText().View().find("Sensor_3"), std::string_view::npos);
  ASSERT_TRUE(document.SetCurrentSensor(2));
  EXPECT_EQ(document.GetSensorValues().height, 3.0); // the ceiling sensor's
}

} // namespace
