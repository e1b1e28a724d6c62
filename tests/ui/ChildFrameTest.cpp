#include "CommandIds.h"
#include "ExtChildFrame.h"
#include "ExtDocument.h"
#include "ExtToolBar.h"
#include "FrameHost.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QSplitter>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <vector>

namespace {

class CTestHost : public CFrameHost {
public:
  CTestHost()
  {
    m_pArea = new QMdiArea;
    m_window.setCentralWidget(m_pArea);
    m_pMainBar = m_window.addToolBar(QStringLiteral("Standard"));
    m_window.resize(1000, 700);
    m_window.show();
  }

  QToolBar& GetMainToolBar() override { return *m_pMainBar; }
  bool LoadToolBar(int resourceId, QToolBar& bar) override
  {
    if (resourceId != IDR_KMVTYPE)
      return false;
    for (int command : {ID_FILE_NEW, ID_FILE_OPEN, ID_TOOL_ZOOM_IN})
      bar.addAction(QString::number(command))->setData(command);
    return true;
  }
  void DockToolBar(QToolBar& bar) override { m_window.addToolBar(Qt::TopToolBarArea, &bar); }

  QMainWindow m_window;
  QMdiArea* m_pArea;
  QToolBar* m_pMainBar;
};

class CTestFrame : public CExtChildFrame {
public:
  CTestFrame(CFrameHost& host, CExtDocument& document, int resourceId)
      : CExtChildFrame(host, document, resourceId, true)
  {
  }

protected:
  bool CreatePanes() override
  {
    QSplitter& splitter = UseSplitter();
    splitter.addWidget(new QWidget);
    splitter.addWidget(new QWidget);
    return true;
  }
};

// Opens and closes frames as the main window does, activating the newest.
class ChildFrames : public testing::Test {
protected:
  CTestFrame* Open(CExtDocument& document, int resourceId = IDR_KMVTYPE)
  {
    auto frame = std::make_unique<CTestFrame>(m_host, document, resourceId);
    m_host.m_pArea->addSubWindow(frame.get());
    EXPECT_TRUE(frame->Create());
    frame->ActivateFrame();
    Activate(frame.get());
    m_frames.push_back(std::move(frame));
    return m_frames.back().get();
  }
  CTestFrame* Open() { return Open(m_document); }

  void Activate(CTestFrame* next)
  {
    if (m_pActive != nullptr)
      m_pActive->OnMDIActivate(false, next, m_pActive);
    if (next != nullptr)
      next->OnMDIActivate(true, next, m_pActive);
    m_pActive = next;
  }

  void Close(CTestFrame* frame)
  {
    if (frame == m_pActive)
      Activate(m_frames.size() > 1 ? (m_frames.front().get() == frame ? m_frames[1] : m_frames.front()).get()
                                   : nullptr);
    std::erase_if(m_frames, [frame](const auto& owned) { return owned.get() == frame; });
  }

  bool MainBarShown() const { return !m_host.m_pMainBar->isHidden(); }
  static bool Shown(CExtChildFrame* frame)
  {
    const QToolBar* bar = frame->GetToolBar();
    if (bar == nullptr)
      ADD_FAILURE() << "the window has no toolbar of its own";
    return bar != nullptr && !bar->isHidden();
  }

  CTestHost m_host;
  CExtDocument m_document;
  std::vector<std::unique_ptr<CTestFrame>> m_frames;
  CTestFrame* m_pActive = nullptr;
};

} // namespace

TEST_F(ChildFrames, OnlyWindowTakesAndReturnsTheMainToolBar)
{
  struct Case {
    bool mainShown;
    bool toggleWhileOpen;
    bool mainShownAfterClose;
  };
  for (const Case& c :
       {Case{true, false, true}, Case{false, false, false}, Case{true, true, false}, Case{false, true, true}}) {
    SCOPED_TRACE(testing::Message() << c.mainShown << c.toggleWhileOpen);
    m_host.m_pMainBar->setVisible(c.mainShown);
    CTestFrame* frame = Open();
    EXPECT_EQ(Shown(frame), c.mainShown);
    EXPECT_FALSE(MainBarShown());
    if (c.toggleWhileOpen)
      frame->ToggleToolBar();
    EXPECT_EQ(frame->IsToolBarVisible(), c.mainShown != c.toggleWhileOpen);
    Close(frame);
    EXPECT_EQ(MainBarShown(), c.mainShownAfterClose);
  }
}

TEST_F(ChildFrames, SwitchingShowsOnlyTheActiveWindowsToolBar)
{
  CTestFrame* first = Open();
  CTestFrame* second = Open();
  EXPECT_TRUE(Shown(second));
  EXPECT_FALSE(Shown(first));
  EXPECT_FALSE(MainBarShown());
  second->ToggleToolBar();
  Activate(first);
  EXPECT_FALSE(Shown(first));
  EXPECT_FALSE(Shown(second));
  first->ToggleToolBar();
  Activate(second);
  EXPECT_TRUE(Shown(second));
  EXPECT_FALSE(Shown(first));
}

TEST_F(ChildFrames, SeventeenthWindowUsesTheMainToolBar)
{
  for (int i = 0; i < 17; ++i)
    Open();
  EXPECT_EQ(CExtChildFrame::GetFrameCount(), 17);
  std::set<QString> names;
  for (size_t i = 0; i < 16; ++i) {
    ASSERT_NE(m_frames[i]->GetToolBar(), nullptr) << i;
    names.insert(m_frames[i]->GetToolBar()->objectName());
  }
  EXPECT_EQ(names.size(), 16u);
  CTestFrame* last = m_frames.back().get();
  EXPECT_EQ(last->GetToolBar(), nullptr);
  const bool mainShown = MainBarShown();
  last->ToggleToolBar();
  EXPECT_NE(MainBarShown(), mainShown);
  EXPECT_EQ(last->IsToolBarVisible(), MainBarShown());

  // A freed slot is taken again; a toolbar that cannot be loaded frees its slot.
  const QString freed = m_frames[2]->GetToolBar()->objectName();
  Close(m_frames[2].get());
  EXPECT_EQ(Open(m_document, 999)->GetToolBar(), nullptr);
  const QToolBar* reused = Open()->GetToolBar();
  ASSERT_NE(reused, nullptr);
  EXPECT_EQ(reused->objectName(), freed);
  EXPECT_EQ(reused->allowedAreas(), Qt::TopToolBarArea);
}

TEST_F(ChildFrames, SavedShowCommandDecidesTheWindowState)
{
  struct Case {
    std::int32_t showCommand;
    Qt::WindowStates state;
  };
  for (const Case& c : {Case{kShowNone, Qt::WindowMaximized}, Case{kShowNormal, Qt::WindowNoState},
                        Case{kShowMinimized, Qt::WindowMinimized}, Case{kShowMaximized, Qt::WindowMaximized},
                        Case{0, Qt::WindowNoState}, Case{9, Qt::WindowNoState}}) {
    SCOPED_TRACE(c.showCommand);
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("Haus.kmv")).toStdString();
    CSettingsArchive file;
    file.WriteInt32(1);
    file.WriteInt32(1);
    CFrameSettings record;
    record.m_nShowCommand = c.showCommand;
    record.m_nToolBar = kToolBarShown;
    record.Exchange(file, 1);
    std::ofstream(CExtDocument::SettingsPathFor(path, "sty"), std::ios::binary) << file.GetBytes();

    CExtDocument document;
    ASSERT_EQ(document.ReadWindowSettings(path), 1);
    CTestFrame* frame = Open(document);
    EXPECT_EQ(frame->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), c.state);
    Close(frame);
  }
}
