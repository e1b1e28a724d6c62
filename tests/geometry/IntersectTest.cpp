#include "Intersect.h"
#include "VectorExpect.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const CVector kUp(0, 0, 1);
const CVector kOrigin(0, 0, 0);
const CVectorArray kSquare = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
const CVectorArray kSquareClockwise = {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}};

// Vertical line through (x, y), starting above the plane z = 0.
int HitSquare(const CVectorArray& polygon, double x, double y, CVectorArray& list, int mode = kLineInfinite)
{
  return IntersectLinePolygon({x, y, 1}, {x, y, 2}, polygon, list, mode);
}

} // namespace

TEST(IntersectLinePlane, LineModesSelectTheParameterRange)
{
  const CVector sentinel(9, 9, 9);
  CVector hit = sentinel;
  // The plane lies behind A: t = -1.
  EXPECT_EQ(0, IntersectLinePlane({0, 0, 1}, {0, 0, 2}, kUp, kOrigin, hit, kLineRay));
  EXPECT_EQ(0, IntersectLinePlane({0, 0, 1}, {0, 0, 2}, kUp, kOrigin, hit, kLineSegment));
  EXPECT_EQ(0, IntersectLinePlane({0, 0, 1}, {0, 0, -1}, kUp, kOrigin, hit, kLineRaySegment));
  // Parallel, inside the plane, no length.
  EXPECT_EQ(0, IntersectLinePlane({0, 0, 1}, {1, 0, 1}, kUp, kOrigin, hit, kLineInfinite));
  EXPECT_EQ(0, IntersectLinePlane({0, 0, 0}, {1, 0, 0}, kUp, kOrigin, hit, kLineInfinite));
  EXPECT_EQ(0, IntersectLinePlane({0, 0, 1}, {0, 0, 1}, kUp, kOrigin, hit, kLineInfinite));
  EXPECT_EQ(sentinel, hit);
  EXPECT_EQ(1, IntersectLinePlane({0, 0, 1}, {0, 0, 2}, kUp, kOrigin, hit, kLineInfinite));
  EXPECT_EQ(kOrigin, hit);

  // Both ends of a segment are inclusive; the normal need not be a unit one.
  EXPECT_EQ(1, IntersectLinePlane({1, 2, 3}, {1, 2, 0}, {0, 0, 5}, kOrigin, hit, kLineSegment));
  EXPECT_EQ(CVector(1, 2, 0), hit);
  hit = sentinel;
  EXPECT_EQ(1, IntersectLinePlane({1, 2, 0}, {1, 2, 3}, kUp, kOrigin, hit, kLineSegment));
  EXPECT_EQ(CVector(1, 2, 0), hit);

  CVectorArray list = {sentinel};
  EXPECT_EQ(0, IntersectLinePlane({0, 0, 1}, {0, 0, 2}, kUp, kOrigin, list, kLineRay));
  EXPECT_EQ(1, IntersectLinePlane({0, 0, 1}, {0, 0, 2}, kUp, kOrigin, list, kLineInfinite));
  EXPECT_EQ(CVectorArray({sentinel, kOrigin}), list);
}

TEST(IntersectLinePolygon, HitsOnlyInsideTheConvexPolygon)
{
  CVectorArray list;
  EXPECT_EQ(1, HitSquare(kSquare, 0.5, 0.25, list));
  EXPECT_EQ(1, HitSquare(kSquareClockwise, 0.5, 0.25, list));
  EXPECT_EQ(CVectorArray(2, {0.5, 0.25, 0}), list);

  list.clear();
  EXPECT_EQ(0, HitSquare(kSquare, 1.5, 0.5, list));
  EXPECT_EQ(0, HitSquare(kSquareClockwise, -0.5, 0.5, list));
  // On an edge or a vertex the edge test has no direction: outside.
  EXPECT_EQ(0, HitSquare(kSquare, 0.0, 0.0, list));
  EXPECT_EQ(0, HitSquare(kSquare, 0.5, 0.5, list, kLineRay));
  EXPECT_EQ(0, HitSquare({{0, 0, 0}, {1, 0, 0}}, 0.5, 0.0, list));
  EXPECT_TRUE(list.empty());

  const CVectorArray tilted = {{0, 0, 0}, {2, 0, 2}, {0, 2, 2}};
  EXPECT_EQ(1, IntersectLinePolygon({0.5, 0.5, 5}, {0.5, 0.5, 4}, tilted, list, kLineRay));
  ExpectNearVectors({{0.5, 0.5, 1}}, list);

  // The plane form does no inside test.
  CVector hit;
  EXPECT_EQ(1, IntersectLinePolygonPlane({3, 4, 1}, {3, 4, -1}, kSquare, hit, kLineSegment));
  EXPECT_EQ(CVector(3, 4, 0), hit);
  EXPECT_EQ(0, IntersectLinePolygonPlane({3, 4, 1}, {3, 4, -1}, {{0, 0, 0}, {1, 0, 0}}, hit, kLineSegment));
}

