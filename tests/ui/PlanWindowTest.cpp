#include "PlanWindow.h"
#include "AppDriver.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "MainFrame.h"
#include "ModuleCommands.h"
#include "OutlineSnap.h"
#include "PlanEntries.h"
#include "PlanFields.h"
#include "PlanScene.h"
#include "PlanToolEdits.h"
#include "PlanTools.h"
#include "PlanTurnHandle.h"
#include "PlanView.h"
#include "RoomProject.h"
#include "SensorSet.h"
#include "TempFolder.h"
#include "project/PlanRoom.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

// An L-shaped room with a door, two obstacles and a zone.
CRoomPlan LShapedPlan()
{
  CRoomPlan plan;
  plan.outline = {{0, 0}, {6, 0}, {6, 3}, {3, 3}, {3, 6}, {0, 6}};
  plan.height = 2.5;
  plan.doors = {{4, 1.0, 0.9, 2.0}};
  plan.obstacles = {{{1.5, 1.5}, 1.0, 0.6, 0.8, 30.0}, {{4.5, 1.5}, 0.8, 0.8, 1.0, 0.0}};
  plan.zones = {{"Heizung", {{0.2, 3}, {1, 3}, {1, 4}, {0.2, 4}}}};
  return plan;
}

std::map<QString, int> CountKinds(QGraphicsScene& scene)
{
  std::map<QString, int> counts;
  for (QGraphicsItem* item : scene.items())
    ++counts[item->data(kPlanItemKind).toString()];
  return counts;
}

double WallLengthShown(QGraphicsScene& scene, const QString& wall)
{
  for (QGraphicsItem* item : scene.items())
    if (item->toolTip() == wall)
      if (auto* line = qgraphicsitem_cast<QGraphicsLineItem*>(item))
        return line->line().length();
  return -1.0;
}

// The message the action brings up, if any. The window runs a change from a
// zero timer, that is a posted call: the events posted so far run it.
QString MessageOf(const std::function<void()>& action)
{
  QString message;
  const CDialogPoll poll(OnNextDialog<QMessageBox>([&message](QMessageBox& box) {
    message = box.text();
    box.accept();
  }));
  action();
  QCoreApplication::processEvents();
  return message;
}

class PlanWindowTest : public TempFolderTest {
protected:
  // With a further sensor of Pilot B1 on each wall given.
  CDocumentWindows& OpenPlanProject(const std::vector<size_t>& furtherSensorWalls = {})
  {
    CRoomPlan plan = LShapedPlan();
    CKMVDocument made;
    EXPECT_TRUE(OpenPlanRoom(made, 1, plan, "L"));
    for (size_t wall : furtherSensorWalls) {
      CRoomPlan place = plan;
      place.sensorWall = wall;
      place.sensorOffset.reset();
      EXPECT_FALSE(CompleteRoomPlan(place));
      std::optional<std::string> more = AddSensorText(made.GetProject(), 1, place);
      EXPECT_TRUE(more && made.OnNewDocumentFromText("L", *more));
    }
    const std::string path = Path("l-raum.kmv");
    EXPECT_TRUE(made.SaveAs(path));
    EXPECT_TRUE(StartApp(m_app, {}));
    return *m_app.OpenDocumentFile(path);
  }
  // Types the text into the value of the element's quantity and lets the
  // change run; the message shown, if any.
  QString Type(CPlanWindow& window, const QString& element, const QString& quantity, const QString& text)
  {
    QTableWidget& table = window.GetTable();
    return MessageOf([&] {
      for (int row = 0; row < table.rowCount(); ++row)
        if (table.item(row, 0)->text() == element && table.item(row, 1)->text() == quantity)
          table.item(row, 2)->setText(text);
    });
  }

  CKMVApp m_app;
};

