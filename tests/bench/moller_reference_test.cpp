// The benchmarks compare the engine's speed with this reference; the
// comparison means something only if the reference answers correctly.
#include "bench/moller_reference.h"

#include "bench/benchmark_pairs.h"

#include "support/points.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(MollerReference, KnownConfigurations) {
  struct Row {
    const char *name;
    Point3 first[3], second[3];
    bool intersects, coplanar;
  };
  const Row rows[] = {
      {"apart", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, 1}, {1, 0, 1}, {0, 1, 1}}, false, false},
      {"crossing",
       {{0, 0, 0}, {4, 0, 0}, {0, 4, 0}},
       {{1, 1, -2}, {1, 1, 2}, {1, -3, 0}},
       true,
       false},
      {"touching vertex",
       {{2, 3, 5}, {6, 3, 9}, {2, 7, 9}},
       {{2, 3, 5}, {6, 3, 1}, {2, 7, 1}},
       true,
       false},
      {"coplanar star",
       {{0, 4, 0}, {-4, -2, 0}, {4, -2, 0}},
       {{0, -4, 0}, {-4, 2, 0}, {4, 2, 0}},
       true,
       true},
      {"coplanar apart",
       {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
       {{5, 5, 0}, {6, 5, 0}, {5, 6, 0}},
       false,
       true},
      {"coplanar nested",
       {{0, 0, 0}, {6, 0, 0}, {0, 6, 0}},
       {{1, 1, 0}, {2, 1, 0}, {1, 2, 0}},
       true,
       true},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    const MollerResult result = mollerIntersection(row.first, row.second);
    EXPECT_EQ(result.intersects, row.intersects);
    if (row.intersects) {
      EXPECT_EQ(result.coplanar, row.coplanar);
    }
  }
  const Point3 first[3] = {{0, 0, 0}, {4, 0, 0}, {0, 4, 0}};
  const Point3 second[3] = {{1, 1, -2}, {1, 1, 2}, {1, -3, 0}};
  const MollerResult segment = mollerIntersection(first, second);
  const bool forward = segment.start == Point3{1, 0, 0} && segment.end == Point3{1, 1, 0};
  const bool backward = segment.end == Point3{1, 0, 0} && segment.start == Point3{1, 1, 0};
  EXPECT_TRUE(forward || backward) << segment.start << segment.end;
}

TEST(MollerReference, AgreesWithTheBenchmarkLabels) {
  const char *root = std::getenv("PRESEK_SHARED_DATA");
  for (const auto &[name, expected] :
       {std::pair{"intersected.txt", true}, std::pair{"separated.txt", false}}) {
    const auto pairs = readBenchmarkPairs(root ? root : "", name);
    if (pairs.empty()) {
      GTEST_SKIP() << "benchmark pairs not found beside the project (../shared/data)";
    }
    int agreeing = 0;
    for (const BenchmarkPair &pair : pairs) {
      agreeing += mollerIntersection(pair.first, pair.second).intersects == expected;
    }
    EXPECT_EQ(agreeing, int(pairs.size())) << name;
    EXPECT_EQ(pairs.size(), 5000u) << name;
  }
}

} // namespace