TEST(IsPointInPolygon, ConvexInsideTestOfTheProjection)
{
  for (const CVectorArray* square : {&kSquare, &kSquareClockwise}) {
    EXPECT_EQ(1, IsPointInPolygon({0.5, 0.5, 0}, *square));
    EXPECT_EQ(0, IsPointInPolygon({1.5, 0.5, 0}, *square));
    EXPECT_EQ(1, IsPointInPolygon({0.5, 0.5, 7}, *square));
    EXPECT_EQ(0, IsPointInPolygon({0.5, -0.001, 0}, *square));
  }
  // Above an edge c is perpendicular to N: the product is 0 and counts as inside.
  EXPECT_EQ(1, IsPointInPolygon({1.0, 0.5, 7}, kSquare));
  EXPECT_EQ(0, IsPointInPolygon({0.5, 0.5, 0}, {{0, 0, 0}, {1, 0, 0}}));
}

TEST(IsPointInPolygon, NonNumbersCountAsOutside)
{
  // On an edge's line in the plane, c is zero and normalises to non-numbers.
  EXPECT_EQ(0, IsPointInPolygon({1.0, 0.5, 0}, kSquare));
  EXPECT_EQ(0, IsPointInPolygon({0.0, 1.0, 0}, kSquareClockwise));
  // Collinear vertices have a zero normal.
  EXPECT_EQ(0, IsPointInPolygon({0.5, 0.0, 0}, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}));

  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(0, IsPointInPolygon({nan, 0.5, 0}, kSquare));
  EXPECT_EQ(0, IsPointInPolygon({0.5, 0.5, 0}, {{0, 0, 0}, {nan, 0, 0}, {1, 1, 0}, {0, 1, 0}}));
  CVectorArray list;
  EXPECT_EQ(0, IntersectLinePolygon({0.5, 0.5, 1}, {0.5, 0.5, nan}, kSquare, list, kLineInfinite));
  EXPECT_TRUE(list.empty());
}

TEST(IntersectLineLine, SegmentsThatPassCloseCountAsCrossing)
{
  double s = -7;
  double t = -7;
  ASSERT_EQ(1, ClosestLineParameters({0, 0, 0}, {2, 0, 0}, {1, -1, 0.05}, {1, 1, 0.05}, s, t));
  EXPECT_EQ(0.5, s);
  EXPECT_EQ(0.5, t);
  EXPECT_EQ(0, ClosestLineParameters({0, 0, 0}, {2, 0, 0}, {0, 1, 0}, {-4, 1, 0}, s, t));
  EXPECT_EQ(0.5, s);

  CVectorArray list;
  EXPECT_EQ(1, IntersectLineLine({0, 0, 0}, {2, 0, 0}, {1, -1, 0.05}, {1, 1, 0.05}, 0.1, list, kLineSegment));
  EXPECT_EQ(0, IntersectLineLine({0, 0, 0}, {2, 0, 0}, {1, -1, 0.05}, {1, 1, 0.05}, 0.01, list, kLineSegment));
  EXPECT_EQ(0, IntersectLineLine({0, 0, 0}, {2, 0, 0}, {0, 1e-9, 0}, {2, 1e-9, 0}, 0.1, list, kLineSegment));
  // A distance equal to the tolerance passes.
  EXPECT_EQ(1, IntersectLineLine({0, 0, 0}, {2, 0, 0}, {1, -1, 0.5}, {1, 1, 0.5}, 0.5, list, kLineSegment));
  ASSERT_EQ(2u, list.size());
  ExpectNearVector({1, 0, 0.025}, list[0], 1e-15);
  EXPECT_EQ(CVector(1, 0, 0.25), list[1]);
}

TEST(IntersectLineLine, LineModesApplyToBothParameters)
{
  const CVector a1(0, 0, 0);
  const CVector b1(1, 0, 0);
  CVectorArray list;
  // Crossing at s = 2 on the first line and t = 0.5 on the second.
  EXPECT_EQ(0, IntersectLineLine(a1, b1, {2, -1, 0}, {2, 1, 0}, 0.1, list, kLineSegment));
  EXPECT_EQ(1, IntersectLineLine(a1, b1, {2, -1, 0}, {2, 1, 0}, 0.1, list, kLineRaySegment));
  EXPECT_EQ(0, IntersectLineLine(a1, b1, {2, -1, 0}, {2, 1, 0}, 0.1, list, 4));
  // s = -1.
  EXPECT_EQ(0, IntersectLineLine(a1, b1, {-1, -1, 0}, {-1, 1, 0}, 0.1, list, kLineRay));
  EXPECT_EQ(1, IntersectLineLine(a1, b1, {-1, -1, 0}, {-1, 1, 0}, 0.1, list, kLineInfinite));
  // t = 2: beyond the second segment, on its ray.
  EXPECT_EQ(0, IntersectLineLine(a1, b1, {0.5, -2, 0}, {0.5, -1, 0}, 0.1, list, kLineRaySegment));
  EXPECT_EQ(1, IntersectLineLine(a1, b1, {0.5, -2, 0}, {0.5, -1, 0}, 0.1, list, kLineRay));
  EXPECT_EQ(CVectorArray({{2, 0, 0}, {-1, 0, 0}, {0.5, 0, 0}}), list);
}

