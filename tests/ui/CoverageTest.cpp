#include "CommandIds.h"
#include "DocumentWindows.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "MainFrame.h"
#include "ModuleCommands.h"

#include <QElapsedTimer>
#include <QRegularExpression>
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
  CKMVApp::Options options;
  options.bSplash = false;
  if (!app.InitInstance({model}, options))
    return false;
  QElapsedTimer clock;
  clock.start();
  while (View(app).GetPictureCount() < 2 && clock.elapsed() < 5000)
    QTest::qWait(5);
  return View(app).GetPictureCount() >= 2;
}

// The blind spots' red-violet however the light shades it: red and blue
// well above green, unlike the orange patches, grey surfaces and white.
int BlindSpotPixels(CKMV3DView& view)
{
  view.repaint();
  const QImage& picture = view.GetPicture();
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      QColor c = picture.pixelColor(x, y);
      count += c.red() > 2 * c.green() + 20 && c.blue() > 2 * c.green() + 20 ? 1 : 0;
    }
  return count;
}

TEST(CoveragePane, ShowsTheFloorsShareAndFollowsEachStep)
{
  CKMVApp app;
  ASSERT_TRUE(Start(app, "*Pilot B1"));
  CMainFrame& frame = app.GetMainFrame();
  // As kmvtool coverage prints the floor of this model.
  EXPECT_EQ(frame.GetCoverageText().toStdString(), "Abdeckung: 12.6 %");
  QRegularExpression share("^Abdeckung: \\d+\\.\\d %$");
  for (int step : {ID_HEIGHT_UP, ID_HEIGHT_DOWN, ID_TILT_DOWN, ID_TILT_UP}) {
    std::string before = frame.GetCoverageText().toStdString();
    frame.DispatchCommand(step);
    EXPECT_TRUE(share.match(frame.GetCoverageText()).hasMatch()) << step;
    EXPECT_NE(frame.GetCoverageText().toStdString(), before) << step;
  }
  Document(app).GetDocument().SetModifiedFlag(false);
  ASSERT_TRUE(app.CloseDocument(Document(app)));
  EXPECT_TRUE(frame.GetCoverageText().isEmpty());
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

} // namespace
