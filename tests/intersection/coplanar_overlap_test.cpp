#include "intersection/coplanar_overlap.h"

#include "geometry/predicates.h"
#include "support/points.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CoplanarRow {
  const char *name;
  Point3 A, B, C, A2, B2, C2;
  std::vector<Point3> corners; // in the order found
};

const CoplanarRow kOverlaps[] = {
    {"apart", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {5, 5, 0}, {6, 5, 0}, {5, 6, 0}, {}},
    {"touching in a vertex",
     {0, 0, 0},
     {2, 0, 0},
     {0, 2, 0},
     {0, 0, 0},
     {-2, 0, 0},
     {0, -2, 0},
     {{0, 0, 0}}},
    {"sharing an edge from opposite sides",
     {0, 0, 0},
     {2, 0, 0},
     {0, 2, 0},
     {0, 0, 0},
     {2, 0, 0},
     {0, -2, 0},
     {{0, 0, 0}, {2, 0, 0}}},
    {"identical, integer",
     {0, 0, 0},
     {4, 0, 0},
     {0, 4, 0},
     {0, 0, 0},
     {4, 0, 0},
     {0, 4, 0},
     {{0, 0, 0}, {4, 0, 0}, {0, 4, 0}}},
    {"second inside the first",
     {0, 0, 0},
     {6, 0, 0},
     {0, 6, 0},
     {1, 1, 0},
     {2, 1, 0},
     {1, 2, 0},
     {{1, 1, 0}, {2, 1, 0}, {1, 2, 0}}},
    {"quadrilateral, not in boundary order",
     {0, 0, 0},
     {6, 0, 0},
     {0, 6, 0},
     {1, 1, 0},
     {8, 1, 0},
     {1, 2, 0},
     {{1, 1, 0}, {1, 2, 0}, {5, 1, 0}, {4.5f, 1.5f, 0}}},
    {"pentagon",
     {3, 6, 0},
     {5, 1, 0},
     {0, 1, 0},
     {1, 0, 0},
     {4, 3, 0},
     {6, 2, 0},
     {{4, 3, 0}, {4.7931032f, 1.5172414f, 0}, {4.25f, 2.875f, 0}, {2, 1, 0}, {3.5f, 1, 0}}},
    {"six-pointed star",
     {0, 4, 0},
     {-4, -2, 0},
     {4, -2, 0},
     {0, -4, 0},
     {-4, 2, 0},
     {4, 2, 0},
     {{-8.0f / 3, 0, 0},
      {-4.0f / 3, 2, 0},
      {8.0f / 3, 0, 0},
      {4.0f / 3, 2, 0},
      {-4.0f / 3, -2, 0},
      {4.0f / 3, -2, 0}}},
    // Found again as edge crossings, the corners differ in their last bits.
    {"identical, decimal",
     {0.1f, 0.2f, 0},
     {0.7f, 0.3f, 0},
     {0.3f, 0.9f, 0},
     {0.1f, 0.2f, 0},
     {0.7f, 0.3f, 0},
     {0.3f, 0.9f, 0},
     {{0.1f, 0.2f, 0}, {0.7f, 0.3f, 0}, {0.3f, 0.9f, 0}}},
    {"small triangle in the hundreds",
     {100.1f, 100.3f, 0},
     {101.2f, 100.3f, 0},
     {100.1f, 101.5f, 0},
     {0, 0, 0},
     {300, 0, 0},
     {0, 300, 0},
     {{100.1f, 100.3f, 0}, {101.2f, 100.3f, 0}, {100.1f, 101.5f, 0}}},
    {"tilted plane",
     {0, 0, 0},
     {2, 0, 2},
     {0, 2, 0},
     {0, 0, 0},
     {2, 0, 2},
     {0, -2, 0},
     {{0, 0, 0}, {2, 0, 2}}},
};

TEST(CoplanarOverlap, CornersInTheOrderFound) {
  for (const CoplanarRow &row : kOverlaps) {
    SCOPED_TRACE(row.name);
    const IntersectionReport report = coplanarOverlap(row.A, row.B, row.C, row.A2, row.B2, row.C2);
    ASSERT_EQ(report.kind, int(row.corners.size()));
    for (int i = 0; i < report.kind; ++i) {
      expectNear(report.points[i], row.corners[i]);
    }
  }
}

TEST(CoplanarOverlap, SharedVertexAtDecimalCoordinatesNeverOverflows) {
  // Compared exactly, rounding turns this quadrilateral's corners into seven.
  const Point3 A{0.1f, 1.2f, 0}, B{0.7f, 0.6f, 0}, C{0.2f, 1.0f, 0};
  const Point3 A2{0.1f, 1.2f, 0}, B2{0.4f, 0.9f, 0}, C2{0.5f, 0.4f, 0};
  const IntersectionReport report = coplanarOverlap(A, B, C, A2, B2, C2);
  ASSERT_EQ(report.kind, 4);
  for (int i = 0; i < report.kind; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pointInTriangle(A, B, C, report.points[i]), 1);
    EXPECT_EQ(pointInTriangle(A2, B2, C2, report.points[i]), 1);
    for (int j = 0; j < i; ++j) {
      EXPECT_FALSE(report.points[i] == report.points[j]);
    }
  }
}

} // namespace
