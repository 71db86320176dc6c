#include "intersection/triangle_triangle.h"

#include "bench/benchmark_pairs.h"

#include "geometry/predicates.h"
#include "support/points.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<BenchmarkPair> readPairs(const std::string &file) {
  const char *root = std::getenv("PRESEK_SHARED_DATA");
  return root == nullptr ? std::vector<BenchmarkPair>{} : readBenchmarkPairs(root, file);
}

TEST(BenchmarkPairs, EveryIntersectingPairMeetsInASegmentOfBoth) {
  const std::vector<BenchmarkPair> pairs = readPairs("intersected.txt");
  if (pairs.empty()) {
    GTEST_SKIP() << "benchmark pairs not found beside the project (../shared/data)";
  }
  int segments = 0;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const Point3 *s = pairs[i].first;
    const Point3 *t = pairs[i].second;
    const IntersectionReport report = triangleIntersection(s[0], s[1], s[2], t[0], t[1], t[2]);
    if (report.kind != 2) {
      ADD_FAILURE() << "pair " << i << " gave kind " << report.kind;
      continue;
    }
    ++segments;
    for (int k = 0; k < 2; ++k) {
      EXPECT_EQ(pointInTriangle(s[0], s[1], s[2], report.points[k]), 1) << "pair " << i;
      EXPECT_EQ(pointInTriangle(t[0], t[1], t[2], report.points[k]), 1) << "pair " << i;
    }
  }
  EXPECT_EQ(segments, int(pairs.size()));
}

TEST(BenchmarkPairs, EverySeparatedPairIsApart) {
  const std::vector<BenchmarkPair> pairs = readPairs("separated.txt");
  if (pairs.empty()) {
    GTEST_SKIP() << "benchmark pairs not found beside the project (../shared/data)";
  }
  int apart = 0;
  for (const BenchmarkPair &pair : pairs) {
    const Point3 *s = pair.first;
    const Point3 *t = pair.second;
    apart += triangleIntersection(s[0], s[1], s[2], t[0], t[1], t[2]).kind == 0;
  }
  EXPECT_EQ(apart, int(pairs.size()));
}

} // namespace
