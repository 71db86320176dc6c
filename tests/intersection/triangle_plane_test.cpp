#include "intersection/triangle_plane.h"

#include "support/points.h"

#include <gtest/gtest.h>

namespace {

struct CutRow {
  const char *name;
  Point3 A, B, C;
  int code;
  Point3 out1, out2; // kUntouched where the code names no point
};

// Against z = 0, given by (0,0,0), (1,0,0), (0,1,0): one row per line of the
// cut table, outputs in their prescribed order.
const CutRow kCutTable[] = {
    {"+ + +", {0, 0, 1}, {1, 0, 2}, {0, 1, 3}, 0, kUntouched, kUntouched},
    {"- - -", {0, 0, -1}, {1, 0, -2}, {0, 1, -3}, 0, kUntouched, kUntouched},
    {"0 0 0", {0, 0, 0}, {5, 0, 0}, {0, 7, 0}, 1, kUntouched, kUntouched},
    {"A on, B C above", {0, 0, 0}, {1, 0, 1}, {0, 1, 2}, 2, {0, 0, 0}, kUntouched},
    {"B on, A C below", {1, 0, -1}, {3, 3, 0}, {0, 1, -2}, 2, {3, 3, 0}, kUntouched},
    {"C on, A B above", {1, 0, 1}, {0, 1, 2}, {2, 2, 0}, 2, {2, 2, 0}, kUntouched},
    {"A B on", {0, 0, 0}, {1, 0, 0}, {0, 0, 5}, 3, {0, 0, 0}, {1, 0, 0}},
    {"A C on", {0, 0, 0}, {0, 0, 5}, {1, 0, 0}, 3, {0, 0, 0}, {1, 0, 0}},
    {"B C on", {0, 0, -5}, {0, 0, 0}, {1, 0, 0}, 3, {0, 0, 0}, {1, 0, 0}},
    {"A on, B C apart", {0, 0, 0}, {1, 0, 1}, {1, 1, -1}, 3, {0, 0, 0}, {1, 0.5f, 0}},
    {"B on, A C apart", {1, 0, 1}, {0, 0, 0}, {1, 1, -1}, 3, {0, 0, 0}, {1, 0.5f, 0}},
    {"C on, A B apart", {1, 0, 1}, {1, 1, -1}, {0, 0, 0}, 3, {0, 0, 0}, {1, 0.5f, 0}},
    {"A alone", {0, 0, -1}, {1, 0, 1}, {0, 1, 1}, 3, {0.5f, 0, 0}, {0, 0.5f, 0}},
    {"B alone", {1, 0, 1}, {0, 0, -1}, {0, 1, 1}, 3, {0.5f, 0, 0}, {0, 0.5f, 0}},
    {"C alone", {1, 0, 1}, {0, 1, 1}, {0, 0, -1}, 3, {0.5f, 0, 0}, {0, 0.5f, 0}},
    // Half a unit is not on the plane: the band is the tolerance, not 1/|n|.
    {"vertex half a unit above", {0, 0, 0.5f}, {1, 0, 2}, {0, 1, 2}, 0, kUntouched, kUntouched},
    {"within the band", {0, 0, 0.000009f}, {1, 0, 1}, {0, 1, 1}, 2, {0, 0, 0.000009f}, kUntouched},
    {"just beyond the band", {0, 0, 0.000011f}, {1, 0, 1}, {0, 1, 1}, 0, kUntouched, kUntouched},
};

TEST(TriangleCut, EveryRowOfTheTable) {
  for (const CutRow &row : kCutTable) {
    SCOPED_TRACE(row.name);
    Point3 out1 = kUntouched;
    Point3 out2 = kUntouched;
    EXPECT_EQ(
        cutTriangleByPlane(row.A, row.B, row.C, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, &out1, &out2),
        row.code);
    EXPECT_EQ(out1, row.out1);
    EXPECT_EQ(out2, row.out2);
  }
}

TEST(TriangleCut, SlightlyTiltedTriangleCrossesInsteadOfLyingInThePlane) {
  Point3 out1 = kUntouched;
  Point3 out2 = kUntouched;
  EXPECT_EQ(cutTriangleByPlane({0, 0, 0.5f}, {3, 0, 0.2f}, {0, 3, -0.7f}, {0, 0, 0}, {1, 0, 0},
                               {0, 1, 0}, &out1, &out2),
            3);
  expectNear(out1, {0, 1.25f, 0});           // I(A, C)
  expectNear(out2, {7.0f / 3, 2.0f / 3, 0}); // I(B, C)
}

TEST(TriangleCut, BandScalesWithTheCoordinates) {
  // At coordinates near 100 the band is 100 times wider than at unit scale.
  Point3 out1 = kUntouched;
  Point3 out2 = kUntouched;
  const Point3 A2{0, 0, 0}, B2{100, 0, 0}, C2{0, 100, 0};
  EXPECT_EQ(
      cutTriangleByPlane({50, 50, 0.0009f}, {60, 50, 1}, {50, 60, 1}, A2, B2, C2, &out1, &out2), 2);
  EXPECT_EQ(
      cutTriangleByPlane({50, 50, 0.0011f}, {60, 50, 1}, {50, 60, 1}, A2, B2, C2, &out1, &out2), 0);
  // The band does not depend on the size of the cutting triangle.
  EXPECT_EQ(cutTriangleByPlane({0, 0, 0.5f}, {1, 0, 2}, {0, 1, 2}, {0, 0, 0}, {10, 0, 0},
                               {0, 10, 0}, &out1, &out2),
            0);
}

TEST(TriangleCut, CollinearCuttingPointsDefineNoPlane) {
  Point3 out1 = kUntouched;
  Point3 out2 = kUntouched;
  const Point3 A{0, 0, 5}, B{1, 0, 7}, C{0, 1, 9};
  EXPECT_EQ(cutTriangleByPlane(A, B, C, {0, 0, 0}, {1, 1, 1}, {2, 2, 2}, &out1, &out2), 1);
  // Nearly collinear: the smallest height 1e-6 is below the tolerance.
  EXPECT_EQ(cutTriangleByPlane(A, B, C, {0, 0, 0}, {1, 0, 0}, {2, 0.000001f, 0}, &out1, &out2), 1);
  EXPECT_EQ(out1, kUntouched);
  EXPECT_EQ(out2, kUntouched);
}

} // namespace
