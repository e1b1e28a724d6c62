#include "AppDriver.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "KMVTreeView.h"
#include "MainFrame.h"
#include "MessageRecorder.h"
#include "ModuleCommands.h"
#include "NewRoomDlg.h"
#include "NumberFormat.h"
#include "ProgramLocale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

// Clicks the button of that text in the next modal dialog, once it is up.
CDialogPoll AnswerNextDialog(const QString& button)
{
  return CDialogPoll(OnNextDialog([button](QWidget& dialog) { Click(dialog, button); }));
}

QStringList MenuTitles(CMainFrame& frame)
{
  QStringList titles;
  for (QAction* menu : frame.menuBar()->actions())
    titles << menu->text();
  return titles;
}

class Shell : public testing::Test {
protected:
  void Start(const QStringList& arguments) { ASSERT_TRUE(StartApp(m_app, arguments)); }
  CMainFrame& Frame() { return m_app.GetMainFrame(); }
  CDocumentWindows& Document(size_t index = 0) { return *m_app.GetDocuments().at(index); }

  CKMVApp m_app;
};

TEST_F(Shell, PlainStartOpensNothingAndShowsTheMenuWithoutDocument)
{
  Start({});
  EXPECT_TRUE(m_app.GetDocuments().empty());
  EXPECT_FALSE(Frame().GetAction(ID_FILE_SAVE)->isEnabled());
}

TEST_F(Shell, ModelOpensWithTheTreeBesideTheActive3DView)
{
  Start({"*Pilot B1"});
  ASSERT_EQ(m_app.GetDocuments().size(), 1u);
  CKMVChildFrame* frame = Document().GetFrames().at(0);
  ASSERT_NE(frame->GetTreeView(), nullptr);
  ASSERT_NE(frame->Get3DView(), nullptr);
  auto* splitter = qobject_cast<QSplitter*>(frame->widget());
  ASSERT_NE(splitter, nullptr);
  EXPECT_EQ(Frame().windowTitle(), "Velmar CAD-Planungssoftware - [Pilot B1]");
  EXPECT_TRUE(Frame().GetPaneText(0).startsWith(" MH:  "));
  EXPECT_TRUE(Frame().GetPaneText(1).endsWith(" °"));
  ASSERT_NE(frame->GetToolBar(), nullptr);
  EXPECT_TRUE(frame->GetToolBar()->isVisibleTo(&Frame()));
  EXPECT_FALSE(Frame().GetMainToolBar().isVisibleTo(&Frame()));
}

TEST_F(Shell, MenusShowTheirOwnKeyTextsAndGoWhenReplaced)
{
  Start({});
  auto menus = [this] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Frame().findChildren<QMenu*>().size();
  };
  const qsizetype alone = menus();
  for (int cycle = 0; cycle < 3; ++cycle) {
    Frame().DispatchCommand(ID_MODEL_PILOT_B1);
    ASSERT_TRUE(m_app.CloseDocument(Document()));
  }
  EXPECT_EQ(menus(), alone);
  // Qt would add its own key names after a text without a tab.
  EXPECT_EQ(Frame().GetAction(ID_FILE_NEW)->text(), "&Neu...\tStrg+N");
  EXPECT_EQ(Frame().GetAction(ID_HELP_FINDER)->text(), "&Inhalt...\t");
}

TEST_F(Shell, HeightStepStopsAtTheMaximumWithoutTouchingTheDocument)
{
  Start({"*Pilot B1"});
  QAction* up = Frame().GetAction(ID_HEIGHT_UP);
  for (int step = 0; step < 1000 && up->isEnabled(); ++step)
    up->trigger();
  ASSERT_FALSE(up->isEnabled());
  CKMVDocument& document = Document().GetDocument();
  double height = document.GetSensorValues().height;
  document.SetModifiedFlag(false);

  // A disabled step is not run, however it arrives.
  Frame().DispatchCommand(ID_HEIGHT_UP);
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.GetSensorValues().height, height);
  EXPECT_TRUE(Frame().GetAction(ID_HEIGHT_DOWN)->isEnabled());
}

TEST_F(Shell, ClosingAModifiedProjectAsksFirst)
{
  Start({"*Pilot B1"});
  const qsizetype documentMenus = MenuTitles(Frame()).size();
  Frame().GetAction(ID_HEIGHT_DOWN)->trigger();
  ASSERT_TRUE(Document().GetDocument().IsModified());

  const CDialogPoll cancel = AnswerNextDialog("Abbrechen");
  Document().GetFrames().at(0)->close();
  ASSERT_TRUE(QTest::qWaitFor([&cancel] { return cancel.Done(); }));
  EXPECT_EQ(m_app.GetDocuments().size(), 1u);

  const CDialogPoll discard = AnswerNextDialog("&Nein");
  Document().GetFrames().at(0)->close();
  EXPECT_TRUE(QTest::qWaitFor([this] { return m_app.GetDocuments().empty(); }));
  EXPECT_LT(MenuTitles(Frame()).size(), documentMenus);
  EXPECT_TRUE(Frame().GetPaneText(0).isEmpty()); // no stale sensor values
}

