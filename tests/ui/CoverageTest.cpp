#include "AppDriver.h"
#include "BuiltinModels.h"
#include "CommandIds.h"
#include "CoverageDlg.h"
#include "CoverageStatus.h"
#include "CoverageTable.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "HeightChange.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "MainFrame.h"
#include "ModuleCommands.h"
#include "PlanEntries.h"
#include "RoomProject.h"
#include "SensorSet.h"
#include "TempFolder.h"

#include <QMessageBox>
#include <QPointer>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

CDocumentWindows& Document(CKMVApp& app)
{
  return *app.GetDocuments().at(0);
}

CKMV3DView& View(CKMVApp& app)
{
  return *Document(app).GetFrames().at(0)->Get3DView();
}

// The model open, past the view's quick first picture.
bool Start(CKMVApp& app, const char* model)
{
  return StartApp(app, {model}) && QTest::qWaitFor([&app] { return View(app).GetPictureCount() >= 2; });
}

// Pixels of the view's picture whose colour matches.
int CountPixels(CKMV3DView& view, bool (*match)(const QColor&))
{
  view.repaint();
  const QImage& picture = view.GetPicture();
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      count += match(picture.pixelColor(x, y)) ? 1 : 0;
  return count;
}

// The blind spots' red-violet however the light shades it: red and blue
// well above green, unlike the orange patches, grey surfaces and white.
int BlindSpotPixels(CKMV3DView& view)
{
  return CountPixels(view,
                     [](const QColor& c) { return c.red() > 2 * c.green() + 20 && c.blue() > 2 * c.green() + 20; });
}

// The patches' orange.
int PatchPixels(CKMV3DView& view)
{
  return CountPixels(view, [](const QColor& c) {
    return c.red() > 60 && 4 * c.blue() < c.red() && 10 * c.green() > 3 * c.red() && 10 * c.green() < 7 * c.red();
  });
}

// A target surface with its measured areas.
CTargetCoverage Target(const char* path, const CVectorArray& vertices, double area, double watched)
{
  CTargetCoverage entry{{path, vertices}, {}};
  entry.coverage.area = area;
  entry.coverage.watched = watched;
  return entry;
}

// The pale of what shadows hide, lit on the floor: warm, far lighter than
// the orange patches, unlike the grey floor and white.
int ShadowedPixels(CKMV3DView& view)
{
  return CountPixels(view, [](const QColor& c) {
    return c.red() > 230 && c.green() > 190 && c.green() < 240 && c.blue() > 150 && c.blue() < 210;
  });
}

// Runs the command; a module sheet that comes up gets the text in the field
// (none: cancelled), a message box that follows is closed.
void RunCommand(CMainFrame& frame, int command, const char* field, const char* text)
{
  const CDialogPoll sheet(OnNextDialog([field, text](QWidget& dialog) {
    SetField(dialog, field, text);
    Click(dialog, text ? "OK" : "Abbrechen");
  }));
  const CDialogPoll message(OnNextDialog<QMessageBox>([](QMessageBox& box) { box.accept(); }));
  frame.DispatchCommand(command);
}

