#include "KMVChildFrame.h"

#include "CommandIds.h"
#include "CommandTable.h"
#include "DocumentWindows.h"
#include "ExtToolBar.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVTreeView.h"
#include "MainFrame.h"
#include "Messages.h"
#include "SettingsArchive.h"

#include <QCloseEvent>
#include <QSplitter>

namespace {

constexpr int kDefaultTreeWidth = 220;

} // namespace

CKMVChildFrame::CKMVChildFrame(CMainFrame& mainFrame, CDocumentWindows& windows, bool primary)
    : CExtChildFrame(mainFrame, windows.GetDocument(), IDR_KMVTYPE, primary), m_windows(windows)
{
  setAttribute(Qt::WA_DeleteOnClose, false);
}

CKMVChildFrame::~CKMVChildFrame() = default;

bool CKMVChildFrame::CreatePanes()
{
  if (CExtToolBar* bar = GetToolBar())
    for (int id : SensorRepeatCommands())
      bar->AddRepeatCommand(static_cast<unsigned>(id));

  auto view = std::make_unique<CKMV3DView>(m_windows, nullptr);
  if (!view->CreateContext()) {
    m_windows.GetApp().GetMessages().ShowMessage(kApplicationName, kNoVideoModeMessage);
    return false;
  }
  if (IsPrimary()) {
    QSplitter& splitter = UseSplitter();
    auto tree = std::make_unique<CKMVTreeView>(m_windows.GetDocument());
    m_pTreeView = tree.get();
    connect(m_pTreeView, &CKMVTreeView::SensorChosen, this, [this](size_t sensor) { m_windows.ChooseSensor(sensor); });
    CMainFrame& main = m_windows.GetApp().GetMainFrame();
    m_pTreeView->SetRootActions({main.GetAction(ID_SENSOR_ADD), main.GetAction(ID_SENSOR_REMOVE)});
    m_p3DView = view.get();
    splitter.addWidget(tree.release());
    splitter.addWidget(view.release());
    // Only the 3D view grows with the window; the tree keeps its width.
    splitter.setStretchFactor(0, 0);
    splitter.setStretchFactor(1, 1);
  } else {
    m_p3DView = view.release();
    setWidget(m_p3DView);
  }
  ReadViewSettings();
  m_p3DView->setFocus();
  return true;
}

void CKMVChildFrame::ReadViewSettings()
{
  CSettingsArchive* archive = m_windows.GetDocument().GetSettingsArchive();
  if (!archive || !archive->IsLoading())
    return;
  if (m_pTreeView)
    m_pTreeView->SerializeSettings(*archive);
  m_p3DView->SerializeSettings(*archive);
}

void CKMVChildFrame::WriteAllSettings()
{
  WriteSettings();
  CSettingsArchive* archive = m_windows.GetDocument().GetSettingsArchive();
  if (!archive || !archive->IsStoring())
    return;
  if (m_pTreeView)
    m_pTreeView->SerializeSettings(*archive);
  if (m_p3DView)
    m_p3DView->SerializeSettings(*archive);
}

void CKMVChildFrame::ApplyColumnWidths()
{
  auto* splitter = qobject_cast<QSplitter*>(widget());
  if (!splitter || !m_pTreeView)
    return;
  const std::vector<std::int32_t>& saved = GetSavedSettings().m_columnWidths;
  int treeWidth = saved.empty() ? kDefaultTreeWidth : saved[0];
  int viewWidth = saved.size() >= 2 ? saved[1] : splitter->width() - kDefaultTreeWidth;
  splitter->setSizes({treeWidth, std::max(viewWidth, 1)});
}

void CKMVChildFrame::OnInitialUpdate()
{
  // The frame has its size only once it is shown in the window area.
  ApplyColumnWidths();
  if (m_pTreeView)
    m_pTreeView->OnInitialUpdate();
  if (m_p3DView)
    m_p3DView->OnInitialUpdate();
}

void CKMVChildFrame::OnUpdate(int hint)
{
  if (m_pTreeView)
    m_pTreeView->OnUpdate(hint);
  if (m_p3DView)
    m_p3DView->OnUpdate(hint);
}

void CKMVChildFrame::closeEvent(QCloseEvent* event)
{
  // The frame is deleted by its document, never from inside its own event.
  event->ignore();
  if (IsPrimary())
    m_windows.GetApp().RequestCloseDocument(m_windows);
  else
    m_windows.GetApp().RequestCloseFrame(m_windows, *this);
}

bool CKMVChildFrame::OnCommand(int id)
{
  if (id == ID_VIEW_TOOLBAR) {
    ToggleToolBar();
    return true;
  }
  if ((id == ID_NEXT_PANE || id == ID_PREV_PANE) && m_pTreeView && m_p3DView) {
    if (m_p3DView->hasFocus())
      m_pTreeView->setFocus();
    else
      m_p3DView->setFocus();
    return true;
  }
  return false;
}

bool CKMVChildFrame::OnUpdateCommand(int id, CCmdUI& ui)
{
  if (id == ID_VIEW_TOOLBAR) {
    ui.bChecked = IsToolBarVisible();
    return true;
  }
  if (id == ID_NEXT_PANE || id == ID_PREV_PANE) {
    ui.bEnabled = m_pTreeView != nullptr;
    return true;
  }
  return false;
}
