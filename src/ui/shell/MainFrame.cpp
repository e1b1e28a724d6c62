#include "MainFrame.h"

#include "CommandIcons.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "DocumentWindows.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "Messages.h"
#include "ModuleCommands.h"
#include "PlanWindow.h"
#include "TextEncoding.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <set>

namespace {

constexpr const char* kIdleText = "Drücken Sie F1, um Hilfe zu erhalten.";
// Each sensor pane is as wide as this text.
constexpr const char* kPaneWidthText = "123456789012";
constexpr const char* kCoverageWidthText = "Abdeckung Boden: 100.0 %";
// Menus and toolbars also follow states that change without a command,
// such as the window under the mouse; the old framework did this when idle.
constexpr int kIdleUpdateInterval = 250;
constexpr int kRecentFileCount = 4;

const std::set<int> kCheckableCommands = {ID_TOOL_ZOOM_IN,     ID_TOOL_ZOOM_OUT,  ID_TOOL_PAN,         ID_TOOL_ROTATE,
                                          ID_TOOL_TRACKBALL,   ID_VIEW_TOOLBAR,   ID_VIEW_STATUS_BAR,  ID_SAVE_SETTINGS,
                                          ID_VIEW_BLIND_SPOTS, ID_VIEW_ALL_WALLS, ID_VIEW_HIDDEN_PARTS};

QString FromView(std::string_view text)
{
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A menu shows the command's own text, with its key after the tab
// ("\tStrg+N"); the tab that ends every text keeps Qt from adding a key name
// of its own ("Ctrl+N", "F1").
QString MenuText(std::string_view text)
{
  QString shown = FromView(text);
  return shown.contains('\t') ? shown : shown + '\t';
}

} // namespace

CMainFrame::CMainFrame(CKMVApp& app) : m_app(app)
{
  setWindowTitle(QString::fromUtf8(kApplicationName));
  setAcceptDrops(true);
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create()
{
  m_pMdiArea = new QMdiArea(this);
  m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_pMdiArea);
  connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

  CreateActions();

  m_pMainToolBar = new QToolBar(this);
  m_pMainToolBar->setObjectName(QString::number(ID_VIEW_TOOLBAR));
  m_pMainToolBar->setWindowTitle("Standard");
  if (!LoadToolBar(IDR_MAINFRAME, *m_pMainToolBar))
    return false;
  addToolBar(Qt::TopToolBarArea, m_pMainToolBar);

  QStatusBar* bar = statusBar();
  bar->setObjectName(QString::number(ID_VIEW_STATUS_BAR));
  m_pIdleText = new QLabel(kIdleText, bar);
  bar->addWidget(m_pIdleText, 1);
  int paneWidth = bar->fontMetrics().horizontalAdvance(kPaneWidthText) + 8;
  m_pCurrentSensorPane = new QLabel(bar);
  m_pCurrentSensorPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_pCurrentSensorPane->setStatusTip("Der Sensor, auf den die Schritte und Anzeigen wirken; im Projektbaum wählbar.");
  bar->addPermanentWidget(m_pCurrentSensorPane);
  m_pCurrentSensorPane->hide();
  for (QLabel*& pane : m_panes) {
    pane = new QLabel(bar);
    pane->setMinimumWidth(paneWidth);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(pane);
  }
  m_pCoveragePane = new QLabel(bar);
  m_pCoveragePane->setMinimumWidth(bar->fontMetrics().horizontalAdvance(kCoverageWidthText) + 8);
  m_pCoveragePane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_pCoveragePane->setToolTip("Erfasster Anteil der Bodenflächen, sichtbare Teile");
  m_pCoveragePane->setStatusTip("Anteil der Bodenflächen, den der Sensor in den Erfassungsfeldern sieht; Gegenstände "
                                "verdecken, was dahinter liegt.");
  bar->addPermanentWidget(m_pCoveragePane);

  BuildMenuBar(IDR_MAINFRAME);
  auto* idle = new QTimer(this);
  connect(idle, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
  idle->start(kIdleUpdateInterval);
  UpdateCommandUI();
  return true;
}

void CMainFrame::CreateActions()
{
  for (const CommandInfo& info : AllCommands())
    MakeAction(info);
  for (int i = 0; i < kRecentFileCount; ++i)
    MakeAction(CommandInfo{ID_FILE_MRU_FILE1 + i, "", "Öffnet dieses Dokument.\nÖffnen", ""});
  // Commands only the keyboard reaches still need a place in the window.
  for (int id : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_NEXT_PANE, ID_PREV_PANE, ID_WINDOW_NEXT, ID_WINDOW_PREVIOUS})
    addAction(m_actions.at(id));
}

QAction* CMainFrame::MakeAction(const CommandInfo& info)
{
  QString text = FromView(info.text);
  // The accelerator shown after the tab comes from the shortcut itself.
  text = text.left(text.indexOf('\t'));
  auto* action = new QAction(CommandIcon(info.id), text, this);
  action->setData(info.id);
  action->setStatusTip(FromView(CommandPrompt(info)));
  action->setToolTip(FromView(CommandTooltip(info)));
  action->setCheckable(kCheckableCommands.count(info.id) != 0);
  QList<QKeySequence> keys;
  for (const QString& key : FromView(info.keys).split(';', Qt::SkipEmptyParts))
    keys.append(QKeySequence(key, QKeySequence::PortableText));
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::ApplicationShortcut);
  int id = info.id;
  connect(action, &QAction::triggered, this, [this, id] { DispatchCommand(id); });
  m_actions[id] = action;
  return action;
}

