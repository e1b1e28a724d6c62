#pragma once

#include "ModuleResult.h"
#include "ModuleTable.h"
#include "PatchState.h"
#include "RoomPlan.h"
#include "SensorValues.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CItemBase;
class CItemGroup;
class CProject;

// Sensor 1 is the project's own (the model's sensor, "Einstellungen",
// "Ergebnis" and the module section). Each further sensor N is a group
// "Sensor N" of the root holding its placed mounting "Standort", its own
// "Einstellungen" and "Ergebnis" and its hidden place "Platz"; its modules
// are its model's, re-rooted into the group, sharing the room of sensor 1.
constexpr const char* kSensorGroupStem = "Sensor ";
constexpr const char* kSensorPlaceGroupName = "Platz";

// The group of sensor N (from 2); null when there is none.
CItemGroup* FindSensorGroup(CProject& project, size_t sensor);

// The sensors of one project, numbered from 1, with the module tables of
// the further ones. Built for the project's tree as it is; build it again
// after the project is loaded anew.
class CSensorSet {
public:
  explicit CSensorSet(CProject& project);

  size_t Count() const { return m_extraModules.size() + 1; }
  // The modules of sensor N (1 to Count()).
  CModuleTable& Modules(size_t sensor);
  // Runs a module (run index 2 to 11) of sensor N as the project runs its
  // own; the room keeps sensor 1's mounting variant shown.
  ModuleResult Run(size_t sensor, int index, bool configure = false);
  // Reads height, turn and tilt of sensor N (failed reads give 0.0), then
  // reruns its CAD1.
  SensorValues ReadValues(size_t sensor);

  // FALSE after sensor N's CAD1 failed, as CProject::ArePatchesCurrent is
  // for sensor 1: its results group still holds the patches of an earlier
  // setting. TRUE again after its next successful run.
  bool ArePatchesCurrent(size_t sensor) const;
  bool AllPatchesCurrent() const;
  // The results groups holding further sensors' stale patches, which
  // drawing leaves out as CProject::DrawTree leaves out sensor 1's.
  std::vector<std::string> StalePatchGroups() const;

private:
  void ShowOwnVariant();

  CProject& m_project;
  std::vector<std::unique_ptr<CModuleTable>> m_extraModules;
  std::vector<CPatchState> m_patchStates; // of the further sensors
};

// The project text with one more sensor of the built-in model at the place
// the plan's variant and sensor fields give (a complete plan of the
// project's room); none when the model cannot be read or the project has no
// plan. Its patches come with the first run of its CAD1.
std::optional<std::string> AddSensorText(CProject& project, int modelCode, const CRoomPlan& place);

// The project's room plan with the place and variant of sensor N; none
// when that place does not fit the plan (CompleteRoomPlan).
std::optional<CRoomPlan> SensorPlan(CProject& project, size_t sensor);

// Writes the place of the plan's sensor fields into the hidden place of
// sensor N (from 2) and moves its mounting there; FALSE, nothing changed,
// when the sensor has no complete place. The plan must be complete
// (CompleteRoomPlan); its variant stays the sensor's own.
bool SetSensorPlace(CProject& project, size_t sensor, const CRoomPlan& place);

// The project text without sensor N (from 2), each later sensor's group
// numbered one down, so that the sensors stay numbered without a gap; none
// when the project has no group of sensor N.
std::optional<std::string> RemoveSensorText(CProject& project, size_t sensor);

// The sensor the entry belongs to: N inside the group "Sensor N", 1 inside
// the project's own sensor entries; 0 for the root, the room and any other
// entry of no sensor.
size_t SensorOfEntry(CProject& project, const CItemBase& entry);

// Moves every further sensor to its place for its variant in the project's
// plan, as the room's own sensor follows its plan; one whose place no longer
// fits stays where it is.
void FollowFurtherSensors(CProject& project);
