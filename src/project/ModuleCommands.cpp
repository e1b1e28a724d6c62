#include "ModuleCommands.h"

#include <array>

namespace {

struct CommandEntry {
  int id;
  ModuleCommand command;
};

constexpr std::array<CommandEntry, 18> kCommands{{
    {ID_CONFIGURE_CAD1, {2, true}},
    {ID_CONFIGURE_MH1, {3, true}},
    {ID_CONFIGURE_DW1, {4, true}},
    {ID_CONFIGURE_KW1, {5, true}},
    {ID_CONFIGURE_MH2, {6, true}},
    {ID_CONFIGURE_MH3, {7, true}},
    {ID_CONFIGURE_DW2, {8, true}},
    {ID_CONFIGURE_DW3, {9, true}},
    {ID_CONFIGURE_KW2, {10, true}},
    {ID_CONFIGURE_KW3, {11, true}},
    {ID_INTERSECT_START_LINES, {0, true}},
    {ID_MAP_SENSOR_ELEMENTS, {1, true}},
    {ID_HEIGHT_UP, {6, false}},
    {ID_HEIGHT_DOWN, {7, false}},
    {ID_TILT_UP, {11, false}},
    {ID_TILT_DOWN, {10, false}},
    {ID_TURN_LEFT, {9, false}},
    {ID_TURN_RIGHT, {8, false}},
}};

} // namespace

std::optional<ModuleCommand> MapCommand(int commandId)
{
  for (const CommandEntry& entry : kCommands)
    if (entry.id == commandId)
      return entry.command;
  return std::nullopt;
}
