#include "ThreeSensorRoom.h"

#include "BuiltinModels.h"
#include "KMVDocument.h"
#include "PlanEntries.h"
#include "RoomProject.h"
#include "SensorSet.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace {

// Adds a sensor as "kmvtool add-sensor" does: the project made from the
// new text, the new sensor's CAD1 run once.
std::unique_ptr<CKMVDocument> AddSensor(CKMVDocument& document, const char* model, const CRoomPlan& place)
{
  std::optional<std::string> text = AddSensorText(document.GetProject(), FindBuiltinModelCode(model), place);
  auto added = std::make_unique<CKMVDocument>();
  if (!text || !added->OnNewDocumentFromText(document.GetTitle(), *text))
    return nullptr;
  CSensorSet sensors(added->GetProject());
  sensors.ReadValues(sensors.Count());
  return added;
}

// The room's plan with a sensor's place, completed as add-sensor completes
// it.
std::optional<CRoomPlan> PlaceIn(CProject& project, RoomVariant variant, size_t wall, std::optional<double> offset,
                                 std::optional<CPlanPoint> at)
{
  std::optional<CRoomPlan> plan = FindRoomPlan(project);
  if (!plan)
    return std::nullopt;
  plan->variant = variant;
  plan->sensorWall = wall;
  plan->sensorOffset = offset;
  plan->sensorAt = at;
  plan->sensorCorner.reset();
  if (CompleteRoomPlan(*plan))
    return std::nullopt;
  return plan;
}

} // namespace

std::string WriteThreeSensorRoom()
{
  RoomRequest request;
  request.modelCode = FindBuiltinModelCode("*Pilot B1");
  request.width = 6.0;
  request.depth = 8.0;
  request.height = 3.0;
  CRoomPlan plan = RectanglePlan(request);
  plan.height = request.height;
  CTextBuffer text;
  if (CompleteRoomPlan(plan) || !MakePlanRoomProject(request.modelCode, plan, text))
    return {};
  auto room = std::make_unique<CKMVDocument>();
  if (!room->OnNewDocumentFromText(RoomTitle(plan), text.View()))
    return {};

  std::optional<CRoomPlan> ceiling =
      PlaceIn(room->GetProject(), RoomVariant::Ceiling, 0, std::nullopt, CPlanPoint{4.0, 1.0});
  std::optional<CRoomPlan> opposite = PlaceIn(room->GetProject(), RoomVariant::Wall, 2, 2.0, std::nullopt);
  if (!ceiling || !opposite)
    return {};
  std::unique_ptr<CKMVDocument> two = AddSensor(*room, "*Pilot A1", *ceiling);
  std::unique_ptr<CKMVDocument> three = two ? AddSensor(*two, "*Pilot B1", *opposite) : nullptr;
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "kmv-bench-three-sensors.kmv";
  if (!three || !three->SaveAs(path.string()))
    return {};
  return path.string();
}
