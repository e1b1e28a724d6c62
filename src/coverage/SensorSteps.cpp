#include "SensorSteps.h"

#include "ModuleCommands.h"

#include <cstdlib>

namespace {

// Raising and lowering command per axis; the sign names the direction of
// the value the status bar shows (tilting down raises the tilt angle).
constexpr std::array<std::array<int, 2>, kStepAxes> kCommands{{
    {ID_HEIGHT_UP, ID_HEIGHT_DOWN},
    {ID_TURN_RIGHT, ID_TURN_LEFT},
    {ID_TILT_DOWN, ID_TILT_UP},
}};

} // namespace

int StepCommandId(size_t axis, bool raise)
{
  return kCommands[axis][raise ? 0 : 1];
}

int StepRunIndex(size_t axis, bool raise)
{
  std::optional<ModuleCommand> command = MapCommand(StepCommandId(axis, raise));
  return command ? command->index : 0;
}

std::vector<int> StepCommandIds(const CStepCounts& counts)
{
  std::vector<int> commands;
  for (size_t axis = 0; axis < kStepAxes; ++axis)
    commands.insert(commands.end(), static_cast<size_t>(std::abs(counts[axis])), StepCommandId(axis, counts[axis] > 0));
  return commands;
}

int TotalSteps(const CStepCounts& counts)
{
  return std::abs(counts[0]) + std::abs(counts[1]) + std::abs(counts[2]);
}
