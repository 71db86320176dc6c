#include "intersection/segment_segment.h"

#include "support/points.h"

#include <gtest/gtest.h>

namespace {

struct SegmentRow {
  const char *name;
  Point3 p1, p2, q1, q2;
  int result;
  Point3 out1, out2; // kUntouched where the result names no point
  double tolerance;  // 0: the outputs must match exactly
};

const SegmentRow kSegmentCases[] = {
    {"crossing, solved in XY",
     {0, 0, 0},
     {2, 2, 2},
     {0, 2, 0},
     {2, 0, 2},
     1,
     {1, 1, 1},
     kUntouched,
     0},
    {"crossing, solved in XZ",
     {0, 3, 0},
     {2, 3, 2},
     {0, 3, 2},
     {2, 3, 0},
     1,
     {1, 3, 1},
     kUntouched,
     0},
    {"crossing, solved in YZ",
     {0, 5, 1},
     {0, 1, 5},
     {0, 0, 0},
     {0, 6, 6},
     1,
     {0, 3, 3},
     kUntouched,
     0},
    {"touching at an end", {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 1, 0}, 1, {1, 0, 0}, kUntouched, 0},
    {"projections cross, skew in space",
     {0, 0, 0},
     {1, 1, 0},
     {0, 1, 1},
     {1, 0, 1},
     0,
     kUntouched,
     kUntouched,
     0},
    {"crossing of the lines beyond an end",
     {0, 0, 0},
     {1, 0, 0},
     {2, -1, 0},
     {2, 1, 0},
     0,
     kUntouched,
     kUntouched,
     0},
    {"parallel on two lines",
     {0, 0, 0},
     {1, 0, 0},
     {0, 0.0001f, 0},
     {1, 0.0001f, 0},
     0,
     kUntouched,
     kUntouched,
     0},
    {"collinear, end to end",
     {1, 0, 0},
     {2, 0, 0},
     {0, 0, 0},
     {1, 0, 0},
     1,
     {1, 0, 0},
     kUntouched,
     0},
    {"collinear, apart", {0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, 0, kUntouched, kUntouched, 0},
    {"collinear, measured along x",
     {3, 0, 0},
     {1, 0, 0},
     {0, 0, 0},
     {4, 0, 0},
     2,
     {1, 0, 0},
     {3, 0, 0},
     0},
    {"collinear, measured along y",
     {1, 0, 0},
     {1, 3, 0},
     {1, -3, 0},
     {1, 1, 0},
     2,
     {1, 0, 0},
     {1, 1, 0},
     0},
    {"collinear, measured along z",
     {0, 0, 0},
     {0, 0, 2},
     {0, 0, 1},
     {0, 0, 3},
     2,
     {0, 0, 1},
     {0, 0, 2},
     0},
    {"first covers the second",
     {-1, 0, 0},
     {5, 0, 0},
     {4, 0, 0},
     {0, 0, 0},
     2,
     {4, 0, 0},
     {0, 0, 0},
     0},
    {"lines 5e-6 apart count as one",
     {0, 0, 0},
     {2, 0, 0},
     {1, 0.000005f, 0},
     {3, 0.000005f, 0},
     2,
     {1, 0.000005f, 0},
     {2, 0.000005f, 0},
     1e-6},
    // x differs only by rounding noise; measuring along it would throw the
    // ends far off.
    {"nearly collinear, measured along z",
     {0.5f, 0.25f, 0.5f},
     {0.5f, 0.75f, 1.5f},
     {0.5f, 0, 0},
     {0.50000006f, 1, 2},
     2,
     {0.5f, 0.25f, 0.5f},
     {0.5f, 0.75f, 1.5f},
     1e-6},
    {"short crossing segments",
     {0, 0, 0},
     {0.001f, 0.001f, 0},
     {0, 0.001f, 0},
     {0.001f, 0, 0},
     1,
     {0.0005f, 0.0005f, 0},
     kUntouched,
     1e-9},
    {"crossing in the hundreds",
     {100.3f, 200.7f, 300.1f},
     {300.3f, 400.7f, 500.1f},
     {100.3f, 400.7f, 400.1f},
     {300.3f, 200.7f, 400.1f},
     1,
     {200.3f, 300.7f, 400.1f},
     kUntouched,
     1e-4},
    {"first has zero length, on the second",
     {1, 1, 1},
     {1, 1, 1},
     {0, 0, 0},
     {2, 2, 2},
     1,
     {1, 1, 1},
     kUntouched,
     0},
    // Judged by x alone this point would sit at the second segment's middle.
    {"first has zero length, off the second",
     {1, 1, 0},
     {1, 1, 0},
     {0, 0, 0},
     {2, 2, 2},
     0,
     kUntouched,
     kUntouched,
     0},
    {"second has zero length, on the first",
     {0, 0, 0},
     {2, 0, 0},
     {1, 0, 0},
     {1, 0, 0},
     1,
     {1, 0, 0},
     kUntouched,
     0},
    {"second has zero length, off the first",
     {0, 0, 0},
     {2, 0, 0},
     {1, 0.1f, 0},
     {1, 0.1f, 0},
     0,
     kUntouched,
     kUntouched,
     0},
};

TEST(SegmentIntersection, Cases) {
  for (const SegmentRow &row : kSegmentCases) {
    SCOPED_TRACE(row.name);
    Point3 out1 = kUntouched;
    Point3 out2 = kUntouched;
    EXPECT_EQ(segmentIntersection(row.p1, row.p2, row.q1, row.q2, &out1, &out2), row.result);
    if (row.tolerance == 0 || row.out1 == kUntouched) {
      EXPECT_EQ(out1, row.out1);
    } else {
      expectNear(out1, row.out1, row.tolerance);
    }
    if (row.tolerance == 0 || row.out2 == kUntouched) {
      EXPECT_EQ(out2, row.out2);
    } else {
      expectNear(out2, row.out2, row.tolerance);
    }
  }
}

TEST(SegmentIntersection, SwappingTheSegmentsFindsTheSamePoint) {
  for (const SegmentRow &row : kSegmentCases) {
    if (row.result != 1) {
      continue;
    }
    SCOPED_TRACE(row.name);
    Point3 out1 = kUntouched;
    Point3 out2 = kUntouched;
    EXPECT_EQ(segmentIntersection(row.q1, row.q2, row.p1, row.p2, &out1, &out2), 1);
    expectNear(out1, row.out1, row.tolerance == 0 ? 1e-6 : row.tolerance);
  }
}

} // namespace
