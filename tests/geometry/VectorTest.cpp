#include "Vector.h"
#include "RecordCursor.h"
#include "VectorExpect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// The frame of a geometric entry: rotations about x, y, z, then the position.
CMatrix EntryFrame(double rotX, double rotY, double rotZ, const CVector& position)
{
  CMatrix m;
  m.Rotate(rotX * kDegToRad, 0);
  m.Rotate(rotY * kDegToRad, 1);
  m.Rotate(rotZ * kDegToRad, 2);
  m.Translate(position);
  return m;
}

CVector Rotated(const CVector& p, double degrees, int axis)
{
  CMatrix m;
  m.Rotate(degrees * kDegToRad, axis);
  return TransformPoint(m, p);
}

} // namespace

TEST(VectorMath, LengthNormalizeCrossAndShapePoints)
{
  CVector v(3.0, 4.0, 0.0);
  EXPECT_EQ(5.0, v.Length());
  ExpectNearVector({0.6, 0.8, 0.0}, v.Normalize());

  // A zero vector has no direction; every later comparison must fail.
  CVector zero;
  zero.Normalize();
  EXPECT_TRUE(std::isnan(zero.x) && std::isnan(zero.y) && std::isnan(zero.z));

  EXPECT_EQ(CVector(0, 0, 1), Cross({1, 0, 0}, {0, 1, 0}));
  EXPECT_EQ(CVector(-3, 6, -3), Cross({1, 2, 3}, {4, 5, 6}));

  const double halfPi = std::numbers::pi / 2;
  ExpectNearVector({0, 3, 0}, EllipsePoint(2, 3, halfPi));
  ExpectNearVector({0, 0, 4}, EllipsoidPoint(2, 3, 4, 1.0, 0.0));
  ExpectNearVector({0, 3, 0}, EllipsoidPoint(2, 3, 4, halfPi, halfPi));
}

TEST(MatrixTransform, RotationsAboutEachAxis)
{
  ExpectNearVector({0, 1, 0}, Rotated({1, 0, 0}, 90, 2));
  ExpectNearVector({0, 0, 1}, Rotated({0, 1, 0}, 90, 0));
  ExpectNearVector({1, 0, 0}, Rotated({0, 0, 1}, 90, 1));
  CMatrix untouched;
  untouched.Rotate(1.0, 3);
  untouched.Rotate(1.0, -1);
  EXPECT_EQ(CMatrix(), untouched);
}

TEST(MatrixInverse, UndoesTheFrame)
{
  const CVector p(1.5, -0.25, 3);
  CMatrix inverse;
  CMatrix frame = EntryFrame(25, -70, 140, {0.5, -2, 7});
  ASSERT_TRUE(Invert(frame, inverse));
  ExpectNearVector(p, TransformPoint(inverse, TransformPoint(frame, p)));

  // A zero leading element forces the row exchanges.
  CMatrix swapped;
  swapped[0] = 0;
  swapped[1] = 1;
  swapped[4] = 2;
  swapped[5] = 0;
  swapped[12] = 3;
  ASSERT_TRUE(Invert(swapped, inverse));
  ExpectNearVector(p, TransformPoint(inverse, TransformPoint(swapped, p)));
}

TEST(MatrixInverse, SingularLeavesTargetUntouched)
{
  const CMatrix previous = EntryFrame(10, 20, 30, {1, 1, 1});
  CMatrix target = previous;

  CMatrix firstRowZero;
  for (int i = 0; i < 4; ++i)
    firstRowZero[i] = 0;
  EXPECT_FALSE(Invert(firstRowZero, target));
  CMatrix flat; // fails at a later pivot
  flat[10] = 0;
  EXPECT_FALSE(Invert(flat, target));
  CMatrix noW;
  noW[15] = 0;
  EXPECT_FALSE(Invert(noW, target));
  EXPECT_EQ(previous, target);
}

TEST(VectorRecord, ReadTakesThreeNumbersAndLeavesTheRest)
{
  CVector v;
  CRecordCursor five("1 2 3 4 5");
  ASSERT_TRUE(v.Read(five));
  EXPECT_EQ(CVector(1, 2, 3), v);
  EXPECT_EQ(" 4 5", five.Rest());

  // Failures consume nothing and keep the vector.
  CRecordCursor two("1 2");
  EXPECT_FALSE(v.Read(two));
  EXPECT_EQ("1 2", two.Rest());
  CRecordCursor empty("");
  EXPECT_FALSE(v.Read(empty));
  CRecordCursor word("4 5 x 6");
  EXPECT_FALSE(v.Read(word));
  EXPECT_EQ("4 5 x 6", word.Rest());
  EXPECT_EQ(CVector(1, 2, 3), v);

  // Older files carry three exponent digits, current platforms two.
  CRecordCursor exponents("5.000000000000000e-001 1.000000000000000e+01 -2.5E-001");
  ASSERT_TRUE(v.Read(exponents));
  EXPECT_EQ(CVector(0.5, 10, -0.25), v);
  EXPECT_FALSE(exponents.HasRest());
}
