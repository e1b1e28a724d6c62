#include "GLPrimitives.h"
#include "RenderTestSupport.h"
#include "SettingsArchive.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Coordinates 0 and 10: the zoom keeps the distance in [0.15, 30].
void BuildTenMetreScene(CGLCamera& camera)
{
  ASSERT_TRUE(BuildScene(camera, [] { GLVertex3(0.0, 0.0, 10.0); }));
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

// Each view shows its up direction upright through the centre, the plane
// views their right one to the right; a drag turning about the vertical
// keeps a vertical pole upright.
TEST(CameraTools, StandardViewsShowTheirAxesUprightAndRight)
{
  struct Case {
    std::function<void(CGLCamera&)> move;
    CVector up, right;
  };
  const Case cases[] = {
      {[](CGLCamera& c) { c.SetStandardView(0); }, {0, 0, 1}, {}},
      {[](CGLCamera& c) { c.SetStandardView(0), c.SetStandardView(6); }, {0, 0, 1}, {}},
      {[](CGLCamera& c) { c.SetStandardView(0), c.SetStandardView(7); }, {0, 0, 1}, {}},
      {[](CGLCamera& c) { c.SetStandardView(0), Drag(c, 100, 200, 170, 200); }, {0, 0, 1}, {}},
      {[](CGLCamera& c) { c.SetStandardView(3); }, {1, 0, 0}, {0, 1, 0}},
      {[](CGLCamera& c) { c.SetStandardView(4); }, {0, 0, 1}, {1, 0, 0}},
      {[](CGLCamera& c) { c.SetStandardView(5); }, {0, 0, 1}, {0, 1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    CGLCamera camera;
    c.move(camera);
    const CVector half = c.up * (0.1 * camera.GetDistance());
    CScreen bottom = ProjectToScreen(camera, camera.GetTarget() - half);
    CScreen top = ProjectToScreen(camera, camera.GetTarget() + half);
    EXPECT_TRUE(std::abs(bottom.x) < 1e-12 && std::abs(top.x) < 1e-12 && top.y > bottom.y);
    CScreen right = ProjectToScreen(camera, camera.GetTarget() + c.right);
    EXPECT_TRUE(c.right.Length() == 0.0 || (right.x > 0.0 && std::abs(right.y) < 1e-12));
  }
}

// A drag moves the centre with the mouse, by the distance times the share
// of the window's width.
TEST(CameraTools, PanDragMovesTheCentreWithTheMouse)
{
  struct Case {
    double azimuth;
    int dx, dy;
  };
  for (const Case& test :
       {Case{-45.0, 40, 0}, Case{-45.0, 0, 40}, Case{135.0, -40, 0}, Case{90.0, 0, -40}, Case{0.0, 200, 0}}) {
    CGLCamera camera;
    camera.SetAngles(25.0, test.azimuth);
    camera.SetTool(3);
    CVector centre = camera.GetTarget();
    CVector pan = camera.GetPan();
    Drag(camera, 200, 200, 200 + test.dx, 200 + test.dy);
    CScreen moved = ProjectToScreen(camera, centre);
    // Window rows grow downwards.
    EXPECT_NEAR(0.0, test.dx == 0 ? moved.x : moved.y, 1e-12) << test.azimuth;
    EXPECT_GT(test.dx == 0 ? -moved.y * test.dy : moved.x * test.dx, 0.0) << test.azimuth;
    const double share = std::abs(test.dx + test.dy) / static_cast<double>(camera.GetWidth());
    EXPECT_NEAR((camera.GetPan() - pan).Length(), share * camera.GetDistance(), 1e-12) << test.azimuth;
  }
}

TEST(CameraTools, RotatingByTheWindowWidthAddsAFullTurnAndWrapsOnlyPastIt)
{
  for (auto [start, expected] : {std::pair{0.0, 360.0}, {-45.0, 315.0}, {10.0, 10.0}}) {
    CGLCamera camera;
    camera.SetAngles(20.0, start);
    Drag(camera, 0, 100, camera.GetWidth(), 100);
    EXPECT_DOUBLE_EQ(expected, camera.GetAzimuth()) << start;
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
  for (const Case& test : {Case{1, false, 100, 30.0 * std::pow(0.99, 100)}, Case{1, false, 1000, 0.15},
                           Case{1, true, 1, 24.0}, Case{2, false, 1, 30.0}}) {
    CGLCamera camera;
    BuildTenMetreScene(camera);
    camera.SetTool(test.tool);
    camera.OnButtonDown(test.shift, 10, 10);
    ASSERT_EQ(CGLCamera::kZoomTimerId, camera.GetTimer());
    for (int i = 0; i < test.ticks; ++i)
      camera.OnTimer(CGLCamera::kZoomTimerId);
    EXPECT_NEAR(test.expected, camera.GetDistance(), 1e-12 * test.expected) << test.ticks;
    EXPECT_FALSE(camera.OnTimer(CGLCamera::kZoomTimerId + 1));
    camera.OnButtonUp(10, 10);
    EXPECT_EQ(0, camera.GetTimer());
  }
}

// A wheel zoom scales the distance within the scene's limits, and the point
// the pointer shows on the target's plane stays where it is on the screen.
TEST(CameraTools, WheelZoomKeepsThePointUnderThePointer)
{
  const double in = 1.0 / 1.15;
  for (auto [distance, factor, expected, x, y] : {std::tuple{20.0, in, 20.0 * in, 30, 40},
                                                  {20.0, 1.15, 23.0, 350, 10},
                                                  {0.16, in, 0.15, 5, 290},
                                                  {29.0, 1.15, 30.0, 100, 100}}) {
    CGLCamera camera;
    BuildTenMetreScene(camera);
    camera.SetAngles(25.0, -45.0);
    camera.SetDistance(distance);
    CMatrix toWorld;
    ASSERT_TRUE(Invert(camera.GetModelView(), toWorld));
    double half = std::tan(camera.GetFieldOfView() * kDegToRad / 2.0) * distance;
    double w = camera.GetWidth();
    double h = camera.GetHeight();
    CVector offset{(2.0 * x - w) / w * half * camera.GetAspect(), (h - 2.0 * y) / h * half, 0.0};
    CVector shown = camera.GetTarget() + TransformDirection(toWorld, offset);
    CScreen before = ProjectToScreen(camera, shown);
    camera.ZoomTowards(factor, x, y);
    EXPECT_NEAR(expected, camera.GetDistance(), 1e-12) << x;
    CScreen after = ProjectToScreen(camera, shown);
    EXPECT_NEAR(before.x, after.x, 1e-12) << x;
    EXPECT_NEAR(before.y, after.y, 1e-12) << x;
  }
}

TEST(CameraTools, RightButtonZoomsOnlyWithAZoomTool)
{
  struct Case {
    int tool;
    bool ctrl, shift;
    double factor;
  };
  for (const Case& test : {Case{1, false, false, 0.99}, Case{1, true, false, 0.8}, Case{1, false, true, 1.01},
                           Case{2, true, true, 0.8}, Case{3, false, false, 1.0}, Case{5, true, true, 1.0}}) {
    CGLCamera camera;
    BuildTenMetreScene(camera);
    camera.SetDistance(10.0);
    camera.SetTool(test.tool);
    camera.OnRightButtonDown(test.ctrl, test.shift, 10, 10);
    EXPECT_TRUE(camera.OnTimer(camera.GetTimer()));
    EXPECT_DOUBLE_EQ(10.0 * test.factor, camera.GetDistance()) << test.tool << test.ctrl << test.shift;
    camera.OnRightButtonUp();
    EXPECT_FALSE(camera.GetTimer() != 0 || camera.IsMoving());
  }
}

TEST(CameraTools, RightDragStartsWhereTheButtonWentDown)
{
  for (int tool : {3, 4, 5}) {
    CGLCamera camera;
    camera.SetTool(tool);
    Drag(camera, 10, 10, 10, 10);
    camera.OnRightButtonDown(false, false, 300, 200);
    EXPECT_TRUE(camera.OnMouseMove(300, 200));
    EXPECT_TRUE(SameView(CGLCamera(), camera)) << tool;
  }
}

TEST(CameraTools, TrackballMoveIsFoldedOnceNotAtEachDraw)
{
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(
      camera, 40, 40, [] { FrontSquare(0.0, 0.0, 0.0, 1.0, 1.0, 0.0, 0.0); }, ViewSide::Front, 6.0));
  camera.SetTool(5);
  camera.OnButtonDown(false, 20, 20);
  camera.OnMouseMove(30, 20);
  std::array<double, 16> moved = camera.GetTrackball();
  // A horizontal drag turns about the picture's vertical.
  EXPECT_LT(moved[0], 1.0);
  EXPECT_NEAR(1.0, moved[5], 1e-12);
  PaintFinal(camera);
  PaintFinal(camera);
  EXPECT_EQ(moved, camera.GetTrackball());
}

TEST(CameraTools, WholeSceneAndSensorViewsMoveTheTarget)
{
  CGLCamera camera;
  BuildTenMetreScene(camera);
  camera.SetAngles(12.0, 34.0);
  camera.ShowWholeScene();
  EXPECT_NEAR(0.0, (camera.GetTarget() - CVector(4.3, -0.8, 1.1)).Length(), 1e-15);
  EXPECT_EQ(42.0, camera.GetDistance());
  EXPECT_TRUE(camera.GetElevation() == 12.0 && camera.GetAzimuth() == 34.0);
  camera.ShowSensor(2.5);
  EXPECT_EQ(CVector(0.0, 0.0, 2.5), camera.GetTarget());
  EXPECT_DOUBLE_EQ(0.175, camera.GetDistance());
  for (int view : {-1, 8}) {
    CGLCamera untouched;
    EXPECT_FALSE(untouched.SetStandardView(view));
    EXPECT_TRUE(SameView(CGLCamera(), untouched));
  }
}

namespace {

// Azimuth 11, elevation 22, the distance, increment 3, a trackball turned
// about z, pan (1, 2, 3), and from 302 on the background (0.25, 0.5, 0.75);
// the last bytes cut off.
std::string Record(std::int32_t version, double distance, size_t cut)
{
  CSettingsArchive out;
  out.WriteInt32(version);
  for (double value : {11.0, 22.0, distance, 3.0, 0.0, 1.0, 0.0, 0.0, -1.0, 0.0, 0.0, 0.0,
                       0.0,  0.0,  1.0,      0.0, 0.0, 0.0, 0.0, 1.0, 1.0,  2.0, 3.0})
    if (version > 300)
      out.WriteDouble(value);
  for (float value : {0.25f, 0.5f, 0.75f})
    if (version > 301)
      out.WriteFloat(value);
  return out.GetBytes().substr(0, out.GetBytes().size() - cut);
}

} // namespace

TEST(CameraSettings, ReadingTakesTheWholeRecordOrNothingAndWritingIsAlways302)
{
  // Refused records leave the camera to the reset of the first update.
  struct Case {
    std::int32_t version;
    double distance;
    size_t cut;
    bool read, taken;
    float red;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Case& test : {Case{302, 12.5, 0, true, true, 0.25f}, Case{301, 12.5, 0, true, true, 0.1f},
                           Case{300, 12.5, 0, true, false, 0.1f}, Case{302, nan, 0, false, false, 0.1f},
                           Case{302, 12.5, 1, false, false, 0.1f}, Case{303, 12.5, 0, false, false, 0.1f}}) {
    SCOPED_TRACE(test.version);
    CGLCamera camera;
    ASSERT_TRUE(camera.CreateContext());
    camera.SetClearColour(0.1f, 0.2f, 0.3f, 1.0f);
    CSettingsArchive in(Record(test.version, test.distance, test.cut));
    EXPECT_EQ(test.read, camera.SerializeSettings(in));
    EXPECT_EQ(test.version == 300 ? 300 : 302, camera.GetSettingsVersion());
    camera.InitialReset();
    CGLCamera expected;
    if (!test.read)
      expected.SetStandardView(0);
    if (test.taken)
      EXPECT_TRUE(camera.GetAzimuth() == 11.0 && camera.GetDistance() == 12.5 && camera.GetTrackball()[1] == 1.0 &&
                  camera.GetTarget() == CVector(-3.0, -1.0, -2.0));
    else
      EXPECT_TRUE(SameView(expected, camera));
    EXPECT_EQ(test.red, camera.GetClearColour()[0]);

    CSettingsArchive out;
    ASSERT_TRUE(camera.SerializeSettings(out));
    CGLCamera restored;
    CSettingsArchive back(out.GetBytes());
    EXPECT_TRUE(restored.SerializeSettings(back) && back.GetPosition() == out.GetBytes().size());
    EXPECT_EQ(302, restored.GetSettingsVersion());
    EXPECT_TRUE(SameView(camera, restored) && camera.GetClearColour() == restored.GetClearColour());
  }
}

TEST(CameraTools, StartViewAndWholeSceneFrameTheRoomFromItsDirection)
{
  const CFramedBox rooms[] = {{{0.0, -0.5, 0.0}, {1.0, 0.5, 2.0}}, {{-100.0, -100.0, 0.0}, {100.0, 100.0, 30.0}}};
  const double halfView = std::tan(20.0 * std::acos(-1.0) / 180.0);
  for (const CFramedBox& room : rooms) {
    CGLCamera camera;
    ASSERT_TRUE(camera.Resize(800, 600));
    camera.SetFramedBox(room);
    const CVector centre = (room.low + room.high) * 0.5;
    for (const std::function<void()>& frame :
         std::vector<std::function<void()>>{[&] { camera.SetStandardView(0); }, [&] { camera.SetStandardView(7); },
                                            [&] { camera.ShowWholeScene(); }}) {
      camera.SetPan({3.0, 4.0, 5.0});
      frame();
      EXPECT_EQ(camera.GetTarget(), centre);
      EXPECT_GT(camera.GetDistance(), (room.high - room.low).Length() / 2.0); // the eye outside the room
      // From above the +x +y side, as the fixed start view looks.
      const CVector eye = camera.GetEyePosition() - centre;
      EXPECT_NEAR(eye.Length(), camera.GetDistance(), 1e-9 * camera.GetDistance());
      EXPECT_TRUE(eye.x > 0.0 && eye.y > 0.0 && eye.z > 0.0);
      for (double x : {room.low.x, room.high.x})
        for (double y : {room.low.y, room.high.y})
          for (double z : {room.low.z, room.high.z}) {
            const CScreen at = ProjectToScreen(camera, {x, y, z});
            EXPECT_LE(std::abs(at.y), halfView);
            EXPECT_LE(std::abs(at.x), halfView * 800.0 / 600.0);
          }
    }
    EXPECT_EQ(camera.GetAzimuth(), -45.0);
    EXPECT_EQ(camera.GetElevation(), 25.0);
  }
}
