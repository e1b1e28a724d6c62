#include "GLPrimitives.h"
#include "RenderTestSupport.h"
#include "SettingsArchive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// Where a world point lands, in units of the distance to the eye: right and
// up from the middle of the picture.
struct CScreen {
  double x, y;
};

CScreen Project(const CGLCamera& camera, const CVector& world)
{
  CVector eye = TransformPoint(camera.GetModelView(), world);
  double depth = camera.GetDistance() - eye.z;
  return {eye.x / depth, eye.y / depth};
}

// A camera whose scene spans 0 to 10: the zoom keeps the distance in
// [0.15, 30].
void BuildTenMetreScene(CGLCamera& camera)
{
  ASSERT_TRUE(camera.CreateContext());
  camera.SetSceneSource([] {
    GLVertex3(0.0, 0.0, 0.0);
    GLVertex3(0.0, 0.0, 10.0);
  });
  camera.Rebuild();
}

void Drag(CGLCamera& camera, int fromX, int fromY, int toX, int toY)
{
  camera.OnButtonDown(false, fromX, fromY);
  camera.OnMouseMove(toX, toY);
  camera.OnButtonUp(toX, toY);
}

bool SameView(const CGLCamera& a, const CGLCamera& b)
{
  return a.GetModelView() == b.GetModelView() && a.GetDistance() == b.GetDistance();
}

} // namespace

TEST(CameraTools, VerticalPoleStaysUpright)
{
  struct Case {
    const char* name;
    void (*move)(CGLCamera&);
  };
  const Case cases[] = {
      {"view 0", [](CGLCamera& c) { c.SetStandardView(0); }},
      {"view 0, 6", [](CGLCamera& c) { c.SetStandardView(0), c.SetStandardView(6); }},
      {"view 0, 7", [](CGLCamera& c) { c.SetStandardView(0), c.SetStandardView(7); }},
      {"horizontal rotate drag", [](CGLCamera& c) { c.SetStandardView(0), Drag(c, 100, 200, 170, 200); }},
  };
  for (const Case& test : cases) {
    CGLCamera camera;
    test.move(camera);
    // Through the rotation centre, which stays in the middle of the picture;
    // off the middle, perspective leans the verticals of a view from above.
    CVector foot = camera.GetTarget() - CVector(0.0, 0.0, 0.1 * camera.GetDistance());
    CScreen bottom = Project(camera, foot);
    CScreen top = Project(camera, foot + CVector(0.0, 0.0, 0.2 * camera.GetDistance()));
    EXPECT_NEAR(0.0, bottom.x, 1e-12) << test.name;
    EXPECT_NEAR(0.0, top.x, 1e-12) << test.name;
    EXPECT_GT(top.y, bottom.y) << test.name;
  }
}

TEST(CameraTools, PlaneViewsShowTheirAxesRightAndUp)
{
  struct Case {
    int view;
    CVector right, up;
  };
  const Case cases[] = {
      {3, {0, 1, 0}, {1, 0, 0}},
      {4, {1, 0, 0}, {0, 0, 1}},
      {5, {0, 1, 0}, {0, 0, 1}},
  };
  for (const Case& test : cases) {
    CGLCamera camera;
    ASSERT_TRUE(camera.SetStandardView(test.view));
    CScreen right = Project(camera, camera.GetTarget() + test.right);
    CScreen up = Project(camera, camera.GetTarget() + test.up);
    EXPECT_GT(right.x, 0.0) << test.view;
    EXPECT_NEAR(0.0, right.y, 1e-12) << test.view;
    EXPECT_GT(up.y, 0.0) << test.view;
    EXPECT_NEAR(0.0, up.x, 1e-12) << test.view;
  }
}