TEST_F(Shell, FurtherWindowShowsOnlyThe3DViewAndClosesAlone)
{
  Start({"*Pilot B2"});
  Frame().GetAction(ID_WINDOW_NEW)->trigger();
  ASSERT_EQ(Document().GetFrames().size(), 2u);
  CKMVChildFrame* second = Document().GetFrames().at(1);
  EXPECT_EQ(second->GetTreeView(), nullptr);
  EXPECT_EQ(second->widget(), second->Get3DView());

  second->close();
  EXPECT_TRUE(QTest::qWaitFor([this] { return Document().GetFrames().size() == 1; }));
  ASSERT_NE(Document().GetFrames().at(0)->GetToolBar(), nullptr);
  EXPECT_TRUE(Document().GetFrames().at(0)->GetToolBar()->isVisibleTo(&Frame()));
  Document().GetFrames().at(0)->close();
  EXPECT_TRUE(QTest::qWaitFor([this] { return m_app.GetDocuments().empty(); }));
}

TEST_F(Shell, WindowLayoutTravelsInTheSettingsFile)
{
  QTemporaryDir folder;
  std::string path = (folder.path() + "/Haus.kmv").toStdString();
  Start({"*Pilot C1"});
  ASSERT_TRUE(Document().GetDocument().SaveAs(path));
  Frame().GetAction(ID_WINDOW_NEW)->trigger();
  auto* splitter = qobject_cast<QSplitter*>(Document().GetFrames().at(0)->widget());
  const int defaultWidth = splitter->sizes().at(0);
  splitter->setSizes({300, splitter->width() - 300});
  int treeWidth = splitter->sizes().at(0);
  ASSERT_NE(treeWidth, defaultWidth);
  Document().GetFrames().at(0)->Get3DView()->GetCamera().SetAngles(10.0, 30.0);
  // The active window, maximized, keeps its normal place and hidden toolbar.
  CKMVChildFrame* second = Document().GetFrames().at(1);
  second->showNormal();
  second->setGeometry(30, 40, 600, 400);
  second->showMaximized();
  second->ToggleToolBar();
  ASSERT_TRUE(m_app.CloseDocument(Document()));
  ASSERT_TRUE(QFile::exists(folder.path() + "/Haus.sty"));

  ASSERT_NE(m_app.OpenDocumentFile(path), nullptr);
  ASSERT_EQ(Document().GetFrames().size(), 2u);
  auto* restored = qobject_cast<QSplitter*>(Document().GetFrames().at(0)->widget());
  EXPECT_EQ(restored->sizes().at(0), treeWidth);
  EXPECT_EQ(Document().GetFrames().at(0)->Get3DView()->GetCamera().GetAzimuth(), 30.0);
  CKMVChildFrame* reopened = Document().GetFrames().at(1);
  EXPECT_TRUE(reopened->isMaximized());
  EXPECT_FALSE(reopened->IsToolBarVisible());
  reopened->showNormal();
  EXPECT_EQ(reopened->geometry(), QRect(30, 40, 600, 400));
}

TEST_F(Shell, NewWithoutAChosenModelOpensNothing)
{
  Start({});
  const CDialogPoll answer = AnswerNextDialog("OK");
  Frame().GetAction(ID_FILE_NEW)->trigger();
  EXPECT_TRUE(m_app.GetDocuments().empty());
}

TEST_F(Shell, NewRoomOpensAnUnsavedProjectTitledAfterTheRoom)
{
  Start({});
  const CDialogPoll answer = AnswerNextDialog("OK");
  Frame().GetAction(ID_FILE_NEW_ROOM)->trigger();
  ASSERT_EQ(m_app.GetDocuments().size(), 1u);
  CKMVDocument& document = Document().GetDocument();
  EXPECT_EQ(document.GetTitle(), "Raum 6.40 x 8.20 x 2.75");
  EXPECT_TRUE(document.IsModified());
  EXPECT_TRUE(document.GetPathName().empty());
  EXPECT_NE(document.GetText().View().find("polygon Poly1 Ergebnis"), std::string_view::npos);
}

TEST(NewRoomDialog, RefusesAnOffsetOutsideTheWallAndTakesAnEmptyOneAsTheMiddle)
{
  struct Case {
    const char* offset;
    bool accepted;
  };
  for (Case c : {Case{"0", false}, Case{"6.4", false}, Case{"x", false}, Case{"2.5", true}, Case{"", true}}) {
    CMessageRecorder messages;
    CNewRoomDlg dialog(messages, nullptr);
    dialog.findChild<QLineEdit*>("offset")->setText(c.offset);
    dialog.accept();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.offset;
    EXPECT_EQ(messages.texts.size(), c.accepted ? 0u : 1u) << c.offset;
    if (c.accepted) {
      EXPECT_EQ(dialog.GetRequest().offset.has_value(), *c.offset != '\0');
    }
  }
}

// Puts the locale of the run back, whatever the test set.
class CLocaleRestorer {
public:
  ~CLocaleRestorer() { std::setlocale(LC_ALL, m_saved.c_str()); }

private:
  std::string m_saved = std::setlocale(LC_ALL, nullptr);
};

TEST(ProgramLocale, NumbersKeepTheirDecimalPointUnderAGermanDesktop)
{
  const CLocaleRestorer restorer;
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
    GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
  SetProgramLocale();
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", 2.5);
  EXPECT_STREQ(text, "2.5");
  EXPECT_EQ(std::strtod("2.5", nullptr), 2.5);
  double value = 0.0;
  ParseDouble(FormatDouble(2.5), value);
  EXPECT_EQ(value, 2.5);
}

} // namespace
