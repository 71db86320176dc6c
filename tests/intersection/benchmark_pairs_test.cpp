#include "intersection/triangle_triangle.h"

#include "geometry/predicates.h"
#include "support/points.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The public triangle-triangle benchmark pairs (six lines of x y z per pair),
// read from the shared data folder beside the project when it is there.
std::vector<Point3> readPairs(const std::string &name) {
  const char *root = std::getenv("PRESEK_SHARED_DATA");
  std::vector<Point3> points;
  if (root == nullptr) {
    return points;
  }
  std::ifstream in(std::string(root) + "/tri-tri-benchmark/" + name);
  Point3 p;
  while (in >> p.x >> p.y >> p.z) {
    points.push_back(p);
  }
  return points;
}

TEST(BenchmarkPairs, EveryIntersectingPairMeetsInASegmentOfBoth) {
  const std::vector<Point3> points = readPairs("intersected.txt");
  if (points.empty()) {
    GTEST_SKIP() << "benchmark pairs not found beside the project (../shared/data)";
  }
  ASSERT_EQ(points.size() % 6, 0u);
  int segments = 0;
  for (std::size_t i = 0; i < points.size(); i += 6) {
    const Point3 *t = &points[i];
    const IntersectionReport report = triangleIntersection(t[0], t[1], t[2], t[3], t[4], t[5]);
    if (report.kind != 2) {
      ADD_FAILURE() << "pair " << i / 6 << " gave kind " << report.kind;
      continue;
    }
    ++segments;
    for (int k = 0; k < 2; ++k) {
      EXPECT_EQ(pointInTriangle(t[0], t[1], t[2], report.points[k]), 1) << "pair " << i / 6;
      EXPECT_EQ(pointInTriangle(t[3], t[4], t[5], report.points[k]), 1) << "pair " << i / 6;
    }
  }
  EXPECT_EQ(segments, int(points.size() / 6));
}

TEST(BenchmarkPairs, EverySeparatedPairIsApart) {
  const std::vector<Point3> points = readPairs("separated.txt");
  if (points.empty()) {
    GTEST_SKIP() << "benchmark pairs not found beside the project (../shared/data)";
  }
  int apart = 0;
  for (std::size_t i = 0; i + 6 <= points.size(); i += 6) {
    const Point3 *t = &points[i];
    apart += triangleIntersection(t[0], t[1], t[2], t[3], t[4], t[5]).kind == 0;
  }
  EXPECT_EQ(apart, int(points.size() / 6));
}

} // namespace
