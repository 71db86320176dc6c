#pragma once

#include "app/dialogue.h"
#include "geometry/predicates.h"
#include "intersection/intersection_report.h"
#include "support/soundness.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

// Stops the run with a message: what libFuzzer reports as a crash.
#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "check failed: %s\n", #condition);                                      \
      std::abort();                                                                                \
    }                                                                                              \
  } while (false)

// What must hold for any computed intersection of the vertices `v`: a kind
// from 0 to 6, exactly one message, which names the triangles
// ("trouglovi"/"trouglova") once, and, for input the dialogue accepts (no
// coordinate beyond its bound, no two equal vertices in a triangle), every
// point on both triangles.
inline void checkReport(const IntersectionReport &report, const Point3 (&v)[6]) {
  FUZZ_CHECK(report.kind >= 0 && report.kind <= 6);
  char *text = nullptr;
  std::size_t size = 0;
  std::FILE *out = open_memstream(&text, &size);
  printReport(out, report);
  std::fclose(out);
  const std::string printed(text, size);
  std::free(text);
  FUZZ_CHECK(printed.find("trougl") != std::string::npos &&
             printed.find("trougl") == printed.rfind("trougl"));
  for (const Point3 &p : v) {
    for (const float c : {p.x, p.y, p.z}) {
      if (!(std::fabs(c) <= kLargestCoordinate)) {
        return;
      }
    }
  }
  for (const auto &[i, j] : {std::pair{0, 1}, {0, 2}, {1, 2}, {3, 4}, {3, 5}, {4, 5}}) {
    if (samePoint(v[i], v[j])) {
      return;
    }
  }
  FUZZ_CHECK(soundness::firstStrayPoint(report, v) == -1);
}
