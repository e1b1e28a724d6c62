#include "AddSensorDlg.h"
#include "CommandIds.h"
#include "DataExchange.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "HeightChange.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "KMVTreeView.h"
#include "MainFrame.h"
#include "MessageRecorder.h"
#include "ModuleCommands.h"
#include "RoomProject.h"
#include "SensorPose.h"
#include "SensorSet.h"
#include "TempFolder.h"
#include "TextEncoding.h"
#include "project/PlanRoom.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A 6 x 8 x 3 m room of a Pilot B1, with a Pilot C1 on wall 2 as sensor 2
// when asked.
void MakeRoom(CKMVDocument& document, bool secondSensor)
{
  RoomRequest request;
  request.width = 6.0;
  request.depth = 8.0;
  request.height = 3.0;
  CRoomPlan plan = RectanglePlan(request);
  ASSERT_TRUE(OpenPlanRoom(document, 1, plan));
  if (secondSensor) {
    CSensorPlaceRequest place;
    place.wall = 2;
    ASSERT_FALSE(AddSensor(document, 7, place));
  }
}

QTreeWidgetItem* FindItem(QTreeWidgetItem& parent, const QString& name)
{
  for (int k = 0; k < parent.childCount(); ++k)
    if (parent.child(k)->text(0) == name)
      return parent.child(k);
  return nullptr;
}

class SensorsTest : public TempFolderTest {
protected:
  CDocumentWindows& Open(bool secondSensor)
  {
    CKMVDocument made;
    MakeRoom(made, secondSensor);
    const std::string path = Path("raum.kmv");
    EXPECT_TRUE(made.SaveAs(path));
    CKMVApp::Options options;
    options.bSplash = false;
    EXPECT_TRUE(m_app.InitInstance({}, options));
    return *m_app.OpenDocumentFile(path);
  }
  CMainFrame& Frame() { return m_app.GetMainFrame(); }
  void Run(int id) { Frame().GetAction(id)->trigger(); }

  CKMVApp m_app;
};

TEST(AddSensorDialog, RefusesAPlaceOffThePlanWithTheMessageOfItsField)
{
  CKMVDocument document;
  MakeRoom(document, false);
  struct Case {
    int variant;
    std::vector<std::pair<const char*, const char*>> fields;
    const char* message; // null: accepted
  } cases[] = {
      {0, {}, nullptr},
      {0, {{"wall", "0"}}, kUnsignedMessage},
      {0, {{"wall", "1"}, {"offset", "7"}}, "Der Sensor muss zwischen den Enden seiner Wand sitzen."},
      {1, {{"x", "1"}}, kNumberMessage},
      {1, {{"x", "9"}, {"y", "1"}}, "Der Sensor liegt nicht im Raum."},
      {2, {{"corner", "5"}}, "Diese Ecke gibt es nicht."},
  };
  for (const Case& c : cases) {
    CMessageRecorder messages;
    CAddSensorDlg dialog(document.GetProject(), messages, nullptr);
    dialog.findChild<QComboBox*>("variant")->setCurrentIndex(c.variant);
    for (const auto& [name, text] : c.fields)
      SetField(dialog, name, text);
    dialog.accept();
    const std::string field = c.fields.empty() ? "" : c.fields.back().second;
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.message == nullptr) << c.variant << field;
    EXPECT_EQ(messages.texts, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
        << c.variant << field;
  }
}

