#include "geometry/predicates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(PointInTriangle, ClosedTriangleWithinTolerance) {
  struct Row {
    const char *name;
    Point3 a, b, c, x;
    int expected;
  };
  const Row rows[] = {
      {"vertex", {0, 0, 0}, {3, 0, 0}, {0, 3, 0}, {3, 0, 0}, 1},
      {"on an edge", {0, 0, 0}, {3, 0, 0}, {0, 3, 0}, {1.5f, 1.5f, 0}, 1},
      {"interior", {0, 0, 0}, {3, 0, 0}, {0, 3, 0}, {1.001f, 1.003f, 0}, 1},
      {"outside in the plane", {0, 0, 0}, {3, 0, 0}, {0, 3, 0}, {2, 2, 0}, 0},
      {"just beyond an edge", {0, 0, 0}, {3, 0, 0}, {0, 3, 0}, {1, -0.001f, 0}, 0},
      {"far off the plane", {0, 0, 0}, {3, 0, 0}, {0, 3, 0}, {1, 1, 1}, 0},
      // Relative to the whole area: a point well inside a triangle in the
      // hundreds passes although two partial areas are rounded to float.
      {"interior, hundreds", {0, 0, 0}, {300, 0, 0}, {0, 300, 0}, {100.1f, 100.3f, 0}, 1},
      {"near vertex, hundreds",
       {100.1f, 100.3f, 0},
       {101.2f, 100.3f, 0},
       {100.1f, 101.5f, 0},
       {100.1f, 100.3f, 0},
       1},
      {"outside, hundreds", {0, 0, 0}, {300, 0, 0}, {0, 300, 0}, {150.1f, 150.1f, 0}, 0},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(pointInTriangle(row.a, row.b, row.c, row.x), row.expected);
  }
}

TEST(PointOnSegment, ClosedSegmentWithinTolerance) {
  struct Row {
    const char *name;
    Point3 x, s1, s2;
    int expected;
  };
  const Row rows[] = {
      {"first end", {0, 0, 0}, {0, 0, 0}, {2, 2, 2}, 1},
      {"second end", {2, 2, 2}, {0, 0, 0}, {2, 2, 2}, 1},
      {"midpoint", {1, 1, 1}, {0, 0, 0}, {2, 2, 2}, 1},
      {"beyond an end", {2.01f, 2.01f, 2.01f}, {0, 0, 0}, {2, 2, 2}, 0},
      {"off the line", {1, 1.01f, 1}, {0, 0, 0}, {2, 2, 2}, 0},
      // Excess 2·h²/|s1 s2| = 2e-6 for h = 0.001: inside the tolerance.
      {"midpoint slightly off", {0, 0.001f, 0}, {-1, 0, 0}, {1, 0, 0}, 1},
      // For segments longer than 256 units the float-rounded length sum
      // exceeds the bare tolerance; relative to the length it does not.
      {"first end of length 1000",
       {0.3f, 0.7f, 0.1f},
       {0.3f, 0.7f, 0.1f},
       {600.3f, 800.7f, 0.1f},
       1},
      {"second end of length 1000",
       {600.3f, 800.7f, 0.1f},
       {0.3f, 0.7f, 0.1f},
       {600.3f, 800.7f, 0.1f},
       1},
      {"interior of length 1000",
       {300.3f, 400.7f, 0.1f},
       {0.3f, 0.7f, 0.1f},
       {600.3f, 800.7f, 0.1f},
       1},
      {"beyond length 1000", {600.9f, 801.5f, 0.1f}, {0.3f, 0.7f, 0.1f}, {600.3f, 800.7f, 0.1f}, 0},
      {"zero length, that point", {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, 1},
      {"zero length, elsewhere", {1, 2, 3.001f}, {1, 2, 3}, {1, 2, 3}, 0},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(pointOnSegment(row.x, row.s1, row.s2), row.expected);
  }
}

TEST(SamePoint, ExactEqualityOfAllThreeCoordinates) {
  EXPECT_EQ(samePoint({1, 2, 3}, {1, 2, 3}), 1);
  EXPECT_EQ(samePoint({0, 0, 0}, {0, 0, -0.0f}), 1);
  EXPECT_EQ(samePoint({1, 2, 3}, {1, 2, 3.0000002f}), 0);
  EXPECT_EQ(samePoint({1, 2, 3}, {1.0000001f, 2, 3}), 0);
  EXPECT_EQ(samePoint({1, 2, 3}, {1, 2.0000002f, 3}), 0);
  EXPECT_EQ(samePoint({std::nanf(""), 0, 0}, {std::nanf(""), 0, 0}), 0);
}

} // namespace
