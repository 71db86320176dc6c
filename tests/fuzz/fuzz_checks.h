#pragma once

#include "app/dialogue.h"
#include "geometry/predicates.h"
#include "intersection/intersection_report.h"
#include "support/soundness.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// Stops the run with a message: what libFuzzer reports as a crash.
#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "check failed: %s\n", #condition);                                      \
      std::abort();                                                                                \
    }                                                                                              \
  } while (false)

// True for six vertices the dialogue accepts: no coordinate beyond its bound,
// no two equal vertices in a triangle.
inline bool acceptable(const Point3 (&v)[6]) {
  for (int i = 0; i < 6; ++i) {
    const Point3 p = v[i], next = v[i % 3 == 2 ? i - 2 : i + 1];
    if (!(std::fabs(p.x) <= kLargestCoordinate && std::fabs(p.y) <= kLargestCoordinate &&
          std::fabs(p.z) <= kLargestCoordinate) ||
        samePoint(p, next)) {
      return false;
    }
  }
  return true;
}

// What must hold for any computed intersection of the vertices `v`: a kind
// from 0 to 6, exactly one message, which names the triangles
// ("trouglovi"/"trouglova") once, and, for input the dialogue accepts, every
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
  FUZZ_CHECK(!acceptable(v) || soundness::firstStrayPoint(report, v) == -1);
}
