#include "AppDriver.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "KMVApp.h"
#include "MainFrame.h"
#include "ModuleCommands.h"
#include "SensorSteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Keeps the text of the message that follows the progress dialog and
// answers with the button of that text.
CDialogPoll AnswerMessage(QString& text, const QString& button)
{
  return CDialogPoll(OnNextDialog<QMessageBox>(
      [&text, button](QMessageBox& box) {
        text = box.text();
        Click(box, button);
      },
      nullptr, 20));
}

TEST(OptimalPlacement, MovesTheSensorThroughTheDocumentToTheSettingItReports)
{
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "two searches of every setting take minutes under the address sanitizer; the release tree runs this";
#endif
  CKMVApp app;
  ASSERT_TRUE(StartApp(app, {"*Pilot B2"}));
  CKMVDocument& document = app.GetDocuments().at(0)->GetDocument();
  QAction* optimize = app.GetMainFrame().GetAction(ID_OPTIMIZE_PLACEMENT);
  QString question;
  {
    const CDialogPoll answer = AnswerMessage(question, "&Ja");
    optimize->trigger();
  }

  // Pilot B2 watches most of its floor six steps lower, turned six steps
  // left and tilted two steps up.
  CKMVDocument stepped;
  stepped.SetTitle("*Pilot B2");
  ASSERT_TRUE(stepped.OnNewDocument());
  for (int command : StepCommandIds({-6, -6, -2}))
    stepped.OnCommand(command);
  const SensorValues& moved = document.GetSensorValues();
  EXPECT_EQ(moved.height, stepped.GetSensorValues().height);
  EXPECT_EQ(moved.turn, stepped.GetSensorValues().turn);
  EXPECT_EQ(moved.tilt, stepped.GetSensorValues().tilt);
  // One value to a line, each number held to its unit.
  QStringList lines = question.split('\n');
  for (const QString& line : {QString::asprintf("Montagehöhe: %.2f\u00A0m", moved.height),
                              QString::asprintf("Kippwinkel: %.1f\u00A0°", moved.tilt),
                              QString::asprintf("Drehwinkel: %.1f\u00A0°", moved.turn)})
    EXPECT_TRUE(lines.contains(line)) << line.toStdString() << "\n" << question.toStdString();
  EXPECT_TRUE(question.contains("14\u00A0Schritte von hier"));
  EXPECT_TRUE(document.IsModified());

  // From there no setting is better: the command says so and moves nothing.
  QString told;
  {
    const CDialogPoll answer = AnswerMessage(told, "OK");
    optimize->trigger();
  }
  EXPECT_TRUE(told.startsWith("Die jetzige Ausrichtung erfasst schon die meiste Bodenfl")) << told.toStdString();
  EXPECT_EQ(document.GetSensorValues().height, stepped.GetSensorValues().height);
  EXPECT_EQ(document.GetSensorValues().turn, stepped.GetSensorValues().turn);

  // The user steps back by hand.
  app.GetMainFrame().GetAction(ID_HEIGHT_UP)->trigger();
  EXPECT_GT(document.GetSensorValues().height, stepped.GetSensorValues().height);
  document.SetModifiedFlag(false);
}

} // namespace