QAction* CMainFrame::GetAction(int id) const
{
  auto found = m_actions.find(id);
  return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::BuildMenuBar(int resourceId)
{
  m_nMenuResource = resourceId;
  QMenuBar* bar = menuBar();
  // clear() only takes the menus off the bar. They go once control returns,
  // as the bar may be rebuilt from one of their own actions.
  for (QAction* item : bar->actions())
    if (QMenu* menu = item->menu())
      menu->deleteLater();
  bar->clear();
  std::vector<QMenu*> open;
  for (const MenuEntry& entry : MenuResource(resourceId)) {
    if (entry.id == kSubmenuStart) {
      QMenu* menu = open.empty() ? bar->addMenu(FromView(entry.text)) : open.back()->addMenu(FromView(entry.text));
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
      open.push_back(menu);
    } else if (entry.id == kSubmenuEnd) {
      open.pop_back();
    } else if (entry.id == kSeparator) {
      open.back()->addSeparator();
    } else if (entry.id == ID_FILE_MRU_FILE1) {
      const std::vector<std::string>& files = m_app.GetRecentFiles();
      if (files.empty()) {
        open.back()->addAction("Letzte Datei")->setEnabled(false);
      }
      for (size_t i = 0; i < files.size() && i < kRecentFileCount; ++i) {
        QAction* action = m_actions.at(ID_FILE_MRU_FILE1 + static_cast<int>(i));
        action->setText(QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(files[i])));
        open.back()->addAction(action);
      }
    } else if (entry.id == ID_WINDOW_LIST) {
      QMenu* menu = open.back();
      connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListWindows(*menu); });
    } else if (QAction* action = GetAction(entry.id)) {
      if (!entry.text.empty())
        action->setText(MenuText(entry.text));
      else if (const CommandInfo* info = FindCommand(entry.id))
        action->setText(MenuText(info->text));
      open.back()->addAction(action);
    }
  }
}

void CMainFrame::RebuildMenus()
{
  BuildMenuBar(m_nMenuResource == 0 ? IDR_MAINFRAME : m_nMenuResource);
}

QToolBar& CMainFrame::GetMainToolBar()
{
  return *m_pMainToolBar;
}

bool CMainFrame::LoadToolBar(int resourceId, QToolBar& bar)
{
  std::span<const int> buttons = ToolBarResource(resourceId);
  if (buttons.empty())
    return false;
  for (int id : buttons) {
    if (id == kSeparator)
      bar.addSeparator();
    else if (QAction* action = GetAction(id))
      bar.addAction(action);
  }
  bar.setIconSize(QSize(24, 24));
  return true;
}

void CMainFrame::DockToolBar(QToolBar& bar)
{
  addToolBar(Qt::TopToolBarArea, &bar);
}

std::vector<CCmdTarget*> CMainFrame::CommandChain() const
{
  std::vector<CCmdTarget*> chain;
  if (m_pActiveFrame) {
    if (CKMV3DView* view = m_pActiveFrame->Get3DView())
      chain.push_back(view);
    chain.push_back(&m_pActiveFrame->GetDocumentWindows());
    chain.push_back(m_pActiveFrame);
  }
  chain.push_back(const_cast<CMainFrame*>(this));
  chain.push_back(&m_app);
  return chain;
}