TEST(IntersectLineEllipsoid, FarRootFirstWithinTheLineMode)
{
  CVectorArray list;
  EXPECT_EQ(2, IntersectLineEllipsoid({-5, 0, 0}, {5, 0, 0}, kOrigin, 2, 1, 1, 1, list, kLineSegment));
  ExpectNearVectors({{2, 0, 0}, {-2, 0, 0}}, list);

  list.clear();
  EXPECT_EQ(1, IntersectLineEllipsoid({-5, 2, 0}, {5, 2, 0}, kOrigin, 2, 1, 1, 1, list, kLineSegment));
  // The touching point lies beyond the end of this segment (h = 1.25).
  EXPECT_EQ(0, IntersectLineEllipsoid({-5, 2, 0}, {-1, 2, 0}, kOrigin, 2, 1, 1, 1, list, kLineSegment));
  EXPECT_EQ(1, IntersectLineEllipsoid({-5, 2, 0}, {-1, 2, 0}, kOrigin, 2, 1, 1, 1, list, kLineInfinite));
  EXPECT_EQ(CVectorArray(2, {0, 2, 0}), list);

  // A ray from the centre leaves through the far side only.
  list.clear();
  EXPECT_EQ(1, IntersectLineEllipsoid(kOrigin, {1, 0, 0}, kOrigin, 2, 1, 1, 1, list, kLineRay));
  EXPECT_EQ(0, IntersectLineEllipsoid({-5, 3, 0}, {5, 3, 0}, kOrigin, 2, 1, 1, 1, list, kLineInfinite));
  EXPECT_EQ(0, IntersectLineEllipsoid({1, 1, 1}, {1, 1, 1}, kOrigin, 2, 1, 1, 1, list, kLineInfinite));
  ExpectNearVectors({{2, 0, 0}}, list);

  // Axis factors stretch the sphere; the centre moves it.
  list.clear();
  EXPECT_EQ(2, IntersectLineEllipsoid({10, 1, 1}, {-10, 1, 1}, {0, 1, 1}, 1, 3, 1, 0.5, list, kLineInfinite));
  EXPECT_EQ(2, IntersectLineEllipsoid({0, 1, -9}, {0, 1, 9}, {0, 1, 1}, 1, 3, 1, 0.5, list, kLineSegment));
  ExpectNearVectors({{-3, 1, 1}, {3, 1, 1}, {0, 1, 1.5}, {0, 1, 0.5}}, list);
}

TEST(IntersectLineCone, CrossesBothNappesFarRootFirst)
{
  CVectorArray list;
  EXPECT_EQ(2, IntersectLineCone({-5, 0, 0}, {5, 0, 0}, 1, 1, 0, 2, list, kLineInfinite));
  // Apex at the origin, radius 1 at z = 1: upper nappe, lower nappe, apex.
  EXPECT_EQ(2, IntersectLineCone({-5, 0, 0.5}, {5, 0, 0.5}, 0, 1, 0, 1, list, kLineSegment));
  EXPECT_EQ(2, IntersectLineCone({0, 5, -0.5}, {0, -5, -0.5}, 0, 1, 0, 1, list, kLineSegment));
  EXPECT_EQ(1, IntersectLineCone({-1, 0, 0}, {1, 0, 0}, 0, 1, 0, 1, list, kLineSegment));
  // Only the near wall of the cylinder lies on this segment.
  EXPECT_EQ(1, IntersectLineCone({-5, 0, 0}, {0, 0, 0}, 1, 1, 0, 2, list, kLineSegment));
  ExpectNearVectors(
      {{1, 0, 0}, {-1, 0, 0}, {0.5, 0, 0.5}, {-0.5, 0, 0.5}, {0, -0.5, -0.5}, {0, 0.5, -0.5}, {0, 0, 0}, {-1, 0, 0}},
      list);

  list.clear();
  EXPECT_EQ(0, IntersectLineCone({-5, 3, 0}, {5, 3, 0}, 1, 1, 0, 2, list, kLineInfinite));
  EXPECT_EQ(0, IntersectLineCone({-5, 0, 0}, {5, 0, 0}, 1, 1, 0, 2, list, 9));
  // No quadratic left: along the cylinder axis, along a surface line, no length.
  EXPECT_EQ(0, IntersectLineCone({0.5, 0, 0}, {0.5, 0, 1}, 1, 1, 0, 2, list, kLineInfinite));
  EXPECT_EQ(0, IntersectLineCone({0, 0, 0}, {1, 0, 1}, 0, 1, 0, 1, list, kLineInfinite));
  EXPECT_EQ(0, IntersectLineCone({2, 0, 0}, {2, 0, 0}, 1, 1, 0, 2, list, kLineInfinite));
  EXPECT_TRUE(list.empty());
}