TEST_F(PlanWindowTest, ShowsThePlanAndChangesItThroughTheTableAsOneStep)
{
  CDocumentWindows& windows = OpenPlanProject();
  m_app.GetMainFrame().UpdateCommandUI();
  ASSERT_TRUE(m_app.GetMainFrame().GetAction(ID_VIEW_PLAN)->isEnabled());
  m_app.GetMainFrame().DispatchCommand(ID_VIEW_PLAN);
  ASSERT_NE(windows.GetPlanWindow(), nullptr);
  CPlanWindow& window = *windows.GetPlanWindow();
  std::map<QString, int> kinds = CountKinds(window.GetScene());
  EXPECT_EQ(kinds[kPlanWall], 6);
  EXPECT_EQ(kinds[kPlanDoor], 1);
  EXPECT_EQ(kinds[kPlanObstacle], 2);
  EXPECT_EQ(kinds[kPlanZone], 1);
  EXPECT_EQ(kinds[kPlanSensor], 2);
  EXPECT_GT(kinds[kPlanPatch], 0);
  EXPECT_GT(kinds[kPlanShadow], 0);

  QUndoStack& stack = windows.GetUndo().GetStack();
  EXPECT_EQ(Type(window, "Wand 1", "Länge m", "7"), "");
  EXPECT_DOUBLE_EQ(WallLengthShown(window.GetScene(), "Wand 1"), 7.0);
  EXPECT_DOUBLE_EQ(FindRoomPlan(windows.GetDocument().GetProject())->outline[1].x, 7.0);
  ASSERT_EQ(stack.count(), 1);
  stack.undo();
  EXPECT_DOUBLE_EQ(WallLengthShown(window.GetScene(), "Wand 1"), 6.0);

  // Wall 3 pulled through the wall at x = 0: the outline would cross itself.
  const std::string before = std::string(windows.GetDocument().GetText().View());
  EXPECT_EQ(Type(window, "Wand 3", "Länge m", "9"), "Die Wände des Grundrisses kreuzen oder berühren sich.");
  EXPECT_EQ(Type(window, "Hindernis 1", "X m", "kurz"), "Geben Sie bitte eine Zahl ein.");
  EXPECT_EQ(windows.GetDocument().GetText().View(), before);
  EXPECT_DOUBLE_EQ(WallLengthShown(window.GetScene(), "Wand 3"), 3.0);
  EXPECT_EQ(stack.index(), 0);

  // Obstacle 2 dragged by 0.52 m lands on 0.05 m; the zone deleted.
  auto find = [&window](const QString& name) {
    for (QGraphicsItem* item : window.GetScene().items())
      if (item->toolTip() == name)
        return item;
    return static_cast<QGraphicsItem*>(nullptr);
  };
  find("Hindernis 2")->setSelected(true);
  find("Hindernis 2")->setPos(0.0, -0.52);
  emit window.GetView().ItemsMoved();
  CRoomPlan moved = *FindRoomPlan(windows.GetDocument().GetProject());
  EXPECT_DOUBLE_EQ(moved.obstacles[1].centre.y, 2.0);
  find("Zone Heizung")->setSelected(true);
  QTest::keyClick(window.GetView().viewport(), Qt::Key_Delete);
  EXPECT_TRUE(FindRoomPlan(windows.GetDocument().GetProject())->zones.empty());
  EXPECT_EQ(CountKinds(window.GetScene())[kPlanZone], 0);
  EXPECT_EQ(stack.count(), 2);

  // A new L drawn with the mouse, a click off the grid, closed on its first corner.
  window.GetOutlineTool().trigger();
  const CPlanPolygon drawn = {{0, 0}, {7, 0}, {7, 3.5}, {3, 3.5}, {3, 6}, {0, 6}, {0.01, 0.01}};
  QWidget* viewport = window.GetView().viewport();
  for (const CPlanPoint& corner : drawn)
    QTest::mouseClick(viewport, Qt::LeftButton, {}, window.GetView().mapFromScene(corner.x, -corner.y));
  CRoomPlan redrawn = *FindRoomPlan(windows.GetDocument().GetProject());
  ASSERT_EQ(redrawn.outline.size(), 6u);
  EXPECT_DOUBLE_EQ(redrawn.outline[2].y, 3.5);
  EXPECT_TRUE(redrawn.doors.empty());
  EXPECT_EQ(redrawn.obstacles.size(), 2u);
  EXPECT_TRUE(window.GetSelectTool().isChecked());
}

// Each sensor marked with its number, the further ones' floor patches in their colour.
TEST_F(PlanWindowTest, MarksEverySensorAndItsPatches)
{
  CDocumentWindows& windows = OpenPlanProject({2, 5});
  m_app.GetMainFrame().DispatchCommand(ID_VIEW_PLAN);
  std::multiset<qulonglong> numbers;
  std::set<QRgb> patchColours;
  for (QGraphicsItem* item : windows.GetPlanWindow()->GetScene().items()) {
    if (qgraphicsitem_cast<QGraphicsEllipseItem*>(item) && item->data(kPlanItemKind) == kPlanSensor)
      numbers.insert(item->data(kPlanItemSensor).toULongLong());
    if (item->data(kPlanItemKind) == kPlanPatch)
      patchColours.insert(static_cast<QAbstractGraphicsShapeItem*>(item)->brush().color().rgb());
  }
  EXPECT_EQ(numbers, (std::multiset<qulonglong>{1, 2, 3}));
  EXPECT_TRUE(patchColours.count(PlanSensorColour(2).rgb()) && patchColours.count(PlanSensorColour(3).rgb()));
  // Measuring the further sensors changes nothing of the document.
  EXPECT_FALSE(windows.GetDocument().IsModified());
  EXPECT_EQ(windows.GetUndo().GetStack().count(), 0);
}