TEST(CameraTools, PanDragMovesTheSceneWithTheMouse)
{
  struct Case {
    double azimuth;
    int dx, dy;
  };
  const Case cases[] = {{-45.0, 40, 0}, {-45.0, -40, 0}, {-45.0, 0, 40}, {135.0, 40, 0}, {90.0, 0, -40}};
  for (const Case& test : cases) {
    CGLCamera camera;
    camera.SetStandardView(0);
    camera.SetAngles(25.0, test.azimuth);
    camera.SetTool(3);
    CVector centre = camera.GetTarget();
    Drag(camera, 200, 200, 200 + test.dx, 200 + test.dy);
    CScreen moved = Project(camera, centre);
    // Window rows grow downwards, the picture's y upwards.
    EXPECT_EQ(test.dx > 0, moved.x > 1e-9) << test.azimuth << " " << test.dx;
    EXPECT_EQ(test.dx < 0, moved.x < -1e-9) << test.azimuth << " " << test.dx;
    EXPECT_EQ(test.dy > 0, moved.y < -1e-9) << test.azimuth << " " << test.dy;
    EXPECT_EQ(test.dy<0, moved.y> 1e-9) << test.azimuth << " " << test.dy;
  }
}

TEST(CameraTools, PanByHalfTheWidthAtAzimuthZeroMovesHalfTheDistance)
{
  CGLCamera camera;
  camera.SetTool(3);
  camera.SetAngles(30.0, 0.0);
  camera.SetTarget({1.0, 2.0, 3.0});
  CVector start = camera.GetPan();
  Drag(camera, 100, 50, 300, 50);
  EXPECT_DOUBLE_EQ(start.x + 0.5 * camera.GetDistance(), camera.GetPan().x);
  EXPECT_EQ(start.y, camera.GetPan().y);
  EXPECT_NEAR(start.z, camera.GetPan().z, 1e-12);
  // The next drag goes on from where this one ended.
  Drag(camera, 100, 50, 100, 50);
  EXPECT_DOUBLE_EQ(start.x + 0.5 * camera.GetDistance(), camera.GetPan().x);
}

TEST(CameraTools, RotatingByTheWindowWidthAddsAFullTurn)
{
  struct Case {
    double start, expected;
  };
  const Case cases[] = {{0.0, 360.0}, {-45.0, 315.0}, {10.0, 10.0}};
  for (const Case& test : cases) {
    CGLCamera camera;
    camera.SetAngles(20.0, test.start);
    Drag(camera, 0, 100, camera.GetWidth(), 100);
    EXPECT_DOUBLE_EQ(test.expected, camera.GetAzimuth()) << test.start;
    EXPECT_EQ(20.0, camera.GetElevation());
  }
}

TEST(CameraTools, ZoomTimerScalesTheDistanceWithinTheScene)
{
  struct Case {
    int tool;
    bool shift;
    int ticks;
    double expected;
  };
  const Case cases[] = {
      {1, false, 100, 30.0 * std::pow(0.99, 100)},
      {1, false, 1000, 0.15},
      {1, true, 1, 24.0},
      {2, false, 1, 30.0},
  };
  for (const Case& test : cases) {
    CGLCamera camera;
    BuildTenMetreScene(camera);
    ASSERT_EQ(30.0, camera.GetDistance());
    camera.SetTool(test.tool);
    camera.OnButtonDown(test.shift, 10, 10);
    EXPECT_EQ(CGLCamera::kZoomTimerId, camera.GetTimer());
    for (int i = 0; i < test.ticks; ++i)
      EXPECT_TRUE(camera.OnTimer(CGLCamera::kZoomTimerId));
    EXPECT_NEAR(test.expected, camera.GetDistance(), 1e-12 * test.expected) << test.tool << " " << test.ticks;
    EXPECT_FALSE(camera.OnTimer(CGLCamera::kZoomTimerId + 1));
    camera.OnButtonUp(10, 10);
    EXPECT_EQ(0, camera.GetTimer());
    EXPECT_FALSE(camera.IsMoving());
  }
}