void CMainFrame::DispatchCommand(int id)
{
  for (CCmdTarget* target : CommandChain()) {
    CCmdUI ui;
    if (!target->OnUpdateCommand(id, ui))
      continue;
    // The framework's command filter: a disabled command is not run.
    if (ui.bEnabled)
      target->OnCommand(id);
    break;
  }
  UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI()
{
  std::vector<CCmdTarget*> chain = CommandChain();
  for (const auto& [id, action] : m_actions) {
    CCmdUI ui;
    bool handled = false;
    for (CCmdTarget* target : chain)
      if ((handled = target->OnUpdateCommand(id, ui)))
        break;
    action->setEnabled(handled && ui.bEnabled);
    if (!ui.text.empty()) {
      // A text that changes ("Rückgängig: ...") keeps the key shown after its tab.
      QString text = QString::fromStdString(ui.text);
      if (!text.contains('\t'))
        text += '\t' + action->text().section('\t', 1);
      action->setText(text);
    }
    if (action->isCheckable())
      action->setChecked(handled && ui.bChecked);
  }
}

void CMainFrame::SetSensorStatus(const std::array<std::string, 3>& texts)
{
  for (size_t i = 0; i < texts.size(); ++i)
    m_panes[i]->setText(QString::fromStdString(Cp1252ToUtf8(texts[i])));
}

void CMainFrame::SetCurrentSensorStatus(const QString& text)
{
  m_pCurrentSensorPane->setText(text);
  m_pCurrentSensorPane->setVisible(!text.isEmpty());
}

QString CMainFrame::GetCurrentSensorText() const
{
  return m_pCurrentSensorPane->text();
}

QString CMainFrame::GetPaneText(int pane) const
{
  return m_panes.at(static_cast<size_t>(pane))->text();
}

void CMainFrame::SetCoverageStatus(const std::string& text)
{
  m_pCoveragePane->setText(QString::fromStdString(text));
}

QString CMainFrame::GetCoverageText() const
{
  return m_pCoveragePane->text();
}

void CMainFrame::UpdateCaption()
{
  QString caption = QString::fromUtf8(kApplicationName);
  // A maximised window adds its title in brackets unless the caption holds
  // it so already.
  if (m_pActiveFrame && m_pActiveFrame->isMaximized())
    caption += " - [" + m_pActiveFrame->windowTitle() + "]";
  else if (m_pActiveFrame)
    caption += " - " + m_pActiveFrame->windowTitle();
  setWindowTitle(caption);
}

void CMainFrame::AddChildFrame(CKMVChildFrame& frame)
{
  m_frames.push_back(&frame);
  m_pMdiArea->addSubWindow(&frame);
  connect(&frame, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateCaption);
  frame.ActivateFrame();
  m_pMdiArea->setActiveSubWindow(&frame);
}

void CMainFrame::RemoveChildFrame(CKMVChildFrame& frame)
{
  m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), &frame), m_frames.end());
  if (m_pActiveFrame == &frame) {
    // The hand-over needs the closing frame alive, as the one deactivated.
    CKMVChildFrame* next = m_frames.empty() ? nullptr : m_frames.back();
    frame.OnMDIActivate(false, next, &frame);
    m_pActiveFrame = next;
    if (next) {
      next->OnMDIActivate(true, next, &frame);
      m_pMdiArea->setActiveSubWindow(next);
      next->GetDocumentWindows().ShowSensorStatus();
    }
  }
  m_pMdiArea->removeSubWindow(&frame);
  if (m_frames.empty()) {
    BuildMenuBar(IDR_MAINFRAME);
    SetSensorStatus({"", "", ""});
    SetCurrentSensorStatus("");
    SetCoverageStatus("");
  }
  UpdateCaption();
}

CKMVChildFrame* CMainFrame::DocumentFrameOf(QMdiSubWindow& window) const
{
  // The active frame when it is of the window's document, else its first.
  std::vector<CKMVChildFrame*> frames = m_frames;
  if (m_pActiveFrame)
    frames.insert(frames.begin(), m_pActiveFrame);
  for (CKMVChildFrame* frame : frames)
    if (frame->GetDocumentWindows().GetPlanWindow() == &window)
      return frame;
  return nullptr;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window)
{
  auto* activated = dynamic_cast<CKMVChildFrame*>(window);
  // A document's other windows ("Grundriss") hand its commands to its frame.
  if (!activated && window)
    activated = DocumentFrameOf(*window);
  // A null activation only means the main window lost the focus.
  if (!activated || activated == m_pActiveFrame)
    return;
  CKMVChildFrame* deactivated = m_pActiveFrame;
  if (deactivated)
    deactivated->OnMDIActivate(false, activated, deactivated);
  m_pActiveFrame = activated;
  activated->OnMDIActivate(true, activated, deactivated);
  if (m_nMenuResource != IDR_KMVTYPE)
    BuildMenuBar(IDR_KMVTYPE);
  activated->GetDocumentWindows().ShowSensorStatus();
  UpdateCaption();
  UpdateCommandUI();
}