// A click on sensor 3's marker makes it current; "Velmar setzen" then moves
// sensor 3 alone, as one step that undo takes back.
TEST_F(PlanWindowTest, MarkerClickChoosesTheSensorThatTheSensorToolMoves)
{
  CDocumentWindows& windows = OpenPlanProject({2, 5});
  m_app.GetMainFrame().DispatchCommand(ID_VIEW_PLAN);
  CPlanWindow& window = *windows.GetPlanWindow();
  CPlanView& view = window.GetView();
  CProject& project = windows.GetDocument().GetProject();
  for (QGraphicsItem* item : window.GetScene().items())
    if (qgraphicsitem_cast<QGraphicsEllipseItem*>(item) && item->data(kPlanItemSensor).toULongLong() == 3)
      QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(item->sceneBoundingRect().center()));
  EXPECT_EQ(windows.GetDocument().GetCurrentSensor(), 3u);
  // Only the current sensor's disc keeps the marker's blue, as in the 3D view.
  auto blueDiscs = [&window] {
    std::set<qulonglong> blue;
    for (QGraphicsItem* item : window.GetScene().items())
      if (auto* disc = qgraphicsitem_cast<QGraphicsEllipseItem*>(item); disc && disc->brush().color().blue() > 100)
        blue.insert(item->data(kPlanItemSensor).toULongLong());
    return blue;
  };
  EXPECT_EQ(blueDiscs(), std::set<qulonglong>{3});
  windows.ChooseSensor(2);
  EXPECT_EQ(blueDiscs(), std::set<qulonglong>{2});
  windows.ChooseSensor(3);

  const CRoomPlan first = *SensorPlan(project, 1);
  window.GetTools().GetSensorTool().trigger();
  auto click = [&view](double x, double y) {
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(x, -y));
  };
  click(3.0, 4.6);
  EXPECT_EQ(SensorPlan(project, 3)->sensorWall, 3u);
  EXPECT_DOUBLE_EQ(*SensorPlan(project, 3)->sensorOffset, 1.6);
  EXPECT_EQ(SensorPlan(project, 1)->sensorWall, first.sensorWall);
  EXPECT_EQ(SensorPlan(project, 1)->sensorOffset, first.sensorOffset);
  EXPECT_EQ(windows.GetDocument().GetCurrentSensor(), 3u);
  ASSERT_EQ(windows.GetUndo().GetStack().count(), 1);
  windows.GetUndo().GetStack().undo();
  EXPECT_EQ(SensorPlan(project, 3)->sensorWall, 5u);
}