TEST(CameraTools, RightButtonZoomsOnlyWithAZoomTool)
{
  struct Case {
    int tool;
    bool ctrl, shift;
    double factor;
  };
  const Case cases[] = {{1, false, false, 0.99}, {1, true, false, 0.8}, {1, false, true, 1.01},
                        {2, false, false, 1.01}, {2, true, true, 0.8},  {3, false, false, 1.0},
                        {4, true, false, 1.0},   {5, false, true, 1.0}};
  for (const Case& test : cases) {
    CGLCamera camera;
    BuildTenMetreScene(camera);
    camera.SetDistance(10.0);
    camera.SetTool(test.tool);
    camera.OnRightButtonDown(test.ctrl, test.shift, 10, 10);
    EXPECT_TRUE(camera.IsMoving());
    EXPECT_TRUE(camera.OnTimer(camera.GetTimer()));
    EXPECT_DOUBLE_EQ(10.0 * test.factor, camera.GetDistance()) << test.tool << test.ctrl << test.shift;
    camera.OnRightButtonUp();
    EXPECT_EQ(0, camera.GetTimer());
    EXPECT_FALSE(camera.IsMoving());
  }
}

TEST(CameraTools, RightDragStartsWhereTheButtonWentDown)
{
  for (int tool : {3, 4, 5}) {
    CGLCamera camera;
    camera.SetStandardView(0);
    camera.SetTool(tool);
    Drag(camera, 10, 10, 10, 10);
    CGLCamera before;
    before.SetStandardView(0);
    camera.OnRightButtonDown(false, false, 300, 200);
    EXPECT_TRUE(camera.OnMouseMove(300, 200));
    EXPECT_TRUE(SameView(before, camera)) << tool;
  }
}

TEST(CameraTools, TrackballMoveIsFoldedOnceNotAtEachDraw)
{
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(
      camera, 40, 40, [] { FrontSquare(0.0, 0.0, 0.0, 1.0, 1.0, 0.0, 0.0); }, ViewSide::Front, 6.0));
  camera.SetTool(5);
  camera.OnButtonDown(false, 20, 20);
  EXPECT_TRUE(camera.OnMouseMove(30, 20));
  std::array<double, 16> moved = camera.GetTrackball();
  // A horizontal drag turns about the picture's vertical.
  EXPECT_LT(moved[0], 1.0);
  EXPECT_NEAR(1.0, moved[5], 1e-12);
  PaintFinal(camera);
  PaintFinal(camera);
  EXPECT_EQ(moved, camera.GetTrackball());
  camera.OnMouseMove(30, 20);
  EXPECT_EQ(moved, camera.GetTrackball());
}

TEST(CameraTools, StandardViewsThatMoveTheTarget)
{
  CGLCamera camera;
  BuildTenMetreScene(camera);
  camera.SetAngles(12.0, 34.0);
  camera.ShowWholeScene();
  EXPECT_NEAR(0.0, (camera.GetTarget() - CVector(4.3, -0.8, 1.1)).Length(), 1e-15);
  EXPECT_EQ(42.0, camera.GetDistance());
  EXPECT_EQ(12.0, camera.GetElevation());
  EXPECT_EQ(34.0, camera.GetAzimuth());

  camera.ShowSensor(2.5);
  EXPECT_EQ(CVector(0.0, 0.0, 2.5), camera.GetTarget());
  EXPECT_DOUBLE_EQ(0.175, camera.GetDistance());
  EXPECT_EQ(34.0, camera.GetAzimuth());
}

TEST(CameraTools, InvalidStandardViewChangesNothing)
{
  for (int view : {-1, 8}) {
    CGLCamera camera;
    camera.SetAngles(5.0, 6.0);
    EXPECT_FALSE(camera.SetStandardView(view));
    CGLCamera untouched;
    untouched.SetAngles(5.0, 6.0);
    EXPECT_TRUE(SameView(untouched, camera));
  }
}

