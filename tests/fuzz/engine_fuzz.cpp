// Eighteen arbitrary floats (NaN, infinities, huge, tiny and subnormal values
// included) as two triangles, straight into the intersection engine.
#include "fuzz_checks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  Point3 v[6] = {};
  std::memcpy(v, data, std::min(size, sizeof v));
  checkIntersection(v);
  return 0;
}
