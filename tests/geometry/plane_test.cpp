#include "geometry/plane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Plane, MakePlaneGivesTheUnnormalisedNormal) {
  const Plane unit = makePlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  EXPECT_EQ(unit.a, 0.0f);
  EXPECT_EQ(unit.b, 0.0f);
  EXPECT_EQ(unit.c, 1.0f);
  EXPECT_EQ(unit.d, 0.0f);
  EXPECT_EQ(unit.point.x, 0.0f);

  EXPECT_EQ(makePlane({0, 0, 0}, {2, 0, 0}, {0, 2, 0}).c, 4.0f);
  EXPECT_EQ(makePlane({0, 0, 0}, {0, 2, 0}, {2, 0, 0}).c, -4.0f);

  const Plane shifted = makePlane({1, 2, 3}, {2, 2, 3}, {1, 3, 3}); // z = 3
  EXPECT_EQ(shifted.c, 1.0f);
  EXPECT_EQ(shifted.d, -3.0f);
  EXPECT_EQ(shifted.point.y, 2.0f);

  const Plane collinear = makePlane({0, 0, 0}, {1, 1, 1}, {2, 2, 2});
  EXPECT_EQ(collinear.a, 0.0f);
  EXPECT_EQ(collinear.b, 0.0f);
  EXPECT_EQ(collinear.c, 0.0f);
}

TEST(Plane, PlaneValueTruncatesTowardZero) {
  const Plane unit = makePlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  const Plane doubled = makePlane({0, 0, 0}, {2, 0, 0}, {0, 2, 0});
  struct Row {
    Point3 x;
    const Plane &plane;
    int expected;
  };
  const Row rows[] = {
      {{0, 0, 0.5f}, unit, 0},    {{0, 0, -0.99f}, unit, 0}, {{0, 0, 1}, unit, 1},
      {{0, 0, -1}, unit, -1},     {{5, -7, 2.75f}, unit, 2}, {{0, 0, 0.3f}, doubled, 1},
      {{0, 0, 0.2f}, doubled, 0},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.x.z);
    EXPECT_EQ(planeValue(row.x, row.plane), row.expected);
  }
}

TEST(Plane, PlaneValueClampsHugeValuesAndMapsNanToZero) {
  const Plane unit = makePlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(planeValue({0, 0, 3e9f}, unit), kMax);
  EXPECT_EQ(planeValue({0, 0, -3e9f}, unit), kMin);
  EXPECT_EQ(planeValue({0, 0, 1e38f}, unit), kMax);
  EXPECT_EQ(planeValue({0, 0, std::numeric_limits<float>::infinity()}, unit), kMax);
  EXPECT_EQ(planeValue({0, 0, std::nanf("")}, unit), 0);
  EXPECT_EQ(planeValue({0, 0, 2147483520.0f}, unit), 2147483520);
}

TEST(Plane, LinePlaneIntersection) {
  const Plane unit = makePlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  const Point3 hit = linePlaneIntersection(unit, {0, 0, -1}, {0, 0, 3});
  EXPECT_EQ(hit.x, 0.0f);
  EXPECT_EQ(hit.y, 0.0f);
  EXPECT_EQ(hit.z, 0.0f);

  const Point3 slanted = linePlaneIntersection(unit, {1, 2, -1}, {3, 6, 1});
  EXPECT_EQ(slanted.x, 2.0f);
  EXPECT_EQ(slanted.y, 4.0f);
  EXPECT_EQ(slanted.z, 0.0f);

  // A line parallel to the plane has no crossing: the first point comes back.
  const Point3 parallel = linePlaneIntersection(unit, {1, 2, 5}, {3, 4, 5});
  EXPECT_EQ(parallel.x, 1.0f);
  EXPECT_EQ(parallel.y, 2.0f);
  EXPECT_EQ(parallel.z, 5.0f);
  const Point3 same = linePlaneIntersection(unit, {1, 2, 5}, {1, 2, 5});
  EXPECT_EQ(same.z, 5.0f);
}

} // namespace
