#include "AppDriver.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "MainFrame.h"
#include "ModuleCommands.h"

#include <QDir>
#include <QMdiArea>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr const char* kRecoveryFolderVariable = "KMV_TEST_RECOVERY_FOLDER";

class Habits : public testing::Test {
protected:
  CMainFrame& Frame() { return m_app.GetMainFrame(); }
  CDocumentWindows& Document() { return *m_app.GetDocuments().at(0); }
  double Height() { return Document().GetDocument().GetSensorValues().height; }
  void Run(int id) { Frame().GetAction(id)->trigger(); }
  std::string Text(int id) { return Frame().GetAction(id)->text().toStdString(); }

  CKMVApp m_app;
};

TEST_F(Habits, UndoAndRedoWalkTheNamedStepsAndTheSavedState)
{
  ASSERT_TRUE(StartApp(m_app, {"*Pilot B1"}));
  CKMVDocument& document = Document().GetDocument();
  std::vector<double> heights{Height()};
  Run(ID_HEIGHT_UP);
  heights.push_back(Height());
  // A held button: its repeats and the click of its release are one step.
  CExtToolBar* bar = Document().GetFrames().at(0)->GetToolBar();
  ASSERT_NE(bar, nullptr);
  QWidget* button = bar->widgetForAction(Frame().GetAction(ID_HEIGHT_DOWN));
  QTest::mousePress(button, Qt::LeftButton);
  bar->OnTimer(CExtToolBar::kInitialTimer);
  bar->OnTimer(CExtToolBar::kRepeatTimer);
  bar->OnTimer(CExtToolBar::kRepeatTimer);
  QTest::mouseRelease(button, Qt::LeftButton);
  QTest::qWait(1);
  heights.push_back(Height());
  Run(ID_TILT_UP);
  ASSERT_EQ(Document().GetUndo().GetStack().count(), 3);
  ASSERT_LT(heights[2], heights[0]);

  Frame().UpdateCommandUI();
  EXPECT_EQ(Text(ID_EDIT_UNDO), "&Rückgängig: Velmar nach oben kippen\tStrg+Z");
  for (int step = 2; step >= 0; --step) {
    Run(ID_EDIT_UNDO);
    EXPECT_DOUBLE_EQ(Height(), heights[static_cast<size_t>(step)]) << step;
    EXPECT_EQ(document.IsModified(), step != 0) << step;
  }
  Frame().UpdateCommandUI();
  EXPECT_FALSE(Frame().GetAction(ID_EDIT_UNDO)->isEnabled());
  EXPECT_EQ(Text(ID_EDIT_REDO), "&Wiederherstellen: Montagehöhe erhöhen\tStrg+Y");
  Run(ID_EDIT_REDO);
  EXPECT_DOUBLE_EQ(Height(), heights[1]);
  EXPECT_TRUE(document.IsModified());

  // Saved here: leaving this state sets the flag, coming back clears it.
  QTemporaryDir folder;
  ASSERT_TRUE(document.SaveAs((folder.path() + "/B1.kmv").toStdString()));
  Run(ID_FILE_SAVE);
  Run(ID_EDIT_UNDO);
  EXPECT_TRUE(document.IsModified());
  Run(ID_EDIT_REDO);
  EXPECT_FALSE(document.IsModified());
  for (int step = 0; step < 110; ++step)
    Run(step % 2 ? ID_HEIGHT_UP : ID_HEIGHT_DOWN);
  EXPECT_EQ(Document().GetUndo().GetStack().count(), 100);
}

