#include "geometry/point3.h"

#include <gtest/gtest.h>

namespace {

void expectPoint(Point3 actual, Point3 expected) {
  EXPECT_EQ(actual.x, expected.x);
  EXPECT_EQ(actual.y, expected.y);
  EXPECT_EQ(actual.z, expected.z);
}

TEST(VectorPrimitives, DotSumsZThenYThenX) {
  // Summed x-first, 1 + 1e16 would lose the 1 before the two 1e16 cancel.
  EXPECT_EQ(dot({1, 1e8f, -1e8f}, {1, 1e8f, 1e8f}), 1.0);
  EXPECT_EQ(dot({1, 2, 3}, {4, 5, 6}), 32.0);
}

TEST(VectorPrimitives, CrossIsRightHandedAndRoundedToFloat) {
  expectPoint(cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
  expectPoint(cross({0, 1, 0}, {1, 0, 0}), {0, 0, -1});
  expectPoint(cross({1, 2, 3}, {2, 4, 6}), {0, 0, 0});
  EXPECT_EQ(crossLength({1, 2, 3}, {2, 4, 6}), 0.0);
  // 3 · (1/3f) is not a float; the stored component is its rounding.
  const float third = 1.0f / 3.0f;
  EXPECT_EQ(cross({0, 3, 0}, {0, 0, third}).x, float(3.0 * third));
}

TEST(VectorPrimitives, LengthAndCrossLength) {
  EXPECT_EQ(length({3, 4, 12}), 13.0);
  EXPECT_EQ(length({0, 0, 0}), 0.0);
  EXPECT_EQ(crossLength({2, 0, 0}, {0, 3, 0}), 6.0);
}

TEST(VectorPrimitives, DifferenceRunsFromFirstToSecond) {
  expectPoint(difference({1, 2, 3}, {4, 6, 8}), {3, 4, 5});
  expectPoint(difference({4, 6, 8}, {1, 2, 3}), {-3, -4, -5});
  expectPoint(difference({1.5f, -2, 7}, {1.5f, -2, 7}), {0, 0, 0});
  // The double difference 1 − 1e-8 is stored as the float 1.
  EXPECT_EQ(difference({1e-8f, 0, 0}, {1, 0, 0}).x, 1.0f);
}

TEST(VectorPrimitives, Det2IgnoresZ) {
  EXPECT_EQ(det2({1, 0, 5}, {0, 1, 7}), 1.0);
  EXPECT_EQ(det2({2, 3, 0}, {4, 5, 0}), -2.0);
}

TEST(VectorPrimitives, TriangleArea) {
  EXPECT_EQ(triangleArea({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), 0.5);
  EXPECT_EQ(triangleArea({0, 0, 0}, {1, 1, 1}, {2, 2, 2}), 0.0);
  EXPECT_EQ(triangleArea({1, 1, 1}, {1, 1, 1}, {1, 1, 1}), 0.0);
  EXPECT_EQ(triangleArea({0, 0, 0}, {0, 4, 0}, {0, 0, 3}), 6.0);
}

} // namespace