TEST_F(PlanWindowTest, ToolsAddDoorsObstaclesZonesAndPlaceTheSensorEachAsOneStep)
{
  CDocumentWindows& windows = OpenPlanProject();
  m_app.GetMainFrame().DispatchCommand(ID_VIEW_PLAN);
  CPlanWindow& window = *windows.GetPlanWindow();
  CPlanTools& tools = window.GetTools();
  CPlanView& view = window.GetView();
  auto at = [&view](double x, double y) { return view.mapFromScene(x, -y); };
  auto click = [&](double x, double y) { QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(x, y)); };
  auto plan = [&windows] { return *FindRoomPlan(windows.GetDocument().GetProject()); };

  tools.GetDoorTool().trigger();
  EXPECT_EQ(MessageOf([&] { click(6.0, 1.52); }), "");
  EXPECT_EQ(plan().doors.back().wall, 1u);
  EXPECT_DOUBLE_EQ(plan().doors.back().offset, 1.05);
  const std::string before = std::string(windows.GetDocument().GetText().View());
  EXPECT_EQ(MessageOf([&] { click(6.0, 1.9); }), "Tür 3 überlappt Tür 2.");
  EXPECT_EQ(MessageOf([&] { click(1.5, 4.5); }), "Klicken Sie bitte auf eine Wand.");
  EXPECT_EQ(windows.GetDocument().GetText().View(), before);

  tools.GetObstacleTool().trigger();
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at(1.0, 4.5));
  QTest::mouseMove(view.viewport(), at(2.0, 5.2));
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at(2.0, 5.2));
  const CPlanObstacle added = plan().obstacles.back();
  EXPECT_NEAR(added.centre.y, 4.85, 1e-9);
  EXPECT_NEAR(added.depth, 0.7, 1e-9);
  EXPECT_EQ(added.height, kNewObstacleHeight);

  tools.GetZoneTool().trigger();
  for (auto [x, y] : {std::pair{4.0, 2.2}, {5.5, 2.2}, {5.5, 2.8}, {4.0, 2.8}, {4.0, 2.2}})
    click(x, y);
  EXPECT_EQ(plan().zones.back().name, "Zone2");

  tools.GetSensorTool().trigger();
  click(3.0, 4.6);
  EXPECT_EQ(plan().sensorWall, 3u);
  EXPECT_DOUBLE_EQ(*plan().sensorOffset, 1.6);
  EXPECT_EQ(Type(window, "Velmar", "Abstand m", "1.25"), "");
  EXPECT_EQ(*plan().sensorOffset, 1.25);

  // Obstacle 2's handle, 0.8 m above its centre, dragged to its left: a quarter turn.
  window.GetSelectTool().trigger();
  for (QGraphicsItem* item : window.GetScene().items())
    item->setSelected(item->toolTip() == "Hindernis 2");
  QTest::qWait(1);
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at(4.5, 2.3));
  QTest::mouseMove(view.viewport(), at(3.5, 1.5));
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at(3.5, 1.5));
  QTest::qWait(1);
  EXPECT_EQ(plan().obstacles[1].angle, 90.0);
  EXPECT_EQ(windows.GetUndo().GetStack().count(), 6);
}

TEST_F(PlanWindowTest, CommandsOfThePlanWindowGoToItsDocument)
{
  CDocumentWindows& first = OpenPlanProject();
  m_app.GetMainFrame().DispatchCommand(ID_VIEW_PLAN);
  CPlanWindow& plan = *first.GetPlanWindow();
  std::filesystem::copy_file(Path("l-raum.kmv"), Path("zweit.kmv"));
  CDocumentWindows& second = *m_app.OpenDocumentFile(Path("zweit.kmv"));
  QMdiArea& area = m_app.GetMainFrame().GetMdiArea();
  area.setActiveSubWindow(&plan);
  EXPECT_EQ(&m_app.GetMainFrame().GetActiveFrame()->GetDocumentWindows(), &first);
  m_app.GetMainFrame().DispatchCommand(ID_TILT_UP);
  EXPECT_EQ(first.GetUndo().GetStack().count(), 1);
  EXPECT_EQ(second.GetUndo().GetStack().count(), 0);
}

TEST(PlanToolEdits, NewDoorsObstaclesZonesAndSensorPlaces)
{
  CRoomPlan plan = LShapedPlan();
  // Wall 2 runs 3 m from (6,0) to (6,3); a click near its end pushes the door back.
  AddDoor(plan, *WallAt(plan, {5.96, 2.9}, 0.1));
  EXPECT_EQ(plan.doors.back().wall, 1u);
  EXPECT_DOUBLE_EQ(plan.doors.back().offset, 2.1);
  EXPECT_FALSE(WallAt(plan, {5.8, 1.0}, 0.1));
  EXPECT_EQ(CornerAt(plan, {2.95, 3.05}, 0.1), 3u);

  EXPECT_FALSE(AddObstacle(plan, {1.0, 1.0}, {1.02, 2.0}));
  EXPECT_TRUE(AddObstacle(plan, {2.0, 5.0}, {1.0, 4.52}));
  EXPECT_DOUBLE_EQ(plan.obstacles.back().width, 1.0);
  EXPECT_DOUBLE_EQ(plan.obstacles.back().centre.y, 4.75);

  plan.zones[0].name = "Zone3";
  AddZone(plan, {});
  AddZone(plan, {});
  EXPECT_EQ(plan.zones[1].name, "Zone2");
  EXPECT_EQ(plan.zones[2].name, "Zone4");

  struct Case {
    RoomVariant variant;
    CPlanPoint click;
    bool hit;
  };
  for (const Case& c : {Case{RoomVariant::Wall, {2.0, 5.0}, false}, Case{RoomVariant::Ceiling, {2.02, 5.0}, true},
                        Case{RoomVariant::Corner, {5.9, 2.9}, true}, Case{RoomVariant::Corner, {5.0, 2.0}, false}}) {
    plan.variant = c.variant;
    EXPECT_EQ(MoveSensorTo(plan, c.click, 0.2), c.hit) << c.click.x;
  }
  EXPECT_DOUBLE_EQ(plan.sensorAt->x, 2.0);
  EXPECT_EQ(plan.sensorCorner, 2u);

  const CPlanObstacle box{{1, 1}, 1.0, 1.0, 0.5, 0.0};
  EXPECT_EQ(HandleAngle(box, {0.0, 0.98}, false), 91.0);
  EXPECT_EQ(HandleAngle(box, {1.0, 0.0}, true), 180.0);
  EXPECT_EQ(HandleAngle(box, {1.5, 0.2}, true), -150.0);
}

