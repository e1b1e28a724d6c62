#pragma once

class QToolBar;

// What a child frame needs of the main window it lives in. The main frame
// implements it; tests use a plain QMainWindow behind it.
class CFrameHost {
public:
  virtual ~CFrameHost() = default;
  // The main window's own toolbar (id 59392).
  virtual QToolBar& GetMainToolBar() = 0;
  // Adds the buttons of a toolbar resource (128 or 129) to the bar: the
  // program's shared command actions, in the resource's order with its
  // separators. FALSE when there is no such resource.
  virtual bool LoadToolBar(int resourceId, QToolBar& bar) = 0;
  // Docks the bar at the top of the main window, which becomes its parent.
  virtual void DockToolBar(QToolBar& bar) = 0;
};
