#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

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
  CRenderedImage Paint()
  {
    m_root.UpdateTransformsOfTree();
    if (!MakeScene(
            m_camera, 64, 64, [this] { m_root.DrawChildren(); }, ViewSide::Front, 12.0))
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

} // namespace

TEST_F(EntryPicture, FrontPatchShowsOnTheFaceItLiesOn)
{
  // The face goes first: a coplanar patch drawn after it in the same depth
  // range would fail the depth test (GL_LESS).
  MakeSquare(*Add<CItemPolygon>(m_root, {0.0, 0.0, 1.0}), 3.0);
  auto* patch = Add<CItemPolygon>(m_root, {1.0, 0.5, 0.0});
  MakeSquare(*patch, 1.0);
  patch->m_bFront = 1;
  CRenderedImage image = Paint();
  ASSERT_TRUE(image.IsConsistent());
  EXPECT_TRUE(IsOrangeish(At(image, 0.0, 0.0)));
  EXPECT_TRUE(IsOrangeish(At(image, 0.7, -0.7)));
  EXPECT_TRUE(IsBlueish(At(image, 2.0, 2.0)));
  EXPECT_TRUE(IsWhite(At(image, 4.0, 4.0)));
}

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
