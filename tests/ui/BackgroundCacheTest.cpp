#include "AppDriver.h"
#include "CommandIds.h"
#include "DocumentWindows.h"
#include "Item3DColor.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "KMVDocument.h"
#include "MainFrame.h"
#include "ModuleCAD1.h"
#include "ModuleCommands.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

CKMV3DView& View(CKMVApp& app)
{
  return *app.GetDocuments().at(0)->GetFrames().at(0)->Get3DView();
}

// After each change the picture, its background restored wherever the key
// allows, equals the one drawn whole; a sensor step keeps the background.
TEST(BackgroundCache, PicturesEqualThoseDrawnWhole)
{
  CKMVApp app;
  ASSERT_TRUE(StartApp(app, {"*Pilot B1"}) && QTest::qWaitFor([&app] { return View(app).GetPictureCount() >= 2; }));
  CKMV3DView& view = View(app);
  CMainFrame& frame = app.GetMainFrame();
  CKMVDocument& document = app.GetDocuments().at(0)->GetDocument();
  // The back wall of the room's wall variant.
  CProject& project = document.GetProject();
  auto* wall = dynamic_cast<CItem3DColor*>(
      project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[CModuleCAD1::kWallGroupField] + ".Wand hinten"));
  ASSERT_NE(wall, nullptr);
  struct CChange {
    const char* name;
    std::function<void()> apply;
    bool kept;
  };
  const CChange changes[] = {
      {"sensor step", [&] { frame.DispatchCommand(ID_HEIGHT_UP); }, true},
      {"wall colour",
       [&] {
         wall->m_fillColor = {0.2, 0.6, 0.2};
         view.OnUpdate(0);
       },
       false},
      {"camera turn", [&] { view.GetCamera().Turn(20.0, 0.0); }, false},
      {"resize",
       [&] {
         frame.setWindowState(Qt::WindowNoState);
         frame.resize(frame.size() - QSize(40, 30));
         QCoreApplication::processEvents();
       },
       false},
      {"all walls", [&] { frame.DispatchCommand(ID_VIEW_ALL_WALLS); }, false},
      {"clear colour",
       [&] {
         view.GetCamera().SetClearColour(0.9f, 0.9f, 0.5f, 1.0f);
         view.update();
       },
       false},
  };
  for (const CChange& change : changes) {
    view.repaint();
    const int restores = view.GetCamera().GetBackgroundRestores();
    change.apply();
    view.repaint();
    const QImage kept = view.GetPicture().copy();
    EXPECT_TRUE(!change.kept || view.GetCamera().GetBackgroundRestores() > restores) << change.name;
    view.GetCamera().DropBackground();
    view.repaint();
    EXPECT_EQ(kept, view.GetPicture()) << change.name;
  }
  document.SetModifiedFlag(false);
}

} // namespace
