#include "ItemCone.h"
#include "ItemEllipsoid.h"
#include "ItemPointArc.h"
#include "ItemPointMatrix.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"
#include "ModelTestSupport.h"
#include "geometry/VectorExpect.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::vector<CVector> ArcPoints(int count, double start, double end)
{
  CItemPointArc arc;
  arc.SetInsertDefaults();
  arc.m_nCount = count;
  arc.m_startAngle = start;
  arc.m_endAngle = end;
  arc.GeneratePoints();
  return arc.m_points;
}

void ExpectOnCircleAt(const std::vector<double>& degrees, const std::vector<CVector>& points)
{
  ASSERT_EQ(points.size(), degrees.size());
  for (size_t i = 0; i < points.size(); ++i)
    ExpectNearVector(EllipsePoint(1.0, 1.0, degrees[i] * kDegToRad), points[i]);
}

// The line from a to b meets the surface at the expected points, in order.
void ExpectHits(const CItem3DSurface& surface, const CVector& a, const CVector& b, const CVectorArray& expected,
                int mode = 0)
{
  CVectorArray hits;
  ASSERT_EQ(surface.Intersect(a, b, hits, mode), static_cast<int>(expected.size()));
  ExpectNearVectors(expected, hits);
}

} // namespace

TEST(GeneratedPoints, LatticeRowByRowAccumulated)
{
  CItemPointMatrix matrix;
  matrix.m_nCountX = 2;
  matrix.m_nCountY = 3;
  matrix.m_stepX = 1.0;
  matrix.m_stepY = 0.5;
  matrix.GeneratePoints();
  EXPECT_EQ(matrix.m_points, (CVectorArray{{0, 0, 0}, {0, 0.5, 0}, {0, 1, 0}, {1, 0, 0}, {1, 0.5, 0}, {1, 1, 0}}));
  matrix.m_nCountX = -3;
  matrix.GeneratePoints();
  EXPECT_TRUE(matrix.m_points.empty());
}

TEST(GeneratedPoints, ArcEndsFullTurnsAndEqualAngles)
{
  ExpectOnCircleAt({0, 90, 180, 270}, ArcPoints(4, 0, 360));
  ExpectOnCircleAt({0, 90, 180}, ArcPoints(3, 0, 180));
  ExpectOnCircleAt({270, 360, 450}, ArcPoints(3, 270, 90));
  ExpectOnCircleAt({30}, ArcPoints(-5, 30, 30));
  ExpectOnCircleAt({30}, ArcPoints(7, 30, 30));
  EXPECT_TRUE(ArcPoints(0, 0, 90).empty());
}

TEST(GeneratedPoints, CollectedInSceneCoordinatesWhenActive)
{
  CItemGroup root;
  auto system = std::make_unique<CItemSystem>();
  system->m_position = {10, 0, 0};
  auto arc = std::make_unique<CItemPointArc>();
  arc->SetInsertDefaults();
  arc->m_position = {1, 2, 3};
  arc->m_rotation = {0, 0, 90};
  CItemPointArc* raw = arc.get();
  system->AddChild(std::move(arc));
  root.AddChild(std::move(system));
  root.UpdateTransformsOfTree();

  CSimList points;
  raw->CollectPoints(points);
  ASSERT_EQ(points.size(), 2u);
  auto* last = dynamic_cast<CSimPoint*>(points[1].get());
  ExpectNearVector({11, 1, 3}, {last->x, last->y, last->z});
  root.m_bActive = 0;
  raw->CollectPoints(points);
  EXPECT_EQ(points.size(), 2u);
}

TEST(EntryIntersect, PolygonInItsFrame)
{
  CItemPolygon square;
  square.m_vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  square.m_position = {0, 0, 2};
  square.UpdateTransform();
  ExpectHits(square, {0.5, 0.5, 5}, {0.5, 0.5, 0}, {{0.5, 0.5, 2}}, 2);
  ExpectHits(square, {1.5, 0.5, 5}, {1.5, 0.5, 0}, {}, 2);
  square.m_vertices.pop_back();
  square.m_vertices.pop_back();
  ExpectHits(square, {0.5, 0, 5}, {0.5, 0, 0}, {});
}

TEST(EntryIntersect, EllipsoidWindows)
{
  CItemEllipsoid sphere;
  sphere.m_position = {0, 0, 5};
  sphere.UpdateTransform();
  ExpectHits(sphere, {0, 0, 0}, {0, 0, 10}, {{0, 0, 6}, {0, 0, 4}});
  sphere.m_thetaEnd = 90.0;
  ExpectHits(sphere, {0, 0, 0}, {0, 0, 10}, {{0, 0, 6}});
  // The pole is inside only for a polar window that starts at exactly 0.
  sphere.m_thetaStart = 1.0;
  ExpectHits(sphere, {0, 0, 0}, {0, 0, 10}, {});

  sphere.m_phiStart = 270.0;
  sphere.m_phiEnd = 90.0;
  sphere.m_thetaStart = 0.0;
  sphere.m_thetaEnd = 180.0;
  EXPECT_TRUE(sphere.IsInWindow({1, 0, 0}));
  EXPECT_TRUE(sphere.IsInWindow({0, -1, 0}));
  EXPECT_FALSE(sphere.IsInWindow({-1, 0, 0}));
  EXPECT_FALSE(sphere.IsInWindow({0.5, 0, 0}));

  // A turned frame turns the shape that is met as it turns the drawn one.
  sphere.m_factorX = 2.0;
  sphere.m_position = {};
  sphere.m_rotation = {0, 0, 90};
  sphere.UpdateTransform();
  ExpectHits(sphere, {0, -5, 0}, {0, 5, 0}, {{0, 2, 0}});
}

TEST(EntryIntersect, ConeLevelsPlanesAndWindow)
{
  CItemCone cone;
  cone.UpdateTransform();
  // Levels 1 and -1 in this order leave no z between the planes.
  ExpectHits(cone, {-5, 0, 0}, {5, 0, 0}, {});
  cone.m_z1 = -1.0;
  cone.m_z2 = 1.0;
  ExpectHits(cone, {-5, 0, 0}, {5, 0, 0}, {{1, 0, 0}, {-1, 0, 0}});
  cone.m_startAngle = 270.0;
  cone.m_endAngle = 90.0;
  cone.m_position = {0, 0, 10};
  cone.UpdateTransform();
  ExpectHits(cone, {-5, 0, 10}, {5, 0, 10}, {{1, 0, 10}});
  cone.m_slopeX1 = 1.0;
  EXPECT_FALSE(cone.IsWithinLimits({1, 0, -0.5}));
  EXPECT_TRUE(cone.IsWithinLimits({1, 0, 0.5}));

  // The stretched cross-section is met where it is drawn; a factor of 0
  // falls back to the circular one.
  cone.m_slopeX1 = 0.0;
  cone.m_factorX = 2.0;
  ExpectHits(cone, {-5, 0, 10}, {5, 0, 10}, {{2, 0, 10}});
  cone.m_factorX = 0.0;
  ExpectHits(cone, {-5, 0, 10}, {5, 0, 10}, {{1, 0, 10}});
}