namespace {

struct CRecordFields {
  std::int32_t version = 302;
  double distance = 12.5;
  size_t truncateBy = 0;
};

// Azimuth 11, elevation 22, the distance, increment angle 3, a trackball
// turned about z, pan (1, 2, 3), background (0.25, 0.5, 0.75) from 302 on.
std::string Record(const CRecordFields& fields)
{
  CSettingsArchive out;
  out.WriteInt32(fields.version);
  if (fields.version > 300) {
    for (double value : {11.0, 22.0, fields.distance, 3.0})
      out.WriteDouble(value);
    for (double value : {0.0, 1.0, 0.0, 0.0, -1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0})
      out.WriteDouble(value);
    for (double value : {1.0, 2.0, 3.0})
      out.WriteDouble(value);
  }
  if (fields.version > 301)
    for (float value : {0.25f, 0.5f, 0.75f})
      out.WriteFloat(value);
  std::string bytes = out.GetBytes();
  return bytes.substr(0, bytes.size() - fields.truncateBy);
}

// The record written by a storing archive: version 302 and every field.
constexpr size_t kFullRecordSize = 4 + 23 * 8 + 3 * 4;

} // namespace

TEST(CameraSettings, ReadingTakesTheStoredCameraOrRefusesTheRecord)
{
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  // Taken: the stored camera; kept: the camera as constructed; refused: the
  // first update resets the view.
  enum class Outcome { Taken, Kept, Refused };
  struct Case {
    CRecordFields fields;
    Outcome outcome;
    bool colourTaken;
    int versionAfter;
  };
  const Case cases[] = {
      {{302, 12.5, 0}, Outcome::Taken, true, 302},    {{301, 12.5, 0}, Outcome::Taken, false, 302},
      {{300, 12.5, 0}, Outcome::Kept, false, 300},    {{302, kNaN, 0}, Outcome::Refused, false, 302},
      {{302, 12.5, 1}, Outcome::Refused, false, 302}, {{301, 12.5, 8}, Outcome::Refused, false, 302},
      {{303, 12.5, 0}, Outcome::Refused, false, 302},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.fields.version);
    CGLCamera camera;
    ASSERT_TRUE(camera.CreateContext());
    camera.SetClearColour(0.1f, 0.2f, 0.3f, 1.0f);
    CSettingsArchive in(Record(test.fields));
    EXPECT_EQ(test.outcome != Outcome::Refused, camera.SerializeSettings(in));
    EXPECT_EQ(test.versionAfter, camera.GetSettingsVersion());
    camera.InitialReset();
    CGLCamera expected;
    if (test.outcome == Outcome::Refused)
      expected.SetStandardView(0);
    if (test.outcome == Outcome::Taken) {
      EXPECT_EQ(11.0, camera.GetAzimuth());
      EXPECT_EQ(22.0, camera.GetElevation());
      EXPECT_EQ(12.5, camera.GetDistance());
      EXPECT_EQ(CVector(-3.0, -1.0, -2.0), camera.GetTarget());
      EXPECT_EQ(1.0, camera.GetTrackball()[1]);
    } else {
      EXPECT_TRUE(SameView(expected, camera));
    }
    EXPECT_EQ(test.colourTaken ? 0.25f : 0.1f, camera.GetClearColour()[0]);

    CSettingsArchive out;
    EXPECT_TRUE(camera.SerializeSettings(out));
    ASSERT_EQ(kFullRecordSize, out.GetBytes().size());
    CSettingsArchive written(out.GetBytes());
    std::int32_t version = 0;
    written.ReadInt32(version);
    EXPECT_EQ(302, version);
  }
}

TEST(CameraSettings, WrittenCameraReadsBackTheSame)
{
  CGLCamera stored;
  stored.SetStandardView(0);
  stored.SetTool(5);
  Drag(stored, 100, 100, 180, 140);
  stored.SetClearColour(0.5f, 0.25f, 1.0f, 1.0f);
  CSettingsArchive out;
  ASSERT_TRUE(stored.SerializeSettings(out));

  CGLCamera restored;
  CSettingsArchive in(out.GetBytes());
  ASSERT_TRUE(restored.SerializeSettings(in));
  EXPECT_TRUE(SameView(stored, restored));
  EXPECT_EQ(stored.GetTrackball(), restored.GetTrackball());
  EXPECT_EQ(stored.GetClearColour(), restored.GetClearColour());
  // The pan origin came with the pan: a pan drag of nothing keeps the target.
  restored.SetTool(3);
  Drag(restored, 50, 50, 50, 50);
  EXPECT_EQ(stored.GetPan(), restored.GetPan());
}
