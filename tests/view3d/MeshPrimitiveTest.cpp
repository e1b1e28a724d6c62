#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kInf = std::numeric_limits<double>::infinity();
const CVector kBlack{0.0, 0.0, 0.0};
const CVector kGreen{0.0, 1.0, 0.0};

bool IsGreenish(CRgb c)
{
  return c.g > 150 && c.r < 60 && c.b < 60;
}

bool IsWhite(CRgb c)
{
  return IsColour(c, 255, 255, 255, 0);
}

class MeshPrimitive : public ::testing::Test {
protected:
  // Paints the scene seen from the side at distance 8 into a 64 x 64 picture.
  bool Paint(ViewSide side, const std::function<void()>& scene)
  {
    m_side = side;
    if (!MakeScene(m_camera, 64, 64, scene, side, 8.0))
      return false;
    m_image = PaintFinal(m_camera);
    return m_image.IsConsistent();
  }

  CRgb At(double x, double y, double z) const { return PixelAt(m_image, ProjectWorld(m_camera, m_side, x, y, z)); }
  const CSceneBounds& Bounds() const { return m_camera.GetSceneBounds(); }

  CGLCamera m_camera;
  CRenderedImage m_image;
  ViewSide m_side = ViewSide::Top;
};

} // namespace

// Each primitive fills what its numbers cover and nothing else; its bounds
// reach its radius, less the chords of its steps; its outlines close a
// sector along its end lines. A bound given as NaN is not checked.
TEST_F(MeshPrimitive, FillsCoverTheirShapeOnlyAndBoundsTakeTheirExtent)
{
  // Points (x, y) in the plane z = 0.
  using Probe = std::pair<double, double>;
  const double any = std::nan("");
  struct Shown {
    const char* name;
    ViewSide side;
    std::vector<Probe> filled, empty, outlined;
    double low, high;
  };
  const std::pair<Shown, std::function<void()>> cases[] = {
      {{"ring between its ellipses", ViewSide::Top, {{0.0, 1.5}, {0.0, -1.5}}, {{0.0, 0.0}, {0.0, 2.5}}, {}, any, 2.0},
       [] { DrawEllipticRing(1.0, 2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 2.0 * kPi, 120, kBlack, kGreen, false, true); }},
      {{"ring sector within its angles", ViewSide::Top, {{0.0, 1.0}}, {{0.0, -1.0}}, {{1.0, 0.0}}, any, 2.0},
       [] { DrawEllipticRing(0.0, 2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, kPi, 120, kBlack, kGreen, true, true); }},
      {{"disc on its carrying plane z = x + 3", ViewSide::Top, {}, {}, {}, -2.0, 5.0},
       [] { DrawEllipticRing(0.0, 2.0, 1.0, 0.5, 3.0, 1.0, 0.0, 0.0, 2.0 * kPi, 120, kBlack, kGreen, false, true); }},
      {{"segment between arc and chord", ViewSide::Top, {{0.0, 1.0}, {1.0, 0.5}}, {{0.0, -1.0}}, {}, any, 2.0},
       [] { DrawEllipticSegment(2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, kPi, 32, kBlack, kGreen, false, true); }},
      {{"segment of a full turn", ViewSide::Top, {{0.0, 1.0}, {0.0, -1.0}, {-1.0, 0.0}}, {}, {}, any, 2.0},
       [] {
         DrawEllipticSegment(2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 1.0, 1.0 - 2.0 * kPi, 32, kBlack, kGreen, false, true);
       }},
      {{"ellipsoid patch within its azimuths", ViewSide::Top, {{0.0, 0.5}}, {{0.0, -0.5}}, {}, any, 1.0},
       [] { DrawEllipsoidPatch(1.0, 1.0, 1.0, 1.0, 0.0, kPi, 0.0, kPi, 32, 32, kBlack, kGreen, false, true); }},
      {{"cone within its azimuths", ViewSide::Front, {{0.0, 0.5}}, {{0.0, -0.5}}, {}, any, 1.0},
       [] { DrawConeSurface(1.0, 0.0, 0.0, -1.0, 1.0, 0.0, 0.0, 1.0, 1.0, 1.0, 0.0, kPi, 120, kGreen); }},
      // Apex at level 0, radius 1 at level 1, cut above by z = 0.5 x + 1; the
      // lowest y, at azimuth 300 degrees, is sin t / (1 - 0.5 cos t).
      {{"cone up to its sloped cutting plane", ViewSide::Front, {}, {}, {}, -2.0 / std::sqrt(3.0), 2.0},
       [] { DrawConeSurface(0.0, 0.0, 0.0, 0.0, 1.0, 0.5, 0.0, 1.0, 1.0, 1.0, 0.0, 0.0, 120, kGreen); }},
      {{"cube and sphere about the origin", ViewSide::Front, {{0.0, 0.0}}, {}, {}, -1.0, 1.0},
       [] { DrawCube(2.0), glColor3d(0.0, 1.0, 0.0), DrawSphere(1.2, 16, 8); }},
  };
  for (const auto& [c, scene] : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Paint(c.side, scene));
    for (const Probe& p : c.filled)
      EXPECT_TRUE(IsGreenish(At(p.first, p.second, 0.0))) << p.first << " " << p.second;
    for (const Probe& p : c.empty)
      EXPECT_TRUE(IsWhite(At(p.first, p.second, 0.0))) << p.first << " " << p.second;
    for (const Probe& p : c.outlined)
      EXPECT_TRUE(HasColourNear(m_image, ProjectWorld(m_camera, m_side, p.first, p.second, 0.0), 1, 0, 0, 0));
    if (!std::isnan(c.low)) {
      EXPECT_NEAR(c.low, Bounds().min, 1e-12);
    }
    EXPECT_NEAR(c.high, Bounds().max, 1e-3);
  }
}

