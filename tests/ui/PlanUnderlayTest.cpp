#include "AppDriver.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "KMVApp.h"
#include "MainFrame.h"
#include "PlanEntries.h"
#include "PlanView.h"
#include "PlanWindow.h"
#include "RoomProject.h"
#include "TempFolder.h"
#include "UnderlayControls.h"

#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A plan drawing of two pages.
void WritePdf(const std::string& path)
{
  QPdfWriter pdf(QString::fromStdString(path));
  QPainter painter(&pdf);
  painter.drawRect(100, 100, 4000, 3000);
  pdf.newPage();
  painter.drawLine(100, 100, 4000, 100);
}

class PlanUnderlayWindowTest : public TempFolderTest {
protected:
  CPlanWindow& OpenDrawnRoom()
  {
    EXPECT_TRUE(StartApp(m_app, {}));
    RoomRequest request;
    request.modelCode = 1;
    request.height = 2.5;
    request.drawOutline = true;
    m_pWindows = m_app.OpenRoomDocument(request);
    EXPECT_TRUE(m_pWindows->GetDocument().SaveAs(Path("raum.kmv")));
    return *m_pWindows->GetPlanWindow();
  }
  CRoomPlan Plan() { return *FindEditablePlan(m_pWindows->GetDocument().GetProject()); }

  CKMVApp m_app;
  CDocumentWindows* m_pWindows = nullptr;
};

} // namespace

TEST_F(PlanUnderlayWindowTest, APdfPageIsLoadedScaledByTwoPointsAndEachStepUndone)
{
  CPlanWindow& window = OpenDrawnRoom();
  EXPECT_TRUE(window.GetOutlineTool().isChecked());
  EXPECT_FALSE(FindRoomPlan(m_pWindows->GetDocument().GetProject()));
  WritePdf(Path("eg plan.pdf"));
  CDialogPoll page(OnNextDialog<QInputDialog>([](QInputDialog& dialog) {
    dialog.setIntValue(2);
    dialog.accept();
  }));
  window.GetUnderlay().LoadFile(Path("eg plan.pdf"));
  ASSERT_TRUE(Plan().underlay);
  EXPECT_EQ(Plan().underlay->file, "eg plan.pdf");
  EXPECT_EQ(Plan().underlay->page, 1u);
  const double fitted = Plan().underlay->scale;

  // Two points 100 pixels apart are 2,5 m apart.
  window.GetUnderlay().GetMeasureTool().trigger();
  CPlanView& view = window.GetView();
  const QPoint from(200, 200), to(300, 200);
  const double shown = view.mapToScene(to).x() - view.mapToScene(from).x();
  CDialogPoll distance(OnNextDialog<QInputDialog>([](QInputDialog& dialog) {
    dialog.setTextValue("2,5");
    dialog.accept();
  }));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, from);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, to);
  EXPECT_NEAR(Plan().underlay->scale, fitted * 2.5 / shown, 1e-9 * fitted);

  window.GetUnderlay().GetOpacitySlider().setValue(40);
  EXPECT_EQ(Plan().underlay->opacity, 0.4);
  QUndoStack& stack = m_pWindows->GetUndo().GetStack();
  ASSERT_EQ(stack.count(), 3);
  stack.undo();
  stack.undo();
  EXPECT_EQ(Plan().underlay->scale, fitted);
  EXPECT_EQ(window.GetUnderlay().GetOpacitySlider().value(), 100);
}

TEST_F(PlanUnderlayWindowTest, AMissingUnderlayIsSaidOnceAndKeptInThePlan)
{
  CPlanWindow& window = OpenDrawnRoom();
  WritePdf(Path("eg.pdf"));
  CDialogPoll page(OnNextDialog<QInputDialog>([](QInputDialog& dialog) { dialog.accept(); }));
  window.GetUnderlay().LoadFile(Path("eg.pdf"));
  ASSERT_TRUE(m_pWindows->GetDocument().Save() == SaveStatus::Saved);
  ASSERT_TRUE(QFile::remove(QString::fromStdString(Path("eg.pdf"))));
  m_app.CloseDocument(*m_pWindows);

  // Every message is answered and counted.
  int messages = 0;
  QTimer answer;
  answer.callOnTimeout([&messages] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      messages += box->text().contains("kann nicht gelesen werden") ? 1 : 100;
      box->accept();
    }
  });
  answer.start(5);
  m_pWindows = m_app.OpenDocumentFile(Path("raum.kmv"));
  m_app.GetMainFrame().DispatchCommand(ID_VIEW_PLAN);
  CPlanWindow& reopened = *m_pWindows->GetPlanWindow();
  m_pWindows->UpdateAllViews(0);
  ASSERT_TRUE(QTest::qWaitFor([&messages] { return messages > 0; }));
  QCoreApplication::processEvents(); // a second message would be posted by now
  EXPECT_EQ(messages, 1);
  EXPECT_EQ(Plan().underlay->file, "eg.pdf");
  EXPECT_FALSE(reopened.GetUnderlay().GetMeasureTool().isEnabled());

  // Loaded again once it is back.
  WritePdf(Path("eg.pdf"));
  CDialogPoll again(OnNextDialog<QInputDialog>([](QInputDialog& dialog) { dialog.accept(); }));
  reopened.GetUnderlay().LoadFile(Path("eg.pdf"));
  EXPECT_TRUE(reopened.GetUnderlay().GetMeasureTool().isEnabled());
  EXPECT_EQ(messages, 1);
}

TEST_F(PlanUnderlayWindowTest, StepsTakenBeforeSavingElsewhereStillFindTheUnderlay)
{
  CPlanWindow& window = OpenDrawnRoom();
  WritePdf(Path("eg.pdf"));
  CDialogPoll page(OnNextDialog<QInputDialog>([](QInputDialog& dialog) { dialog.accept(); }));
  window.GetUnderlay().LoadFile(Path("eg.pdf"));
  window.GetUnderlay().GetOpacitySlider().setValue(40);
  std::filesystem::create_directories(Path("neu"));
  ASSERT_TRUE(m_pWindows->GetDocument().SaveAs(Path("neu/raum.kmv")));

  // The plan window would say a missing picture.
  bool said = false;
  CDialogPoll missing(OnNextDialog<QMessageBox>([&said](QMessageBox& box) {
    said = true;
    box.accept();
  }));
  QUndoStack& stack = m_pWindows->GetUndo().GetStack();
  stack.undo();
  EXPECT_EQ(Plan().underlay->opacity, 1.0);
  EXPECT_EQ(Plan().underlay->file, "../eg.pdf");
  stack.redo();
  EXPECT_EQ(Plan().underlay->file, "../eg.pdf");
  QTest::qWait(20);
  EXPECT_FALSE(said);
}
