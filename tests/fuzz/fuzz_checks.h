#pragma once

#include "app/dialogue.h"
#include "app/three_views.h"
#include "geometry/predicates.h"
#include "intersection/triangle_triangle.h"
#include "scene/scene_store.h"
#include "support/soundness.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// What must hold for the intersection of any six vertices: a kind from 0 to 6,
// the same through the printing entry, which writes no slot past it; exactly
// one message, naming the triangles ("trouglovi"/"trouglova") once; for input
// the dialogue accepts, every point on both triangles; and a picture of 6 + kind
// points in each of the three views.
inline void checkIntersection(const Point3 (&v)[6]) {
  const IntersectionReport report = triangleIntersection(v[0], v[1], v[2], v[3], v[4], v[5]);
  FUZZ_CHECK(report.kind >= 0 && report.kind <= 6);
  Point3 s[6];
  std::memset(s, 0x5a, sizeof s);
  const std::string untouched(reinterpret_cast<const char *>(s), sizeof s);
  char printed[1024] = {};
  std::FILE *out = fmemopen(printed, sizeof printed - 1, "w");
  std::FILE *console = stdout;
  stdout = out;
  const IntersectionKind kind = intersectTriangles(v[0], v[1], v[2], v[3], v[4], v[5], &s[0], &s[1],
                                                   &s[2], &s[3], &s[4], &s[5]);
  stdout = console;
  std::fclose(out);
  FUZZ_CHECK(kind == report.kind && std::memcmp(s + kind, untouched.data() + kind * sizeof *s,
                                                (6 - kind) * sizeof *s) == 0);
  const std::string text(printed);
  FUZZ_CHECK(text.find("trougl") != std::string::npos &&
             text.find("trougl") == text.rfind("trougl"));
  FUZZ_CHECK(!acceptable(v) || soundness::firstStrayPoint(report, v) == -1);
  scene = Scene{};
  fillScene(v[0], v[1], v[2], v[3], v[4], v[5], kind, s[0], s[1], s[2], s[3], s[4], s[5]);
  FUZZ_CHECK(scene.points.size() == std::size_t(18 + 3 * kind));
}
