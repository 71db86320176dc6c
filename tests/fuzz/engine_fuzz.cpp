// Eighteen arbitrary floats (NaN, infinities, huge, tiny and subnormal values
// included) as two triangles, straight into the intersection engine.
#include "fuzz_checks.h"
#include "intersection/triangle_triangle.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr Point3 kSentinel{-777.0f, 777.0f, -777.0f};

bool untouched(Point3 p) { return std::memcmp(&p, &kSentinel, sizeof p) == 0; }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  // intersectTriangles prints to standard output; keep it quiet.
  FUZZ_CHECK(std::freopen("/dev/null", "w", stdout) != nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  Point3 v[6] = {};
  std::memcpy(v, data, std::min(size, sizeof v));

  const IntersectionReport report = triangleIntersection(v[0], v[1], v[2], v[3], v[4], v[5]);
  checkReport(report, v);

  Point3 slots[6];
  for (Point3 &slot : slots) {
    slot = kSentinel;
  }
  const IntersectionKind kind =
      intersectTriangles(v[0], v[1], v[2], v[3], v[4], v[5], &slots[0], &slots[1], &slots[2],
                         &slots[3], &slots[4], &slots[5]);
  FUZZ_CHECK(kind == report.kind);
  for (int i = kind; i < 6; ++i) {
    FUZZ_CHECK(untouched(slots[i]));
  }
  return 0;
}
