#include "MeshCache.h"
#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <functional>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
const CVector kRed{1.0, 0.0, 0.0};
const CVector kGreen{0.0, 1.0, 0.0};
const CVector kBlue{0.0, 0.0, 1.0};

// Draws as an entry does: the GL frame moved to (x, y) and the placement
// that carries the meshes the same way.
void Placed(double x, double y, const std::function<void()>& draw)
{
  CMatrix toWorld;
  toWorld.Translate({x, y, 0.0});
  glPushMatrix();
  glTranslated(x, y, 0.0);
  {
    CMeshPlacementScope placed(toWorld);
    draw();
  }
  glPopMatrix();
}

// One of each mesh primitive, with fills, edges and partial sweeps, spread
// over the view from above.
void MixedMeshes(double radius)
{
  Placed(1.5, 1.5, [radius] {
    DrawEllipsoidPatch(radius, 1.0, 0.8, 1.2, 0.2, 1.7 * kPi, 0.3, 2.5, 32, 32, kRed, kGreen, true, true);
  });
  Placed(0.0, 0.0, [] { DrawEllipticRing(0.3, 1.0, 1.0, 0.7, 0.1, 0.2, 0.0, 0.5, 5.5, 120, kBlue, kRed, true, true); });
  Placed(-1.5, 1.5, [] { DrawEllipticSegment(1.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.3, 4.0, 32, kRed, kBlue, true, true); });
  Placed(0.0, -1.5, [] { DrawConeSurface(1.0, 0.0, 0.0, -1.0, 0.4, 0.1, 0.0, 1.0, 1.0, 1.0, 1.0, 5.0, 120, kGreen); });
}

struct CPicture {
  CRenderedImage image;
  CSceneBounds bounds;
};

// The picture of the scene from above, its meshes drawn from the scene's
// batch or each where it stands.
CPicture Render(const std::function<void()>& scene, bool batched, double distance)
{
  CGLCamera camera;
  auto source = [&] {
    CMeshSceneScope direct(nullptr, nullptr);
    scene();
  };
  if (!MakeScene(camera, 96, 96, batched ? scene : std::function<void()>(source), ViewSide::Top, distance))
    return {};
  return {PaintFinal(camera), camera.GetSceneBounds()};
}

} // namespace

TEST(MeshCache, RebuildKeepsUnchangedMeshesAndDropsGoneOnes)
{
  double radius = 1.0;
  int copies = 3;
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(
      camera, 96, 96,
      [&] {
        for (int i = 0; i < copies; ++i)
          MixedMeshes(radius);
      },
      ViewSide::Top, 9.0));
  // Equal shapes share one mesh: four shapes, whatever the copies.
  EXPECT_EQ(4u, camera.MeshCount());
  CRenderedImage first = PaintFinal(camera);
  // A rebuild clamps the distance to the scene; the view stays as it was.
  auto rebuild = [&camera] {
    camera.Rebuild();
    camera.SetDistance(9.0);
  };

  rebuild();
  EXPECT_EQ(4u, camera.MeshCount());
  EXPECT_TRUE(LooksTheSame(first, PaintFinal(camera)));

  radius = 1.3;
  rebuild();
  EXPECT_EQ(4u, camera.MeshCount());
  EXPECT_FALSE(LooksTheSame(first, PaintFinal(camera)));

  copies = 0;
  rebuild();
  EXPECT_EQ(0u, camera.MeshCount());
}

TEST(MeshCache, MovingToolDrawsTheCoarseMesh)
{
  // Eight segments of a full disc are a fine octagon; at a quarter of the
  // steps the disc collapses to a line and covers nothing off its axis.
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(
      camera, 64, 64,
      [] {
        Placed(0.0, 0.0, [] {
          DrawEllipticRing(0.0, 2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 2.0 * kPi, 8, kBlue, kGreen, false, true);
        });
      },
      ViewSide::Top, 8.0));
  CPixel offAxis = ProjectWorld(camera, ViewSide::Top, 1.0, 0.5, 0.0);
  CRgb still = PixelAt(PaintFinal(camera), offAxis);
  EXPECT_TRUE(still.g > 150 && still.r < 60);

  camera.SetMoving(true);
  EXPECT_TRUE(IsColour(PixelAt(PaintFinal(camera), offAxis), 255, 255, 255, 0));
  camera.SetMoving(false);
  EXPECT_TRUE(IsColour(PixelAt(PaintFinal(camera), offAxis), still.r, still.g, still.b, 0));
}

TEST(MeshCache, MeshThatDrawsNothingLeavesBoundsAlone)
{
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(
      camera, 32, 32,
      [] {
        Placed(0.0, 0.0, [] {
          DrawEllipticRing(0.5, 0.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 120, kBlue, kGreen, true, true);
          DrawEllipsoidPatch(9.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.0, kPi, 32, 32, kBlue, kGreen, true, true);
        });
        glBegin(GL_POINTS);
        GLVertex3(-1.0, 2.0, 0.5);
        glEnd();
      },
      ViewSide::Top, 8.0));
  EXPECT_EQ(-1.0, camera.GetSceneBounds().min);
  EXPECT_EQ(2.0, camera.GetSceneBounds().max);
}

TEST(MeshCache, BatchedMeshesLookAsDrawnDirectly)
{
  // Closed surfaces lose their far faces to culling: a mirrored one winds
  // the other way round and must still show its near side, an open patch
  // keeps both sides, and from inside a sphere every face turns away from
  // the eye, yet must not be culled.
  auto closedSurfaces = [] {
    Placed(-1.5, 0.0,
           [] { DrawEllipsoidPatch(1.0, 1.0, 1.0, 1.0, 0.0, 2.0 * kPi, 0.0, kPi, 32, 32, kRed, kGreen, false, true); });
    Placed(1.5, 0.0,
           [] { DrawEllipsoidPatch(1.0, -1.0, 0.7, 1.3, 0.0, 2.0 * kPi, 0.0, kPi, 32, 32, kRed, kBlue, false, true); });
    Placed(0.0, 2.0,
           [] { DrawEllipsoidPatch(1.0, 1.0, 1.0, 1.0, 0.0, 1.5 * kPi, 0.0, kPi, 32, 32, kRed, kRed, false, true); });
  };
  auto aroundTheEye = [] {
    Placed(0.0, 0.0,
           [] { DrawEllipsoidPatch(5.0, 1.0, 1.0, 1.0, 0.0, 2.0 * kPi, 0.0, kPi, 32, 32, kRed, kGreen, false, true); });
  };
  const struct {
    const char* name;
    std::function<void()> scene;
    double distance;
  } scenes[] = {
      {"one of each primitive", [] { MixedMeshes(1.0); }, 9.0},
      {"closed surfaces seen from outside", closedSurfaces, 9.0},
      {"eye inside a closed surface", aroundTheEye, 2.0},
  };
  for (const auto& [name, scene, distance] : scenes) {
    SCOPED_TRACE(name);
    CPicture direct = Render(scene, false, distance);
    CPicture batched = Render(scene, true, distance);
    EXPECT_GT(DrawnPixels(direct.image), 1000);
    EXPECT_TRUE(LooksTheSame(direct.image, batched.image));
    EXPECT_EQ(direct.bounds.min, batched.bounds.min);
    EXPECT_EQ(direct.bounds.max, batched.bounds.max);
  }
}
