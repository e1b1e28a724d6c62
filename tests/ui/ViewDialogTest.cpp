#include "AppDriver.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DocumentWindows.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "MainFrame.h"
#include "geometry/VectorExpect.h"

#include <QAction>

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace {

struct ViewCase {
  const char* name;
  int command;
  std::vector<std::pair<const char*, const char*>> fields;
  const char* button;
  bool changes;
};

const ViewCase kCases[] = {
    {"options cancelled", ID_VIEW_OPTIONS, {{"targetX", "1"}, {"red", "0.5"}}, "Abbrechen", false},
    {"options", ID_VIEW_OPTIONS, {{"targetX", "1"}, {"targetY", "2"}, {"targetZ", "3"}, {"red", "0.5"}}, "OK", true},
    {"viewpoint cancelled", ID_VIEW_VIEWPOINT, {{"x", "1"}}, "Abbrechen", false},
    {"viewpoint", ID_VIEW_VIEWPOINT, {{"x", "1"}, {"y", "2"}, {"z", "3"}}, "OK", true},
};

} // namespace

TEST(ViewDialogs, CameraChangesOnOkOnly)
{
  CKMVApp app;
  ASSERT_TRUE(StartApp(app, {"*Pilot B1"}));
  CKMV3DView* view = app.GetDocuments().at(0)->GetFrames().at(0)->Get3DView();
  ASSERT_NE(view, nullptr);
  CGLCamera& camera = view->GetCamera();
  for (const ViewCase& c : kCases) {
    SCOPED_TRACE(c.name);
    camera.SetTarget({0, 0, 0});
    camera.SetClearColour(0.0f, 0.0f, 0.0f, 1.0f);
    QAction* action = app.GetMainFrame().GetAction(c.command);
    ASSERT_TRUE(action->isEnabled());
    const CDialogPoll poll(OnNextDialog([&c](QWidget& dialog) { FillAndConfirm(dialog, c.fields, c.button); }));
    action->trigger();
    ExpectNearVector(c.changes ? CVector{1, 2, 3} : CVector{0, 0, 0}, camera.GetTarget());
    float red = c.changes && c.command == ID_VIEW_OPTIONS ? 0.5f : 0.0f;
    EXPECT_EQ(camera.GetClearColour()[0], red);
  }
}
