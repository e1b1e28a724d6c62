#include "SensorChange.h"

#include "KMVDocument.h"
#include "PlanChange.h"
#include "PlanEntries.h"
#include "SensorSet.h"

#include <string>

namespace {

constexpr const char* kAddStepName = "Sensor hinzuf\xfcgen";
constexpr const char* kRemoveStepName = "Sensor entfernen";

} // namespace

std::optional<CPlanFault> PlaceNewSensor(CProject& project, const CSensorPlaceRequest& request, CRoomPlan& plan)
{
  std::optional<CRoomPlan> placed = FindRoomPlan(project);
  if (!placed)
    return CPlanFault{"--model", "Dieses Projekt hat keinen Grundriss, in den ein Sensor gesetzt werden kann."};
  placed->variant = request.variant;
  placed->sensorWall = request.wall;
  placed->sensorOffset = request.offset;
  placed->sensorAt = request.at;
  placed->sensorCorner = request.corner;
  if (std::optional<CPlanFault> fault = CompleteRoomPlan(*placed))
    return fault;
  plan = std::move(*placed);
  return std::nullopt;
}

std::optional<CPlanFault> AddSensor(CKMVDocument& document, int modelCode, const CSensorPlaceRequest& request)
{
  CRoomPlan plan;
  if (std::optional<CPlanFault> fault = PlaceNewSensor(document.GetProject(), request, plan))
    return fault;
  std::optional<std::string> text = AddSensorText(document.GetProject(), modelCode, plan);
  if (!text)
    return CPlanFault{"--model", "Das Modell des Sensors kann nicht gelesen werden."};
  const size_t added = document.CountSensors() + 1;
  CDocumentChange change(document, kAddStepName);
  document.ReplaceText(*text, added);
  return std::nullopt;
}

std::optional<CPlanFault> MoveSensor(CKMVDocument& document, size_t sensor, const CRoomPlan& plan,
                                     const std::string& stepName)
{
  if (sensor < 2)
    return ChangeRoomPlan(document, plan, stepName);
  CRoomPlan placed = plan;
  if (std::optional<CPlanFault> fault = CompleteRoomPlan(placed))
    return fault;
  CProject& project = document.GetProject();
  CDocumentChange change(document, stepName);
  if (!SetSensorPlace(project, sensor, placed))
    return CPlanFault{"--model", "Der Sensor dieses Projekts ist nicht vollst\xe4ndig."};
  project.Refresh();
  // Loaded again as undo loads it, so that its patches are those of the new place.
  document.ReplaceText(std::string(document.GetText().View()), sensor);
  return std::nullopt;
}

bool CanRemoveSensor(CKMVDocument& document, size_t sensor)
{
  return sensor >= 2 && sensor <= document.CountSensors();
}

bool RemoveSensor(CKMVDocument& document, size_t sensor)
{
  std::optional<std::string> text =
      CanRemoveSensor(document, sensor) ? RemoveSensorText(document.GetProject(), sensor) : std::nullopt;
  if (!text)
    return false;
  CDocumentChange change(document, kRemoveStepName);
  document.ReplaceText(*text, sensor - 1);
  return true;
}