TEST_F(Habits, WindowMenuListsEveryWindowAndCtrlTabVisitsAllOfThem)
{
  ASSERT_TRUE(StartApp(m_app, {"*Pilot B1"}));
  ASSERT_NE(m_app.OpenDocumentFile("*Pilot A1"), nullptr);
  Run(ID_WINDOW_NEW);
  QMenu* windowMenu = nullptr;
  for (QAction* menu : Frame().menuBar()->actions())
    windowMenu = menu->text() == "&Fenster" ? menu->menu() : windowMenu;
  ASSERT_NE(windowMenu, nullptr);
  emit windowMenu->aboutToShow();
  QStringList listed;
  for (QAction* action : windowMenu->actions())
    if (action->text().contains(QRegularExpression("^&\\d ")))
      listed << action->text() + (action->isChecked() ? " *" : "");
  EXPECT_EQ(listed.join(", ").toStdString(), "&1 Pilot B1, &2 Pilot A1:1, &3 Pilot A1:2 *");

  Frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
  QStringList visited;
  for (Qt::KeyboardModifiers keys : std::initializer_list<Qt::KeyboardModifiers>{
           Qt::ControlModifier, Qt::ControlModifier, Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, keys);
    visited << Frame().GetActiveFrame()->windowTitle();
  }
  EXPECT_EQ(visited.join(", ").toStdString(), "Pilot B1, Pilot A1:1, Pilot A1:2, Pilot A1:1");

  Run(ID_WINDOW_CASCADE);
  QSize area = Frame().GetMdiArea().viewport()->size();
  for (QMdiSubWindow* window : Frame().GetMdiArea().subWindowList()) {
    EXPECT_GE(3 * window->width(), 2 * area.width());
    EXPECT_GE(3 * window->height(), 2 * area.height());
    EXPECT_TRUE(QRect(QPoint(), area).contains(window->geometry()));
  }
  Frame().GetActiveFrame()->showMaximized();
  EXPECT_EQ(Frame().windowTitle().toStdString(), "Velmar CAD-Planungssoftware - [Pilot A1:1]");
}

// Run only by the recovery test, as the program it kills.
TEST_F(Habits, DISABLED_ChildWritesARecoveryFileAndWaits)
{
  ASSERT_TRUE(StartApp(m_app, {"*Pilot B1"}, qEnvironmentVariable(kRecoveryFolderVariable)));
  Run(ID_HEIGHT_UP);
  m_app.WriteRecoveryFiles();
  std::printf("height %.17g\n", Height());
  std::fflush(stdout);
  QTest::qWait(60000);
}

TEST_F(Habits, RecoveryFileOutlivesAKillAndIsOfferedAtTheNextStart)
{
  QTemporaryDir folder;
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kRecoveryFolderVariable, folder.path());
  child.setProcessEnvironment(environment);
  // Earlier tests may have left the current folder deleted.
  child.setWorkingDirectory(folder.path());
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_also_run_disabled_tests", "--gtest_filter=Habits.DISABLED_ChildWritesARecoveryFileAndWaits"});
  QByteArray output;
  while ((!output.contains("height ") || !output.endsWith('\n')) && child.waitForReadyRead(20000))
    output += child.readAllStandardOutput();
  double height = output.mid(output.indexOf("height ") + 7).trimmed().toDouble();
  ASSERT_GT(height, 0.0) << output.toStdString() << child.errorString().toStdString();
  child.kill(); // SIGKILL
  ASSERT_TRUE(child.waitForFinished(5000));
  ASSERT_EQ(QDir(folder.path()).entryList({"*.kmvr"}).size(), 1);

  QString offer;
  const CDialogPoll answer(OnNextDialog([&offer](QWidget& box) {
    offer = box.findChild<QLabel*>("qt_msgbox_label")->text();
    Click(box, "Wiederherstellen");
  }));
  CKMVApp app;
  ASSERT_TRUE(StartApp(app, {}, folder.path()));
  EXPECT_TRUE(offer.contains("Pilot B1") && offer.contains(QDate::currentDate().toString("dd.MM.yyyy")));
  EXPECT_TRUE(QDir(folder.path()).entryList({"*.kmvr"}).isEmpty());
  ASSERT_EQ(app.GetDocuments().size(), 1u);
  CKMVDocument& document = app.GetDocuments().front()->GetDocument();
  EXPECT_EQ(document.GetTitle(), "Pilot B1");
  EXPECT_TRUE(document.IsModified());
  EXPECT_DOUBLE_EQ(document.GetSensorValues().height, height);
  document.SetModifiedFlag(false);
}

} // namespace
