#pragma once

#include "CmdTarget.h"
#include "FrameHost.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <map>
#include <string>
#include <vector>

class CKMVApp;
class CKMVChildFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
struct CommandInfo;

// The main window: the multi-document area, the menus of resource 128 (no
// project window) or 129, the main toolbar and the status bar with the
// three sensor panes. Every command goes through DispatchCommand along the
// chain active view, document, child frame, main frame, application.
class CMainFrame : public QMainWindow, public CFrameHost, public CCmdTarget {
  Q_OBJECT

public:
  explicit CMainFrame(CKMVApp& app);
  ~CMainFrame() override;

  // Toolbar, status bar and menus; FALSE when one cannot be made.
  bool Create();

  QMdiArea& GetMdiArea() { return *m_pMdiArea; }
  QAction* GetAction(int id) const;
  void DispatchCommand(int id);
  // Enables and checks every command as its handler says.
  void UpdateCommandUI();
  void SetSensorStatus(const std::array<std::string, 3>& texts);
  // The pane left of the sensor's three: which sensor they show; hidden
  // while empty.
  void SetCurrentSensorStatus(const QString& text);
  QString GetCurrentSensorText() const;
  QString GetPaneText(int pane) const;
  // The fifth pane, right of the sensor's three: the floor's coverage.
  void SetCoverageStatus(const std::string& text);
  QString GetCoverageText() const;
  // "Velmar CAD-Planungssoftware", then the active document's title.
  void UpdateCaption();
  // Menus anew, e.g. after the recent-file list changed.
  void RebuildMenus();

  void AddChildFrame(CKMVChildFrame& frame);
  // Before a child frame is deleted: hands its toolbar back if it was active.
  void RemoveChildFrame(CKMVChildFrame& frame);
  CKMVChildFrame* GetActiveFrame() const { return m_pActiveFrame; }

  QToolBar& GetMainToolBar() override;
  bool LoadToolBar(int resourceId, QToolBar& bar) override;
  void DockToolBar(QToolBar& bar) override;

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CCmdUI& ui) override;

protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void CreateActions();
  QAction* MakeAction(const CommandInfo& info);
  void BuildMenuBar(int resourceId);
  void OnSubWindowActivated(QMdiSubWindow* window);
  // The frame whose document owns the window; null for none.
  CKMVChildFrame* DocumentFrameOf(QMdiSubWindow& window) const;
  void ArrangeIcons();
  // "Überlappend": windows of two thirds of the area, each one title bar
  // further down and right, the active one on top.
  void CascadeWindows();
  // The "Fenster" menu's list: the first nine windows, the active one checked.
  void ListWindows(QMenu& menu);
  std::vector<CCmdTarget*> CommandChain() const;

  CKMVApp& m_app;
  QMdiArea* m_pMdiArea = nullptr;
  QToolBar* m_pMainToolBar = nullptr;
  QLabel* m_pIdleText = nullptr;
  QLabel* m_pCurrentSensorPane = nullptr;
  std::array<QLabel*, 3> m_panes = {};
  QLabel* m_pCoveragePane = nullptr;
  std::map<int, QAction*> m_actions;
  std::vector<CKMVChildFrame*> m_frames;
  std::vector<QPointer<QAction>> m_windowListActions;
  CKMVChildFrame* m_pActiveFrame = nullptr;
  int m_nMenuResource = 0;
};
