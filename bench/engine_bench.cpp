// The engine without printing, per configuration, beside the reference test
// in the manner of Möller (1997) on the same inputs: read the ratio of the two
// from one run. Rates are in pairs per second. Nothing is timed until the
// reference has answered all 10,000 public pairs as they are labelled.
#include "app/answer.h"
#include "app/working.h"
#include "bench/benchmark_pairs.h"
#include "bench/moller_reference.h"
#include "intersection/triangle_triangle.h"
#include "support/checks.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pair = BenchmarkPair;

const Pair kApart{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, 1}, {1, 0, 1}, {0, 1, 1}}};
const Pair kTouching{{{2, 3, 5}, {6, 3, 9}, {2, 7, 9}}, {{2, 3, 5}, {6, 3, 1}, {2, 7, 1}}};
const Pair kCrossing{{{0.3f, 0.1f, -0.2f}, {0.9f, 0.2f, 0.4f}, {0.1f, 0.8f, 0.3f}},
                     {{0.2f, 0.2f, 0.6f}, {0.7f, 0.5f, -0.4f}, {0.4f, 0.9f, 0.2f}}};
const Pair kHexagon{{{0, 4, 0}, {-4, -2, 0}, {4, -2, 0}}, {{0, -4, 0}, {-4, 2, 0}, {4, 2, 0}}};

void engine(benchmark::State &state, const Pair &pair) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(triangleIntersection(pair.first[0], pair.first[1], pair.first[2],
                                                  pair.second[0], pair.second[1], pair.second[2]));
  }
  state.SetItemsProcessed(state.iterations());
}

void reference(benchmark::State &state, const Pair &pair) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(mollerIntersection(pair.first, pair.second));
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(engine, apart, kApart);
BENCHMARK_CAPTURE(reference, apart, kApart);
BENCHMARK_CAPTURE(engine, touching_vertex, kTouching);
BENCHMARK_CAPTURE(reference, touching_vertex, kTouching);
BENCHMARK_CAPTURE(engine, crossing_segment, kCrossing);
BENCHMARK_CAPTURE(reference, crossing_segment, kCrossing);
BENCHMARK_CAPTURE(engine, coplanar_hexagon, kHexagon);
BENCHMARK_CAPTURE(reference, coplanar_hexagon, kHexagon);

// What --postupak adds to a pair: the engine with its trace, then the working
// in exact fractions, for eighteen entries as a student types them.
void working(benchmark::State &state, const char *typed) {
  std::array<std::string, 18> entries;
  TrianglePair v;
  char *at = const_cast<char *>(typed);
  for (int i = 0; i < 18; ++i) {
    char *end = nullptr;
    const float value = std::strtof(at, &end);
    entries[i].assign(at, end);
    (i % 3 == 0 ? v[i / 3].x : i % 3 == 1 ? v[i / 3].y : v[i / 3].z) = value;
    at = end;
  }
  for (auto _ : state) {
    IntersectionTrace trace;
    const IntersectionReport report = answerPair(v, &trace);
    benchmark::DoNotOptimize(workingOf(entries, v, report, trace));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(working, readme_pair, "0 0 0 50 10 5 10 50 50 50 50 0 0 50 50 40 0 10")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(working, decimals_far_out,
                  "300.5 299.7 300.1 301.1 300.3 300.7 299.5 299.8 299.5 301.0 299.9 300.5 "
                  "300.6 300.1 300.3 299.6 300.0 299.6")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(working, coplanar_hexagon, "0 4 0 -4 -2 0 4 -2 0 0 -4 0 -4 2 0 4 2 0")
    ->Unit(benchmark::kMillisecond);

// The 10,000 public benchmark pairs, half intersecting and half apart.
std::vector<Pair> benchmarkPairs() {
  std::vector<Pair> pairs = readBenchmarkPairs(PRESEK_SHARED_DATA, "intersected.txt");
  const std::vector<Pair> apart = readBenchmarkPairs(PRESEK_SHARED_DATA, "separated.txt");
  pairs.insert(pairs.end(), apart.begin(), apart.end());
  return pairs;
}

template <typename Test> void overDataSet(benchmark::State &state, Test test) {
  static const std::vector<Pair> pairs = benchmarkPairs();
  for (auto _ : state) {
    for (const Pair &pair : pairs) {
      benchmark::DoNotOptimize(test(pair));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(pairs.size()));
}

void engineOnDataSet(benchmark::State &state) {
  overDataSet(state, [](const Pair &p) {
    return triangleIntersection(p.first[0], p.first[1], p.first[2], p.second[0], p.second[1],
                                p.second[2])
        .kind;
  });
}

void referenceOnDataSet(benchmark::State &state) {
  overDataSet(state,
              [](const Pair &p) { return mollerIntersection(p.first, p.second).intersects; });
}

BENCHMARK(engineOnDataSet)->Name("engine/benchmark_pairs");
BENCHMARK(referenceOnDataSet)->Name("reference/benchmark_pairs");

// A ratio between answers that are wrong compares nothing: stop unless the
// reference and the engine call every pair of intersected.txt intersecting
// (the engine with a segment on both triangles) and every pair of
// separated.txt apart.
void checkAnswers() {
  for (const auto &[file, intersecting] :
       {std::pair{"intersected.txt", true}, std::pair{"separated.txt", false}}) {
    const std::vector<Pair> pairs = readBenchmarkPairs(PRESEK_SHARED_DATA, file);
    if (pairs.size() != 5000) {
      std::fprintf(stderr, "engine_bench: %zu pairs in %s/tri-tri-benchmark/%s, expected 5000\n",
                   pairs.size(), PRESEK_SHARED_DATA, file);
      std::abort();
    }
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      const Point3(&s)[3] = pairs[i].first;
      const Point3(&t)[3] = pairs[i].second;
      const Point3 v[6] = {s[0], s[1], s[2], t[0], t[1], t[2]};
      const IntersectionReport engine = triangleIntersection(s[0], s[1], s[2], t[0], t[1], t[2]);
      const char *wrong = mollerIntersection(s, t).intersects != intersecting ? "the reference"
                          : engine.kind != (intersecting ? 2 : 0) || !checks::faultsOf(v).empty()
                              ? "the engine"
                              : nullptr;
      if (wrong != nullptr) {
        std::fprintf(stderr, "engine_bench: %s gets pair %zu of %s wrong\n", wrong, i + 1, file);
        std::abort();
      }
    }
  }
}

} // namespace

// With --check only the answers are checked, nothing timed.
int main(int argc, char **argv) {
  checkAnswers();
  if (argc == 2 && std::strcmp(argv[1], "--check") == 0) {
    std::printf("engine_bench: the engine and the reference agree with all 10,000 labels\n");
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
