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

// Keeps the text of the question that follows the progress dialog and
// answers "&Ja".
void AnswerQuestion(QString& text)
{
  OnNextDialog<QMessageBox>(
      [&text](QMessageBox& box) {
        text = box.text();
        Click(box, "&Ja");
      },
      nullptr, 20);
}

TEST(OptimalPlacement, MovesTheSensorThroughTheDocumentToTheSettingItReports)
{
  CKMVApp app;
  CKMVApp::Options options;
  options.bSplash = false;
  ASSERT_TRUE(app.InitInstance({"*Pilot B2"}, options));
  CKMVDocument& document = app.GetDocuments().at(0)->GetDocument();
  QString question;
  AnswerQuestion(question);
  app.GetMainFrame().GetAction(ID_OPTIMIZE_PLACEMENT)->trigger();

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

  // The user steps back by hand.
  app.GetMainFrame().GetAction(ID_HEIGHT_UP)->trigger();
  EXPECT_GT(document.GetSensorValues().height, stepped.GetSensorValues().height);
  document.SetModifiedFlag(false);
}

} // namespace
