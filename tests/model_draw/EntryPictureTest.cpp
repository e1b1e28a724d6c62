#include "FaceBatch.h"
#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"
#include "MeshCache.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Lighting changes the brightness; the order of the channels stays.
bool IsBlueish(CRgb c)
{
  return c.b > 120 && c.r < 60 && c.g < 60;
}

bool IsOrangeish(CRgb c)
{
  return c.r > 150 && c.g > 50 && c.g < c.r - 40 && c.b < 40;
}

bool IsWhite(CRgb c)
{
  return IsColour(c, 255, 255, 255, 0);
}

template <class T> T* Add(CItemGroup& parent, const CVector& fill)
{
  auto entry = std::make_unique<T>();
  entry->m_fillColor = fill;
  entry->m_bOutline = 0;
  T* raw = entry.get();
  parent.AddChild(std::move(entry));
  return raw;
}

// Square in the plane x = 0 around the origin, facing the front view.
void MakeSquare(CItemPolygon& face, double half)
{
  face.m_vertices = {{0, -half, -half}, {0, half, -half}, {0, half, half}, {0, -half, half}};
}

class EntryPicture : public ::testing::Test {
protected:
  // Batched, flat faces go to the scene's face batch as in the program;
  // otherwise they draw themselves where they stand in the tree.
  CRenderedImage Paint(bool batched = true)
  {
    m_root.UpdateTransformsOfTree();
    std::function<void()> source = [this] { m_root.DrawChildren(); };
    if (!batched)
      source = [this] {
        CFaceBatchScope direct(nullptr);
        CMeshSceneScope directMeshes(nullptr, nullptr);
        m_root.DrawChildren();
      };
    if (!MakeScene(m_camera, 64, 64, source, ViewSide::Front, 12.0))
      return {};
    return PaintFinal(m_camera);
  }

  CRgb At(const CRenderedImage& image, double y, double z) const
  {
    return PixelAt(image, ProjectWorld(m_camera, ViewSide::Front, 0.0, y, z));
  }

  CItemGroup m_root;
  CGLCamera m_camera;
};

// A system moved and turned about x, holding a face with a position of its own.
CItemPolygon* AddPlacedFace(CItemGroup& root, const CVector& fill)
{
  auto system = std::make_unique<CItemSystem>();
  system->m_position = {0.0, 1.0, -0.5};
  system->m_rotation = {25.0, 0.0, 0.0};
  auto* face = Add<CItemPolygon>(*system, fill);
  MakeSquare(*face, 2.0);
  face->m_position = {0.0, -0.5, 0.5};
  root.AddChild(std::move(system));
  return face;
}

} // namespace

TEST_F(EntryPicture, OutlinesOfPlacedFacesAreDrawnWhereTheirFacesAre)
{
  // The scene list draws outlines after all fills, carried into the scene by
  // each face's own transform: a face moved by a system and by its own
  // position keeps its outline on its edges.
  auto system = std::make_unique<CItemSystem>();
  system->m_position = {0.0, 1.0, 0.0};
  auto* face = Add<CItemPolygon>(*system, {0.0, 0.0, 1.0});
  MakeSquare(*face, 2.0);
  face->m_position = {0.0, 0.0, 1.0};
  face->m_bOutline = 1;
  face->m_lineColor = {1.0, 0.0, 0.0};
  m_root.AddChild(std::move(system));
  CRenderedImage image = Paint();
  ASSERT_TRUE(image.IsConsistent());
  // The square spans y -1..3 and z -1..3 after both moves.
  EXPECT_TRUE(HasColourNear(image, ProjectWorld(m_camera, ViewSide::Front, 0.0, 3.0, 1.0), 1, 255, 0, 0));
  EXPECT_TRUE(HasColourNear(image, ProjectWorld(m_camera, ViewSide::Front, 0.0, 1.0, -1.0), 1, 255, 0, 0));
  EXPECT_TRUE(IsBlueish(At(image, 1.0, 1.0)));
  EXPECT_FALSE(HasColourNear(image, ProjectWorld(m_camera, ViewSide::Front, 0.0, 2.0, 0.0), 1, 255, 0, 0));
}

// A coplanar patch drawn after its face in the same depth range would fail
// the depth test (GL_LESS); in the batch all fills of a layer share one
// draw. The front layer keeps the patch on top either way, and the batch
// looks as the faces drawn directly: a face turned about z leans away from
// the light, its shade and outline show whether both turned with it; a triangle
// and a pentagon are fans of one and of three triangles.
TEST_F(EntryPicture, BatchLooksAsDrawnDirectlyWithTheFrontFaceOnTopInEitherOrder)
{
  for (bool patchFirst : {true, false}) {
    SCOPED_TRACE(::testing::Message() << "patch first " << patchFirst);
    m_root.RemoveAllChildren();
    if (!patchFirst)
      AddPlacedFace(m_root, {0.0, 0.0, 1.0});
    auto* patch = AddPlacedFace(m_root, {1.0, 0.5, 0.0});
    patch->m_bFront = 1;
    MakeSquare(*patch, 1.0);
    if (patchFirst)
      AddPlacedFace(m_root, {0.0, 0.0, 1.0});
    auto* turned = Add<CItemPolygon>(m_root, {0.0, 0.0, 1.0});
    MakeSquare(*turned, 0.5);
    turned->m_position = {0.0, -3.0, 3.0};
    turned->m_rotation = {0.0, 0.0, 60.0};
    turned->m_bOutline = 1;
    turned->m_lineColor = {1.0, 0.0, 0.0};
    auto* triangle = Add<CItemPolygon>(m_root, {0.0, 0.8, 0.0});
    triangle->m_vertices = {{0, -4, -4}, {0, -2.5, -4}, {0, -3.25, -2.5}};
    auto* pentagon = Add<CItemPolygon>(m_root, {0.9, 0.6, 0.0});
    pentagon->m_vertices = {{0, 2.5, -4}, {0, 4, -4}, {0, 4, -3}, {0, 3.25, -2.2}, {0, 2.5, -3}};
    CRenderedImage batched = Paint(true);
    CSceneBounds batchedBounds = m_camera.GetSceneBounds();
    CRenderedImage direct = Paint(false);
    ASSERT_TRUE(batched.IsConsistent());
    EXPECT_EQ(m_camera.GetSceneBounds().min, batchedBounds.min);
    EXPECT_EQ(m_camera.GetSceneBounds().max, batchedBounds.max);
    // Both squares centred near y 0.3, z -0.3 after the moves.
    EXPECT_TRUE(IsOrangeish(At(batched, 0.5, 0.0)));
    EXPECT_TRUE(IsBlueish(At(batched, 1.5, 0.5)));
    EXPECT_TRUE(IsBlueish(At(batched, -3.0, 3.0)));
    EXPECT_FALSE(IsWhite(At(batched, -3.25, -3.5)));
    EXPECT_FALSE(IsWhite(At(batched, 3.25, -3.2)));
    EXPECT_TRUE(IsWhite(At(batched, 4.0, 4.0)));
    EXPECT_TRUE(LooksTheSame(batched, direct));
  }
}
