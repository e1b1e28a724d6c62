#pragma once

#include "RoomPlan.h"

#include <cstddef>
#include <optional>
#include <string>

class CKMVDocument;
class CProject;

// Where a new sensor goes: its mounting variant and, for that variant, the
// wall (from 0) with the offset along it, the ceiling point or the corner
// (from 0). Each value not given takes CompleteRoomPlan's default: the
// wall's middle, the room's centre, the first corner below 180 degrees.
struct CSensorPlaceRequest {
  RoomVariant variant = RoomVariant::Wall;
  size_t wall = 0;
  std::optional<double> offset;
  std::optional<CPlanPoint> at;
  std::optional<size_t> corner;
};

// The project's plan with a new sensor's place, checked and completed as
// "kmvtool add-sensor" does; the plan is left as it was on a fault. A
// project without a plan gives the fault of the option "--model".
std::optional<CPlanFault> PlaceNewSensor(CProject& project, const CSensorPlaceRequest& request, CRoomPlan& plan);

// Adds a sensor of the built-in model at the requested place as one step
// "Sensor hinzufügen"; it becomes the current sensor. Refused with the
// fault, the document as it was.
std::optional<CPlanFault> AddSensor(CKMVDocument& document, int modelCode, const CSensorPlaceRequest& request);

// Moves sensor N to the place of the plan's sensor fields as one step named
// `stepName`, sensor N current after it: sensor 1 changes the room's plan
// (ChangeRoomPlan), a further sensor only its own place, keeping its
// variant. Refused with the plan's fault, the document as it was.
std::optional<CPlanFault> MoveSensor(CKMVDocument& document, size_t sensor, const CRoomPlan& plan,
                                     const std::string& stepName);

// Whether sensor N can be removed: a further sensor (from 2) the document
// holds. Sensor 1 is the project's own, which every reader of the file sees.
bool CanRemoveSensor(CKMVDocument& document, size_t sensor);

// Removes sensor N as one step "Sensor entfernen"; the later sensors move
// down one number and the sensor before it becomes current. FALSE, the
// document as it was, when CanRemoveSensor says no.
bool RemoveSensor(CKMVDocument& document, size_t sensor);