TEST_F(MeshPrimitive, RefusedArgumentsDrawNothing)
{
  ASSERT_TRUE(Paint(ViewSide::Top, [] {
    for (double angle : {kInf, -kInf, std::nan("")}) {
      DrawEllipticRing(1.0, 2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, angle, 120, kBlack, kGreen, true, true);
      DrawEllipticSegment(2.0, 1.0, 1.0, 0.0, 0.0, 0.0, angle, 1.0, 32, kBlack, kGreen, true, true);
      DrawEllipsoidPatch(1.0, 1.0, 1.0, 1.0, 0.0, angle, 0.0, kPi, 32, 32, kBlack, kGreen, true, true);
      DrawEllipsoidPatch(1.0, 1.0, 1.0, 1.0, 0.0, kPi, angle, kPi, 32, 32, kBlack, kGreen, true, true);
      DrawConeSurface(1.0, 0.0, 0.0, -1.0, 1.0, 0.0, 0.0, 1.0, 1.0, 1.0, angle, 0.0, 120, kGreen);
    }
    for (int segments : {0, -5, INT_MIN}) {
      DrawEllipticRing(1.0, 2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, segments, kBlack, kGreen, true, true);
      DrawEllipticSegment(2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, segments, kBlack, kGreen, true, true);
      DrawEllipsoidPatch(1.0, 1.0, 1.0, 1.0, 0.0, kPi, 0.0, kPi, segments, 32, kBlack, kGreen, true, true);
      DrawConeSurface(1.0, 0.0, 0.0, -1.0, 1.0, 0.0, 0.0, 1.0, 1.0, 1.0, 0.0, 1.0, segments, kGreen);
    }
    DrawEllipticRing(1.0, 0.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 120, kBlack, kGreen, true, true);
    DrawEllipticSegment(0.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 32, kBlack, kGreen, true, true);
    DrawEllipticRing(1.0, 2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 1.0, 1.0, 120, kBlack, kGreen, true, true);
  }));
  EXPECT_EQ(0.0, Bounds().min);
  EXPECT_EQ(15.0, Bounds().max);
}

TEST_F(MeshPrimitive, HugeAnglesAndCountsDrawWithinBounds)
{
  ASSERT_TRUE(Paint(ViewSide::Top, [] {
    DrawEllipticRing(1.0, 2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 1e16, 0.0, 120, kBlack, kGreen, true, true);
    DrawEllipticSegment(2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, -1e16, INT_MAX, kBlack, kGreen, true, true);
    DrawEllipsoidPatch(1.0, 0.0, 1.0, 1.0, 1e16, -1e16, 0.0, 1e16, INT_MAX, INT_MAX, kBlack, kGreen, true, true);
    DrawConeSurface(1.0, 0.0, 0.0, -1.0, 1.0, 0.0, 0.0, 1.0, 1.0, 1.0, -1e16, 1e16, INT_MAX, kGreen);
    DrawSphere(1.0, INT_MAX, INT_MAX);
  }));
  EXPECT_GE(Bounds().min, -2.0);
  EXPECT_LE(Bounds().max, 2.0);
}