TEST(OutlineSnap, CornersLandOnTheGridOrOnFifteenDegreeSteps)
{
  const CPlanPoint origin{1, 1};
  struct Case {
    CPlanPoint clicked;
    bool shift;
    CPlanPoint snapped;
  };
  const Case cases[] = {
      {{2.03, 1.02}, false, {2.05, 1.0}},
      {{4.0, 1.1}, true, {4.0, 1.0}},      // 2 degrees off the x axis, 3.002 m
      {{1.1, -2.0}, true, {1.0, -2.0}},    // straight down, no rounding rest
      {{2.0, 2.1}, true, {2.0607, 2.0607}} // 47.7 degrees: 45, 1.4866 m to 1.5
  };
  for (const Case& c : cases) {
    CPlanPoint snapped = SnapCorner(c.clicked, &origin, c.shift);
    EXPECT_NEAR(snapped.x, c.snapped.x, 1e-4) << c.clicked.x;
    EXPECT_NEAR(snapped.y, c.snapped.y, 1e-4) << c.clicked.x;
  }
  EXPECT_EQ(SnapCorner({1.1, -2.0}, &origin, true).x, 1.0);
}

TEST(PlanFields, TypedValuesMoveTheirCornersOrAreRefused)
{
  struct Case {
    size_t field;
    QString text;
    bool accepted;
    CPlanPoint corner2;
  };
  // Fields 1 and 2: wall 1's length and angle, which move corner 2.
  const Case cases[] = {
      {1, "4.5", true, {4.5, 0}},  {2, "90", true, {0, 6}}, {2, "-90", true, {0, -6}}, {1, "4,5", true, {4.5, 0}},
      {1, "1,5,0", false, {6, 0}}, {1, "", false, {6, 0}},  {1, "inf", false, {6, 0}},
  };
  for (const Case& c : cases) {
    CRoomPlan plan = LShapedPlan();
    EXPECT_EQ(SetPlanField(plan, c.field, c.text), c.accepted) << c.text.toStdString();
    EXPECT_NEAR(plan.outline[1].x, c.corner2.x, 1e-12) << c.text.toStdString();
    EXPECT_NEAR(plan.outline[1].y, c.corner2.y, 1e-12) << c.text.toStdString();
  }
  EXPECT_EQ(PlanFields(LShapedPlan())[2].value, "0.00");
}

// The height typed below the plan is one step; one not below the room's
// height less 0.1 m is refused. "Abdeckung..." lists the zone.
TEST_F(PlanWindowTest, DetectionHeightIsOneStepWithinItsLimitAndTheZoneIsListed)
{
  CDocumentWindows& windows = OpenPlanProject();
  m_app.GetMainFrame().DispatchCommand(ID_VIEW_PLAN);
  ASSERT_NE(windows.GetPlanWindow(), nullptr);
  auto* field = windows.GetPlanWindow()->findChild<QLineEdit*>("height");
  ASSERT_NE(field, nullptr);
  auto type = [field](const QString& text) {
    return MessageOf([&] {
      field->setText(text);
      emit field->editingFinished();
    });
  };
  EXPECT_EQ(type("1,2"), "");
  EXPECT_EQ(windows.GetUndo().GetStack().count(), 1);
  EXPECT_DOUBLE_EQ(windows.GetCoverage()->height, 1.2);
  EXPECT_EQ(type("2.4"), "Die Erfassungshöhe muss unter 2.40 m liegen.");
  EXPECT_EQ(field->text(), "1.20");
  EXPECT_EQ(windows.GetUndo().GetStack().count(), 1);

  m_app.GetMainFrame().DispatchCommand(ID_VIEW_COVERAGE);
  auto* zones = m_app.GetMainFrame().findChild<QTableWidget*>("zones");
  ASSERT_NE(zones, nullptr);
  ASSERT_EQ(zones->rowCount(), 1);
  EXPECT_EQ(zones->item(0, 0)->text(), "Heizung");
}

} // namespace