void CMainFrame::ArrangeIcons()
{
  int x = 0;
  for (QMdiSubWindow* window : m_pMdiArea->subWindowList()) {
    if (!window->isMinimized())
      continue;
    window->move(x, m_pMdiArea->viewport()->height() - window->height());
    x += window->width();
  }
}

void CMainFrame::CascadeWindows()
{
  std::vector<CKMVChildFrame*> windows;
  for (CKMVChildFrame* frame : m_frames)
    if (!frame->isMinimized())
      windows.push_back(frame);
  // The active window comes last, so it ends on top.
  auto active = std::find(windows.begin(), windows.end(), m_pActiveFrame);
  if (active != windows.end())
    std::rotate(active, active + 1, windows.end());
  QSize area = m_pMdiArea->viewport()->size();
  QSize size((area.width() * 2 + 2) / 3, (area.height() * 2 + 2) / 3);
  int step = std::max(style()->pixelMetric(QStyle::PM_TitleBarHeight), 1);
  int room = std::min(area.width() - size.width(), area.height() - size.height());
  int places = std::max(room / step + 1, 1);
  int place = 0;
  for (CKMVChildFrame* frame : windows) {
    frame->showNormal();
    frame->setGeometry(QRect(QPoint(place * step, place * step), size));
    frame->raise();
    place = (place + 1) % places;
  }
  if (m_pActiveFrame)
    m_pMdiArea->setActiveSubWindow(m_pActiveFrame);
}

void CMainFrame::ListWindows(QMenu& menu)
{
  // Menus rebuilt since have taken their old entries with them.
  for (const QPointer<QAction>& action : m_windowListActions)
    delete action.data();
  m_windowListActions.clear();
  if (m_frames.empty())
    return;
  m_windowListActions.push_back(menu.addSeparator());
  for (size_t i = 0; i < m_frames.size() && i < 9; ++i) {
    QPointer<CKMVChildFrame> frame = m_frames[i];
    QAction* action = menu.addAction(QString("&%1 %2").arg(i + 1).arg(frame->windowTitle()));
    action->setCheckable(true);
    action->setChecked(frame == m_pActiveFrame);
    connect(action, &QAction::triggered, this, [this, frame] {
      if (frame)
        m_pMdiArea->setActiveSubWindow(frame);
    });
    m_windowListActions.push_back(action);
  }
}

bool CMainFrame::OnCommand(int id)
{
  switch (id) {
  case ID_VIEW_TOOLBAR:
    m_pMainToolBar->setVisible(!m_pMainToolBar->isVisible());
    return true;
  case ID_VIEW_STATUS_BAR:
    statusBar()->setVisible(!statusBar()->isVisible());
    return true;
  case ID_WINDOW_CASCADE:
    CascadeWindows();
    return true;
  case ID_WINDOW_NEXT:
    m_pMdiArea->activateNextSubWindow();
    return true;
  case ID_WINDOW_PREVIOUS:
    m_pMdiArea->activatePreviousSubWindow();
    return true;
  case ID_WINDOW_TILE_HORZ:
    m_pMdiArea->tileSubWindows();
    return true;
  case ID_WINDOW_ARRANGE:
    ArrangeIcons();
    return true;
  default:
    return false;
  }
}

bool CMainFrame::OnUpdateCommand(int id, CCmdUI& ui)
{
  switch (id) {
  case ID_VIEW_TOOLBAR:
    ui.bChecked = m_pMainToolBar->isVisible();
    return true;
  case ID_VIEW_STATUS_BAR:
    ui.bChecked = statusBar()->isVisible();
    return true;
  case ID_WINDOW_CASCADE:
  case ID_WINDOW_TILE_HORZ:
  case ID_WINDOW_ARRANGE:
  case ID_WINDOW_NEXT:
  case ID_WINDOW_PREVIOUS:
    ui.bEnabled = !m_frames.empty();
    return true;
  default:
    return false;
  }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
  if (m_app.CloseAllDocuments())
    event->accept();
  else
    event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
  if (event->mimeData()->hasUrls())
    event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile())
      m_app.OpenDocumentFile(url.toLocalFile().toStdString());
  event->acceptProposedAction();
}
