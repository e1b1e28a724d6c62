#pragma once

#include <string>

// State of a command in menus and toolbars, as its handler reports it.
struct CCmdUI {
  bool bEnabled = true;
  bool bChecked = false;
  // A menu text (UTF-8) in place of the command table's; empty keeps it.
  std::string text;
};

// A window, document or the application in the chain that commands travel:
// the active view first, then its document, its frame, the main frame and
// the application. The first target that knows a command handles it; a
// command nobody knows stays disabled.
class CCmdTarget {
public:
  virtual ~CCmdTarget() = default;
  // TRUE when this target handles the command; it has then run it.
  virtual bool OnCommand(int id) = 0;
  // TRUE when this target handles the command; it then sets the state.
  virtual bool OnUpdateCommand(int id, CCmdUI& ui) = 0;
};
