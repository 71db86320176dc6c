// Eighteen arbitrary floats (NaN, infinities, huge, tiny and subnormal values
// included) as two triangles, straight into the intersection engine; any fault
// the shared checks find stops the run, which libFuzzer reports as a crash.
#include "support/checks.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  Point3 v[6] = {};
  std::memcpy(v, data, std::min(size, sizeof v));
  checks::stopOn(checks::faultsOf(v));
  return 0;
}
