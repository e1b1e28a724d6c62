#pragma once

#include "CmdTarget.h"
#include "ExtChildFrame.h"
#include "ExtToolBar.h"

class CDocumentWindows;
class CKMV3DView;
class CKMVTreeView;
class CMainFrame;

// A project window: the primary window of a document shows the tree beside
// the 3D view; further windows ("Neues Fenster") show a 3D view alone.
class CKMVChildFrame : public CExtChildFrame, public CCmdTarget {
  Q_OBJECT

public:
  CKMVChildFrame(CMainFrame& mainFrame, CDocumentWindows& windows, bool primary);
  ~CKMVChildFrame() override;

  // First update of the views.
  void OnInitialUpdate();
  void OnUpdate(int hint);
  // The frame's record, then its views' records in pane order.
  void WriteAllSettings();

  CDocumentWindows& GetDocumentWindows() { return m_windows; }
  CKMV3DView* Get3DView() const { return m_p3DView; }
  CKMVTreeView* GetTreeView() const { return m_pTreeView; }

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CCmdUI& ui) override;

protected:
  bool CreatePanes() override;
  void closeEvent(QCloseEvent* event) override;

private:
  void ReadViewSettings();
  // The saved widths of tree and 3D view, or the tree at its default width.
  void ApplyColumnWidths();

  CDocumentWindows& m_windows;
  CKMVTreeView* m_pTreeView = nullptr;
  CKMV3DView* m_p3DView = nullptr;
};
