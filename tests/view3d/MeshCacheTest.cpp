#include "MeshCache.h"
#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
const CVector kRed{1.0, 0.0, 0.0};
const CVector kGreen{0.0, 1.0, 0.0};
const CVector kBlue{0.0, 0.0, 1.0};

// One of each mesh primitive, with fills, edges and partial sweeps, spread
// over the view from above.
void MixedMeshes(double radius)
{
  glPushMatrix();
  glTranslated(1.5, 1.5, 0.0);
  DrawEllipsoidPatch(radius, 1.0, 0.8, 1.2, 0.2, 1.7 * kPi, 0.3, 2.5, 32, 32, kRed, kGreen, true, true);
  glPopMatrix();
  DrawEllipticRing(0.3, 1.0, 1.0, 0.7, 0.1, 0.2, 0.0, 0.5, 5.5, 120, kBlue, kRed, true, true);
  glPushMatrix();
  glTranslated(-1.5, 1.5, 0.0);
  DrawEllipticSegment(1.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.3, 4.0, 32, kRed, kBlue, true, true);
  glPopMatrix();
  DrawConeSurface(1.0, 0.0, 0.0, -1.0, 0.4, 0.1, 0.0, 1.0, 1.0, 1.0, 1.0, 5.0, 120, kGreen);
}

bool SamePicture(const CRenderedImage& a, const CRenderedImage& b)
{
  return a.width == b.width && a.height == b.height && a.rgb == b.rgb;
}

struct CPicture {
  CRenderedImage image;
  CSceneBounds bounds;
};

// The picture of the scene from above, its meshes drawn through the cache or
// each time directly.
CPicture Render(const std::function<void()>& scene, bool cached)
{
  CGLCamera camera;
  auto source = [&] {
    CMeshCacheScope direct(nullptr);
    scene();
  };
  if (!MakeScene(camera, 96, 96, cached ? scene : std::function<void()>(source), ViewSide::Top, 9.0))
    return {};
  return {PaintFinal(camera), camera.GetSceneBounds()};
}

} // namespace

TEST(MeshCache, CachedMeshesDrawTheSamePictureAndBounds)
{
  CPicture direct = Render([] { MixedMeshes(1.0); }, false);
  CPicture cached = Render([] { MixedMeshes(1.0); }, true);
  ASSERT_TRUE(direct.image.IsConsistent());
  EXPECT_TRUE(SamePicture(direct.image, cached.image));
  EXPECT_EQ(direct.bounds.min, cached.bounds.min);
  EXPECT_EQ(direct.bounds.max, cached.bounds.max);
}

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
  EXPECT_TRUE(SamePicture(first, PaintFinal(camera)));

  radius = 1.3;
  rebuild();
  EXPECT_EQ(4u, camera.MeshCount());
  EXPECT_FALSE(SamePicture(first, PaintFinal(camera)));

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
      [] { DrawEllipticRing(0.0, 2.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 2.0 * kPi, 8, kBlue, kGreen, false, true); },
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
        DrawEllipticRing(0.5, 0.0, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 120, kBlue, kGreen, true, true);
        DrawEllipsoidPatch(9.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.0, kPi, 32, 32, kBlue, kGreen, true, true);
        glBegin(GL_POINTS);
        GLVertex3(-1.0, 2.0, 0.5);
        glEnd();
      },
      ViewSide::Top, 8.0));
  EXPECT_EQ(-1.0, camera.GetSceneBounds().min);
  EXPECT_EQ(2.0, camera.GetSceneBounds().max);
}
