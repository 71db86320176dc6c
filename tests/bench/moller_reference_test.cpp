// The benchmarks compare the engine's speed with this reference; the
// comparison means something only if the reference answers correctly.
#include "bench/moller_reference.h"

#include "bench/benchmark_pairs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

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
