// Arbitrary bytes as the user's typing: the whole console dialogue through
// in-memory streams, then, for accepted input, the computation and the
// three-view picture; any fault stops the run, which libFuzzer reports as a
// crash. Typed numbers reach every float the engine is ever given (hexadecimal
// ones to the last bit, subnormal ones included).
#include "support/checks.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // fmemopen needs a buffer of at least one byte.
  std::vector<char> input(data, data + size);
  input.push_back('\0');
  std::FILE *in = fmemopen(input.data(), size == 0 ? 1 : size, "r");
  std::FILE *out = std::fopen("/dev/null", "w");
  TrianglePair v;
  const DialogueResult result = runDialogue(in, out, out, v);
  std::fclose(in), std::fclose(out);
  const bool bounded = std::all_of(v.begin(), v.end(), [](Point3 p) {
    return std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)}) <= kLargestCoordinate;
  });
  checks::stopOn(result != DialogueResult::accepted ? ""
                 : bounded                          ? checks::faultsOf(v.data())
                                                    : "a coordinate beyond the bound");
  return 0;
}