TEST_F(SensorsTest, AddedSensorIsCurrentAndRemovingItIsOneStepEach)
{
  CKMVDocument& document = Open(false).GetDocument();
  EXPECT_FALSE(Frame().GetAction(ID_SENSOR_REMOVE)->isEnabled());

  const CDialogPoll add(OnNextDialog<CAddSensorDlg>([](CAddSensorDlg& dialog) {
    dialog.findChildren<QRadioButton*>().at(3)->click(); // Pilot C1
    dialog.findChild<QComboBox*>("variant")->setCurrentIndex(2);
    Click(dialog, "OK");
  }));
  Run(ID_SENSOR_ADD);
  ASSERT_EQ(document.CountSensors(), 2u);
  EXPECT_EQ(document.GetCurrentSensor(), 2u);
  EXPECT_EQ(FindSensorGroup(document.GetProject(), 2)->m_strDescription, "Pilot C1");
  EXPECT_EQ(Frame().GetCurrentSensorText(), "Sensor 2");
  EXPECT_TRUE(Frame().GetAction(ID_EDIT_UNDO)->text().startsWith("&Rückgängig: Sensor hinzufügen"));

  Run(ID_SENSOR_REMOVE);
  EXPECT_EQ(document.CountSensors(), 1u);
  EXPECT_EQ(document.GetCurrentSensor(), 1u);
  EXPECT_TRUE(Frame().GetCurrentSensorText().isEmpty());
  Run(ID_EDIT_UNDO);
  EXPECT_EQ(document.CountSensors(), 2u);
}

TEST_F(SensorsTest, TreeChoosesTheSensorThatStepsLimitsAndPanesFollow)
{
  CDocumentWindows& windows = Open(true);
  CKMVDocument& document = windows.GetDocument();
  CKMVTreeView& tree = *windows.GetFrames().at(0)->GetTreeView();
  QTreeWidgetItem& root = *tree.topLevelItem(0);
  const double firstHeight = document.GetSensorValues().height;

  tree.setCurrentItem(FindItem(*FindItem(root, "Sensor 2"), "Einstellungen"));
  ASSERT_EQ(document.GetCurrentSensor(), 2u);
  EXPECT_EQ(Frame().GetCurrentSensorText(), "Sensor 2");
  QAction* down = Frame().GetAction(ID_HEIGHT_DOWN);
  for (int step = 0; step < 100 && down->isEnabled(); ++step)
    down->trigger();
  ASSERT_FALSE(down->isEnabled());
  const double lowest = document.GetSensorValues().height;
  EXPECT_LT(lowest, firstHeight);
  EXPECT_EQ(Frame().GetPaneText(0),
            QString::fromStdString(Cp1252ToUtf8(FormatSensorStatus(document.GetSensorValues())[0])));
  // The detection height must stay below every sensor, not only sensor 1.
  EXPECT_TRUE(ChangeDetectionHeight(document, (lowest + firstHeight) / 2));

  tree.setCurrentItem(FindItem(root, "Einstellungen"));
  EXPECT_EQ(document.GetCurrentSensor(), 1u);
  EXPECT_EQ(document.GetSensorValues().height, firstHeight);
  EXPECT_TRUE(down->isEnabled());
  EXPECT_FALSE(Frame().GetAction(ID_SENSOR_REMOVE)->isEnabled());
}

// A click without drag a few pixels off sensor 2's marker in the 3D view
// makes sensor 2 current.
TEST_F(SensorsTest, ClickOnAMarkerInThe3DViewChoosesItsSensor)
{
  CDocumentWindows& windows = Open(true);
  CKMVDocument& document = windows.GetDocument();
  CKMV3DView& view = *windows.GetFrames().at(0)->Get3DView();
  CGLCamera& camera = view.GetCamera();
  std::optional<CSensorPose> pose =
      FindSensorPose(document.GetProject().GetRoot(), document.GetSensors().Modules(2).m_cad1);
  ASSERT_TRUE(pose);
  std::optional<CMarkerPlacement> marker =
      PlaceSensorMarker(camera.GetModelView(), camera.GetDistance(), camera.GetFieldOfView(), camera.GetWidth(),
                        camera.GetHeight(), {pose->centre, pose->axis});
  ASSERT_TRUE(marker);
  const QPoint at(static_cast<int>(marker->x) + 4, camera.GetHeight() - static_cast<int>(marker->y) - 3);
  QTest::mouseClick(&view, Qt::LeftButton, {}, at);
  EXPECT_EQ(document.GetCurrentSensor(), 2u);
}

} // namespace