TEST(CoveragePane, SharesTheFloorTargetsAloneAndStaysEmptyWithoutThem)
{
  const CVectorArray floor = {{0, 0, 0}, {4, 0, 0}, {4, 5, 0}, {0, 5, 0}};
  const CVectorArray table = {{0, 0, 0.75}, {1, 0, 0.75}, {1, 1, 0.75}, {0, 1, 0.75}};
  const CVectorArray wall = {{0, 0, 0}, {4, 0, 0}, {4, 0, 3}, {0, 0, 3}};
  struct Case {
    const char* name;
    std::optional<CCoverage> coverage;
    bool current;
    const char* text;
  };
  const Case cases[] = {
      {"no analysis", std::nullopt, true, ""},
      {"walls and a table only", CCoverage{{Target("Boden", wall, 12, 6), Target("Boden", table, 1, 1)}, 0}, true, ""},
      {"two floors, a wall beside",
       CCoverage{{Target("Boden", floor, 20, 5), Target("Boden", wall, 12, 12), Target("Boden", floor, 20, 0.4)}, 0},
       true, "Abdeckung Boden: 13.5 %"},
      {"at a detection height", CCoverage{{Target("Boden", floor, 20, 8.26)}, 0, 1.0}, true,
       "Abdeckung Boden 1.00 m: 41.3 %"},
      {"patches without a known target", CCoverage{{Target("Boden", floor, 20, 0)}, 3}, true, ""},
      {"stale patches", CCoverage{{Target("Boden", floor, 20, 5)}, 0}, false, "Abdeckung Boden: -"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatCoverageStatus(c.coverage, c.current), c.text) << c.name;
}

TEST(BlindSpots, ShowInTheirColourOnlyWhileTheCommandIsChecked)
{
  for (const char* model : {"*Pilot A1", "*Pilot B1", "*Pilot B2", "*Pilot C1"}) {
    CKMVApp app;
    ASSERT_TRUE(Start(app, model)) << model;
    CMainFrame& frame = app.GetMainFrame();
    CKMV3DView& view = View(app);
    EXPECT_EQ(BlindSpotPixels(view), 0) << model;
    frame.DispatchCommand(ID_VIEW_BLIND_SPOTS);
    EXPECT_TRUE(frame.GetAction(ID_VIEW_BLIND_SPOTS)->isChecked()) << model;
    EXPECT_GT(BlindSpotPixels(view), view.width() * view.height() / 100) << model;
    frame.DispatchCommand(ID_VIEW_BLIND_SPOTS);
    EXPECT_FALSE(frame.GetAction(ID_VIEW_BLIND_SPOTS)->isChecked()) << model;
    EXPECT_EQ(BlindSpotPixels(view), 0) << model;
  }
}

// Pilot B1's table hides the end of a floor patch from the sensor.
TEST(HiddenParts, ShowPaleOnlyWhileTheCommandIsChecked)
{
  CKMVApp app;
  ASSERT_TRUE(Start(app, "*Pilot B1"));
  CMainFrame& frame = app.GetMainFrame();
  CKMV3DView& view = View(app);
  EXPECT_TRUE(frame.GetAction(ID_VIEW_HIDDEN_PARTS)->isChecked());
  EXPECT_GT(ShadowedPixels(view), 10);
  frame.DispatchCommand(ID_VIEW_HIDDEN_PARTS);
  EXPECT_FALSE(frame.GetAction(ID_VIEW_HIDDEN_PARTS)->isChecked());
  EXPECT_EQ(ShadowedPixels(view), 0);
  EXPECT_GT(PatchPixels(view), 0);
}

// At a detection height the floor keeps its own patches; the raised parts
// are drawn see-through over them, never in their place.
TEST(HiddenParts, FloorKeepsItsPatchesUnderTheRaisedLayer)
{
  CKMVApp app;
  ASSERT_TRUE(Start(app, "*Pilot B1"));
  CKMV3DView& view = View(app);
  const int onFloor = PatchPixels(view);
  ASSERT_FALSE(ChangeDetectionHeight(Document(app).GetDocument(), 1.0));
  EXPECT_GT(PatchPixels(view), onFloor);
}

TEST(CoverageTable, NamesSurfacesAsTheTreeAndAreasToTheHundredth)
{
  CCoverage coverage{{Target("Projekt.Raum A.Boden", {}, 20.004, 5.0), Target("Projekt.Raum B.Boden", {}, 12.5, 0.126),
                      Target("Projekt.Raum B.Wand vorn", {}, 7.0, 0.0), Target("Tisch", {}, 1.0, 1.0)},
                     0};
  const std::vector<CCoverageRow> expected = {
      {"Boden (Raum A)", "20.00", "5.00", "25.0", "0", "0"}, {"Boden (Raum B)", "12.50", "0.13", "1.0", "0", "0"},
      {"Wand vorn", "7.00", "0.00", "0.0", "0", "0"},        {"Tisch", "1.00", "1.00", "100.0", "0", "0"},
      {"alle Flächen", "40.50", "6.13", "15.1", "0", "0"},
  };
  EXPECT_EQ(CoverageTableRows(coverage), expected);
}

TEST(FailedDetection, HidesTheStalePatchesUntilAGoodRun)
{
  CKMVApp app;
  ASSERT_TRUE(Start(app, "*Pilot B1"));
  CMainFrame& frame = app.GetMainFrame();
  frame.DispatchCommand(ID_VIEW_COVERAGE);
  auto* note = frame.findChild<CCoverageDlg*>()->findChild<QLabel*>("note");
  CProject& project = Document(app).GetDocument().GetProject();
  const std::string results = project.GetModules().m_cad1.m_paths[13];
  const size_t patches = project.GetRoot().FindByPath(results)->AsGroup()->Children().size();
  struct Case {
    const char* name;
    int command;
    const char* results; // typed into F14; none: cancelled
    bool drawn;
  };
  const Case cases[] = {
      {"cancelled", ID_CONFIGURE_CAD1, nullptr, true},
      {"broken results path", ID_CONFIGURE_CAD1, "xyz", false},
      {"step while broken", ID_HEIGHT_UP, nullptr, false},
      {"path mended", ID_CONFIGURE_CAD1, results.c_str(), true},
  };
  for (const Case& c : cases) {
    RunCommand(frame, c.command, "1057", c.results);
    EXPECT_EQ(PatchPixels(View(app)) > 100, c.drawn) << c.name;
    EXPECT_EQ(frame.GetCoverageText() == "Abdeckung Boden: -", !c.drawn) << c.name;
    EXPECT_EQ(note->isVisibleTo(note->parentWidget()) && note->text().contains("veraltet"), !c.drawn) << c.name;
    // A failed run leaves the tree as it was.
    if (!c.drawn) {
      EXPECT_EQ(project.GetRoot().FindByPath(results)->AsGroup()->Children().size(), patches) << c.name;
    }
  }
}

TEST(StepButtons, FollowAFailedReadingRun)
{
  CKMVApp app;
  ASSERT_TRUE(Start(app, "*Pilot B1"));
  CMainFrame& frame = app.GetMainFrame();
  QAction* up = frame.GetAction(ID_HEIGHT_UP);
  for (int step = 0; step < 1000 && up->isEnabled(); ++step)
    up->trigger();
  ASSERT_FALSE(up->isEnabled());
  // MH1 now fails, so the height has no known limit.
  RunCommand(frame, ID_CONFIGURE_MH1, "1042", "Anderswo");
  EXPECT_TRUE(up->isEnabled());
}

std::string Cell(const QTableWidget& table, int row, int column)
{
  return table.item(row, column)->text().toStdString();
}

// The table and the status pane follow each step; both empty out when the
// document closes.
TEST(CoverageTable, FollowsEachStepAndClosesWithItsDocument)
{
  CKMVApp app;
  ASSERT_TRUE(Start(app, "*Pilot B1"));
  CMainFrame& frame = app.GetMainFrame();
  frame.DispatchCommand(ID_VIEW_COVERAGE);
  frame.DispatchCommand(ID_VIEW_COVERAGE);
  QList<CCoverageDlg*> dialogs = frame.findChildren<CCoverageDlg*>();
  ASSERT_EQ(dialogs.size(), 1);
  QPointer<CCoverageDlg> dialog = dialogs.front();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  const QTableWidget& table = *dialog->findChild<QTableWidget*>("coverage");
  // As kmvtool coverage prints this model: six surfaces, then the total.
  ASSERT_EQ(table.rowCount(), 7);
  EXPECT_EQ(Cell(table, 0, 0), "Boden");
  EXPECT_EQ(Cell(table, 0, 1), "467.50");
  EXPECT_EQ(Cell(table, 0, 3), "12.5");
  EXPECT_EQ(Cell(table, 1, 0), "Wand vorn");
  EXPECT_EQ(Cell(table, 6, 0), "alle Flächen");
  EXPECT_EQ(Cell(table, 6, 3), "7.5");
  EXPECT_EQ(frame.GetCoverageText().toStdString(), "Abdeckung Boden: 12.5 %");
  for (int step : {ID_HEIGHT_UP, ID_HEIGHT_DOWN, ID_TILT_DOWN, ID_TILT_UP}) {
    std::string before = Cell(table, 0, 2);
    frame.DispatchCommand(step);
    EXPECT_NE(Cell(table, 0, 2), before) << step;
    EXPECT_EQ("Abdeckung Boden: " + Cell(table, 0, 3) + " %", frame.GetCoverageText().toStdString()) << step;
  }
  Document(app).GetDocument().SetModifiedFlag(false);
  ASSERT_TRUE(app.CloseDocument(Document(app)));
  EXPECT_TRUE(dialog.isNull());
  EXPECT_TRUE(frame.GetCoverageText().isEmpty());
}

} // namespace

