#include "ExtChildFrame.h"

#include "CommandIds.h"
#include "ExtDocument.h"
#include "ExtToolBar.h"
#include "FrameHost.h"

#include <QSplitter>

#include <bit>
#include <memory>

int CExtChildFrame::s_nFrameCount = 0;
std::uint16_t CExtChildFrame::s_nToolBarSlots = 0;

CExtChildFrame::CExtChildFrame(CFrameHost& host, CExtDocument& document, int resourceId, bool primary)
    : m_host(host), m_document(document), m_nResourceId(resourceId), m_bPrimary(primary)
{
  ++s_nFrameCount;
}

CExtChildFrame::~CExtChildFrame()
{
  ReleaseToolBarSlot();
  delete m_pToolBar.data();
  --s_nFrameCount;
}

bool CExtChildFrame::Create()
{
  OnCreate();
  return OnCreateClient();
}

void CExtChildFrame::OnCreate()
{
  if (!TakeToolBarSlot())
    return;
  auto bar = std::make_unique<CExtToolBar>();
  if (!m_host.LoadToolBar(m_nResourceId, *bar)) {
    ReleaseToolBarSlot();
    return;
  }
  bar->setObjectName(QString::number(ID_CHILD_TOOLBAR_BASE + GetToolBarSlotIndex()));
  bar->setWindowTitle(QString());
  bar->setAllowedAreas(Qt::TopToolBarArea);
  bar->setFloatable(false);
  m_host.DockToolBar(*bar);
  m_pToolBar = bar.release();
}

bool CExtChildFrame::OnCreateClient()
{
  CSettingsArchive* archive = m_document.GetSettingsArchive();
  if (archive != nullptr && archive->IsLoading())
    SerializeSettings(*archive);
  return CreatePanes();
}

void CExtChildFrame::ActivateFrame()
{
  if (!m_bPlaced) {
    m_bPlaced = true;
    if (m_saved.HasPlacement())
      setGeometry(m_saved.m_nLeft, m_saved.m_nTop, m_saved.m_nWidth, m_saved.m_nHeight);
    m_normalGeometry = geometry();
  }
  switch (m_saved.m_nShowCommand) {
  case kShowNone:
  case kShowMaximized:
    showMaximized();
    break;
  case kShowMinimized:
    showMinimized();
    break;
  default:
    showNormal();
    break;
  }
}

void CExtChildFrame::WriteSettings()
{
  CSettingsArchive* archive = m_document.GetSettingsArchive();
  if (archive != nullptr && archive->IsStoring())
    SerializeSettings(*archive);
}

bool CExtChildFrame::SerializeSettings(CSettingsArchive& archive)
{
  const int version = m_document.m_nSettingsVersion;
  if (archive.IsStoring()) {
    CFrameSettings live = CaptureSettings();
    return live.Exchange(archive, version);
  }
  const bool ok = m_saved.Exchange(archive, version);
  m_nPendingToolBar = m_saved.m_nToolBar;
  return ok;
}

void CExtChildFrame::OnMDIActivate(bool activate, CExtChildFrame* /*activated*/, CExtChildFrame* deactivated)
{
  if (!m_pToolBar)
    return;
  QToolBar& mainBar = m_host.GetMainToolBar();
  const bool onlyFrame = s_nFrameCount == 1;
  if (!activate) {
    // With other frames left, the frame activated next hides this toolbar.
    if (onlyFrame) {
      mainBar.setVisible(!m_pToolBar->isHidden());
      m_pToolBar->setVisible(false);
    }
    return;
  }
  if (onlyFrame) {
    // Taking over the main toolbar's visibility leaves nothing pending: a
    // pending value kept here would override, at the next activation, the
    // visibility handed over from the window active before.
    if (m_nPendingToolBar == kToolBarNone) {
      m_pToolBar->setVisible(!mainBar.isHidden());
    } else {
      m_pToolBar->setVisible(m_nPendingToolBar != kToolBarHidden);
      m_nPendingToolBar = kToolBarNone;
    }
    mainBar.setVisible(false);
    return;
  }
  CExtToolBar* previousBar = deactivated != nullptr && deactivated != this ? deactivated->m_pToolBar.data() : nullptr;
  if (m_nPendingToolBar != kToolBarNone) {
    m_pToolBar->setVisible(m_nPendingToolBar != kToolBarHidden);
    m_nPendingToolBar = kToolBarNone;
  } else if (previousBar != nullptr) {
    m_pToolBar->setVisible(!previousBar->isHidden());
  }
  if (previousBar != nullptr)
    previousBar->setVisible(false);
}

void CExtChildFrame::ToggleToolBar()
{
  QToolBar& bar = GetShownToolBar();
  bar.setVisible(bar.isHidden());
}

bool CExtChildFrame::IsToolBarVisible() const
{
  return !GetShownToolBar().isHidden();
}

QRect CExtChildFrame::GetNormalGeometry() const
{
  return isMinimized() || isMaximized() ? m_normalGeometry : geometry();
}

QSplitter& CExtChildFrame::UseSplitter()
{
  if (!m_pSplitter) {
    m_pSplitter = new QSplitter(Qt::Horizontal);
    setWidget(m_pSplitter);
  }
  return *m_pSplitter;
}

void CExtChildFrame::moveEvent(QMoveEvent* event)
{
  QMdiSubWindow::moveEvent(event);
  TrackNormalGeometry();
}

void CExtChildFrame::resizeEvent(QResizeEvent* event)
{
  QMdiSubWindow::resizeEvent(event);
  TrackNormalGeometry();
}

bool CExtChildFrame::TakeToolBarSlot()
{
  if (s_nToolBarSlots == 0xFFFF)
    return false;
  m_nToolBarSlot = static_cast<std::uint16_t>(1u << std::countr_one(s_nToolBarSlots));
  s_nToolBarSlots |= m_nToolBarSlot;
  return true;
}

void CExtChildFrame::ReleaseToolBarSlot()
{
  s_nToolBarSlots &= static_cast<std::uint16_t>(~m_nToolBarSlot);
  m_nToolBarSlot = 0;
}

int CExtChildFrame::GetToolBarSlotIndex() const
{
  return std::countr_zero(m_nToolBarSlot) + 1;
}

QToolBar& CExtChildFrame::GetShownToolBar() const
{
  if (m_pToolBar)
    return *m_pToolBar;
  return m_host.GetMainToolBar();
}

CFrameSettings CExtChildFrame::CaptureSettings() const
{
  CFrameSettings live;
  if (m_pSplitter) {
    const QList<int> sizes = m_pSplitter->sizes();
    std::vector<std::int32_t> panes(sizes.begin(), sizes.end());
    if (m_pSplitter->orientation() == Qt::Horizontal) {
      live.m_columnWidths = std::move(panes);
      live.m_rowHeights = {m_pSplitter->height()};
    } else {
      live.m_rowHeights = std::move(panes);
      live.m_columnWidths = {m_pSplitter->width()};
    }
  }
  const QRect normal = GetNormalGeometry();
  live.m_nLeft = normal.x();
  live.m_nTop = normal.y();
  live.m_nWidth = normal.width();
  live.m_nHeight = normal.height();
  live.m_nShowCommand = isMinimized() ? kShowMinimized : isMaximized() ? kShowMaximized : kShowNormal;
  live.m_nToolBar = IsToolBarVisible() ? kToolBarShown : kToolBarHidden;
  return live;
}

void CExtChildFrame::TrackNormalGeometry()
{
  // The events of a minimised or maximised window already carry that state.
  if (!isMinimized() && !isMaximized())
    m_normalGeometry = geometry();
}
