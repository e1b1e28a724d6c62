#include "AppDriver.h"
#include "BuiltinModels.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "KMVApp.h"
#include "MainFrame.h"
#include "ModuleCommands.h"
#include "RoomProject.h"
#include "SensorSet.h"
#include "SensorSteps.h"
#include "SensorUnion.h"
#include "SurfaceChoice.h"
#include "TempFolder.h"
#include "project/PlanRoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QUndoStack>

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

// A plan room of Pilot B1 with Pilot A1 on the ceiling at 4,1, saved.
bool WriteTwoSensorRoom(const std::string& path)
{
  RoomRequest request;
  request.modelCode = FindBuiltinModelCode("*Pilot B1");
  request.width = 6.0;
  request.depth = 8.0;
  request.height = 3.0;
  CRoomPlan plan = RectanglePlan(request);
  plan.height = request.height;
  CKMVDocument room;
  if (!OpenPlanRoom(room, request.modelCode, plan, RoomTitle(plan)))
    return false;
  plan.variant = RoomVariant::Ceiling;
  plan.sensorAt = CPlanPoint{4.0, 1.0};
  std::optional<std::string> two =
      CompleteRoomPlan(plan) ? std::nullopt : AddSensorText(room.GetProject(), FindBuiltinModelCode("*Pilot A1"), plan);
  CKMVDocument saved;
  return two && saved.OnNewDocumentFromText(room.GetTitle(), *two) && saved.SaveAs(path);
}

double FloorsWatched(CKMVDocument& document)
{
  CSensorSet sensors(document.GetProject());
  std::optional<CCoverage> coverage = AnalyseSensorsCoverage(document.GetProject(), sensors);
  return coverage ? SumWatched(*coverage, CSurfaceChoice{}).watched : 0.0;
}

class OptimalPlacementOfSensors : public TempFolderTest {};

TEST_F(OptimalPlacementOfSensors, SearchesTheCurrentSensorOrAllOfThemAndMovesThemInOneStep)
{
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the rounds over every sensor take minutes under the address sanitizer; the release tree runs this";
#endif
  ASSERT_TRUE(WriteTwoSensorRoom(Path("two.kmv")));
  CKMVApp app;
  ASSERT_TRUE(StartApp(app, {QString::fromStdString(Path("two.kmv"))}));
  CKMVDocument& document = app.GetDocuments().at(0)->GetDocument();
  QUndoStack& undo = app.GetDocuments().at(0)->GetUndo().GetStack();
  QAction* optimize = app.GetMainFrame().GetAction(ID_OPTIMIZE_PLACEMENT);

  // The current sensor alone: one sensor's search, cancelled at once.
  QString label;
  {
    const CDialogPoll scope(OnNextDialog<QMessageBox>([](QMessageBox& box) { Click(box, "nur aktueller Sensor"); }));
    const CDialogPoll search(OnNextDialog<QProgressDialog>([&label](QProgressDialog& dialog) {
      label = dialog.labelText();
      dialog.cancel();
    }));
    optimize->trigger();
  }
  EXPECT_EQ(label, "Die Einstellungen des Sensors werden durchgerechnet...");
  EXPECT_EQ(undo.count(), 0);

  // All of them in rounds, moved as one undo step that never lowers the union.
  const double before = FloorsWatched(document);
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      Click(*box, "alle Sensoren");
      Click(*box, "&Ja");
      Click(*box, "OK");
    }
  });
  answer.start(20);
  optimize->trigger();
  answer.stop();
  EXPECT_EQ(undo.count(), 1);
  EXPECT_GE(FloorsWatched(document), before);
  undo.undo();
  EXPECT_EQ(FloorsWatched(document), before);
  document.SetModifiedFlag(false);
}

} // namespace
