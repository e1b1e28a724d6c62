#pragma once

#include <optional>

// Commands of the document.
enum DocumentCommandId {
  ID_EDIT_PROPERTIES = 32786,
  ID_SAVE_SETTINGS = 32835,
  ID_INTERSECT_START_LINES = 32783,
  ID_MAP_SENSOR_ELEMENTS = 32801,
  ID_HEIGHT_UP = 32866,
  ID_TILT_UP = 32867,
  ID_TURN_LEFT = 32869,
  ID_TURN_RIGHT = 32870,
  ID_HEIGHT_DOWN = 32871,
  ID_TILT_DOWN = 32872,
  ID_CONFIGURE_CAD1 = 32875,
  ID_CONFIGURE_MH1 = 32876,
  ID_CONFIGURE_MH2 = 32877,
  ID_CONFIGURE_MH3 = 32878,
  ID_CONFIGURE_KW1 = 32879,
  ID_CONFIGURE_DW2 = 32880,
  ID_CONFIGURE_DW1 = 32882,
  ID_CONFIGURE_KW2 = 32883,
  ID_CONFIGURE_DW3 = 32884,
  ID_CONFIGURE_KW3 = 32885,
};

// The module run a command stands for: the project's run index and whether
// the module's dialog comes first.
struct ModuleCommand {
  int index;
  bool configure;
};

// The module run of a command; none for a command that runs no module. The
// commands 32783 and 32801 lead to indices without a module, whose runs fail.
std::optional<ModuleCommand> MapCommand(int commandId);
