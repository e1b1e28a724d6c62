#pragma once

#include <span>
#include <string_view>

// One command as menus, toolbars and the status bar show it. Texts are UTF-8.
struct CommandInfo {
  int id;
  // Menu text with its "&" mnemonic and, after a tab, the accelerator shown.
  std::string_view text;
  // Status-bar prompt, then after "\n" the tooltip.
  std::string_view prompt;
  // Key sequences in QKeySequence's portable form, separated by ";".
  std::string_view keys;
};

// An entry of a menu: a command, a separator (id 0), the recent-file list
// (ID_FILE_MRU_FILE1), the window list (ID_WINDOW_LIST) or a submenu
// starting (kSubmenuStart, text) and ending (kSubmenuEnd).
struct MenuEntry {
  int id;
  std::string_view text;
};
inline constexpr int kSeparator = 0;
inline constexpr int kSubmenuStart = -1;
inline constexpr int kSubmenuEnd = -2;

// Every command the program knows.
std::span<const CommandInfo> AllCommands();
const CommandInfo* FindCommand(int id);
// The prompt before the "\n", and the tooltip after it.
std::string_view CommandPrompt(const CommandInfo& info);
std::string_view CommandTooltip(const CommandInfo& info);

// Menu resource 128 (no document) or 129 (a project window active): the
// top-level menus, each a submenu of entries.
std::span<const MenuEntry> MenuResource(int resourceId);
// Toolbar resource 128 or 129: command ids, 0 for a separator. Empty for
// another id.
std::span<const int> ToolBarResource(int resourceId);
// The six sensor buttons that repeat while held, in registration order.
std::span<const int> SensorRepeatCommands();
