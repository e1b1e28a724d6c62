#include "SensorCoverages.h"

#include "DetectionHeight.h"
#include "HeightChange.h"
#include "KMVDocument.h"
#include "ModuleCommands.h"
#include "PlanChange.h"
#include "PlanEntries.h"
#include "RoomProject.h"
#include "SensorChange.h"
#include "SensorSet.h"
#include "SensorUnion.h"
#include "ShadowLayer.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The kept figures after each change are those of a fresh analysis, and a
// change that moves a sensor does change them; the 3D view's layer built on
// the previous one draws as one built afresh.
TEST(SensorCoveragesTest, KeptFiguresEqualAFreshAnalysisAfterEveryChange)
{
  RoomRequest room;
  room.width = 6.0;
  room.depth = 8.0;
  room.height = 3.0;
  CRoomPlan plan = RectanglePlan(room);
  CTextBuffer text;
  ASSERT_FALSE(CompleteRoomPlan(plan));
  ASSERT_TRUE(MakePlanRoomProject(7, plan, text));
  CKMVDocument document;
  ASSERT_TRUE(document.OnNewDocumentFromText("Raum", text.View()));
  CSensorPlaceRequest onCeiling;
  onCeiling.variant = RoomVariant::Ceiling;
  onCeiling.at = CPlanPoint{4.0, 1.0};
  CSensorPlaceRequest opposite;
  opposite.wall = 2;
  ASSERT_FALSE(AddSensor(document, 10, onCeiling));
  ASSERT_FALSE(AddSensor(document, 7, opposite));

  std::string beforeStep;
  auto step = [&](size_t sensor) {
    return [&beforeStep, sensor](CKMVDocument& d) {
      beforeStep = d.GetText().View();
      ASSERT_TRUE(d.SetCurrentSensor(sensor));
      ASSERT_GE(d.RunModuleCommand(MapCommand(ID_HEIGHT_DOWN)->index, false).status, 0);
    };
  };
  auto roomEdit = [](CKMVDocument& d) {
    CRoomPlan deeper = *FindRoomPlan(d.GetProject());
    deeper.outline[2].y += 1.0;
    deeper.outline[3].y += 1.0;
    ASSERT_FALSE(ChangeRoomPlan(d, deeper, "Grundriss"));
  };
  struct Case {
    const char* name;
    std::function<void(CKMVDocument&)> change;
    bool moves;
  };
  const Case cases[] = {
      {"step of sensor 2", step(2), true},
      {"undo of the step", [&](CKMVDocument& d) { d.RestoreText(beforeStep); }, true},
      {"room edit", roomEdit, true},
      {"detection height", [](CKMVDocument& d) { ASSERT_FALSE(ChangeDetectionHeight(d, 1.0)); }, true},
      {"sensor removed", [](CKMVDocument& d) { ASSERT_TRUE(RemoveSensor(d, 2)); }, true},
      {"step of sensor 1", step(1), true},
      {"its next step", step(1), true},
      {"nothing", [](CKMVDocument&) {}, false},
  };
  CSensorCoverages kept;
  kept.Analyse(document.GetProject(), document.GetSensors(), true, 0.0, document.GetCurrentSensor());
  std::optional<CShadowLayer> layer;
  for (const Case& c : cases) {
    const std::optional<CCoverage> before = kept.United();
    c.change(document);
    CProject& project = document.GetProject();
    const double height = ReadDetectionHeight(project);
    const size_t current = document.GetCurrentSensor();
    kept.Analyse(project, document.GetSensors(), true, height, current);
    const auto fresh = AnalyseEachSensor(project, document.GetSensors(), true, height);
    EXPECT_EQ(kept.Each(), fresh) << c.name;
    ASSERT_TRUE(kept.United()) << c.name;
    EXPECT_EQ(*kept.United(), *UniteSensors(fresh, current)) << c.name;
    EXPECT_EQ(*kept.United() != *before, c.moves) << c.name;
    const auto patches = SensorPatchesOf(project, document.GetSensors(), kept.Each());
    ASSERT_TRUE(patches) << c.name;
    layer = CShadowLayer(*patches, current, layer ? &*layer : nullptr);
    EXPECT_TRUE(layer->DrawsAs(CShadowLayer(*SensorPatchesOf(project, document.GetSensors(), fresh), current)))
        << c.name;
  }
}

} // namespace