namespace {

// Per surface each sensor's share alone, then the union's; "-" for a sensor
// without coverage; the total row shares the summed areas.
TEST(CoverageTable, TwoSensorsHaveAColumnEachAndTheUnion)
{
  CCoverage first{{Target("R.Wand.Boden", {}, 20.0, 5.0), Target("R.Wand.Tisch", {}, 10.0, 1.0)}, 0};
  CCoverage second{{Target("R.Decke.Boden", {}, 20.0, 8.0)}, 0};
  CCoverage united = first;
  united.targets[0].coverage.watched = 11.0;
  united.targets[0].coverage.overlap = 2;
  const CSensorsTable table = SensorsCoverageTable(united, {first, second, std::nullopt});
  const std::vector<std::string> headers = {"Fläche",    "Fläche m²", "Sensor 1 %", "Sensor 2 %", "Sensor 3 %",
                                            "gesamt m²", "gesamt %",  "Lücken",     "Überdeckung"};
  const std::vector<std::vector<std::string>> rows = {
      {"Boden", "20.00", "25.0", "40.0", "-", "11.00", "55.0", "0", "2"},
      {"Tisch", "10.00", "10.0", "0.0", "-", "1.00", "10.0", "0", "0"},
      {"alle Flächen", "30.00", "20.0", "26.7", "-", "12.00", "40.0", "0", "2"},
  };
  EXPECT_EQ(table.headers, headers);
  EXPECT_EQ(table.rows, rows);
}

class TwoSensorsTest : public TempFolderTest {};

// A room with a second sensor on the ceiling: the dialog's columns, the count
// map and the pane showing the union.
TEST_F(TwoSensorsTest, DialogShowsEachSensorTheUnionAndTheCountMap)
{
  RoomRequest request;
  request.modelCode = FindBuiltinModelCode("*Pilot B1");
  request.width = 6.0;
  request.depth = 8.0;
  request.height = 3.0;
  CTextBuffer text;
  ASSERT_EQ(MakeRoomProject(request, text), RoomFault::None);
  CKMVDocument room;
  ASSERT_TRUE(room.OnNewDocumentFromText("Raum", text.View()));
  std::optional<CRoomPlan> place = FindRoomPlan(room.GetProject());
  ASSERT_TRUE(place);
  place->variant = RoomVariant::Ceiling;
  place->sensorAt = CPlanPoint{4.0, 1.0};
  ASSERT_FALSE(CompleteRoomPlan(*place));
  std::optional<std::string> two = AddSensorText(room.GetProject(), FindBuiltinModelCode("*Pilot A1"), *place);
  ASSERT_TRUE(two);
  CKMVDocument made;
  ASSERT_TRUE(made.OnNewDocumentFromText("Raum", *two));
  CSensorSet(made.GetProject()).ReadValues(2);
  ASSERT_TRUE(made.SaveAs(Path("zwei.kmv")));

  CKMVApp app;
  ASSERT_TRUE(StartApp(app, {QString::fromStdString(Path("zwei.kmv"))}));
  CMainFrame& frame = app.GetMainFrame();
  frame.DispatchCommand(ID_VIEW_COVERAGE);
  auto* dialog = frame.findChild<CCoverageDlg*>();
  const QTableWidget& table = *dialog->findChild<QTableWidget*>("coverage");
  ASSERT_EQ(table.columnCount(), 8);
  EXPECT_EQ(table.horizontalHeaderItem(3)->text(), "Sensor 2 %");
  int floor = 0;
  while (floor < table.rowCount() && Cell(table, floor, 0) != "Boden")
    ++floor;
  ASSERT_LT(floor, table.rowCount());
  EXPECT_GT(std::stod(Cell(table, floor, 5)), std::stod(Cell(table, floor, 2)));
  EXPECT_EQ(frame.GetCoverageText().toStdString(), "Abdeckung Boden: " + Cell(table, floor, 5) + " %");
  const auto* map = dialog->findChild<QLabel*>("countMap");
  EXPECT_TRUE(map->isVisibleTo(dialog));
  EXPECT_FALSE(map->pixmap().isNull()) << map->text().toStdString();
}

} // namespace
