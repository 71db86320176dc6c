// Arbitrary bytes as the user's typing: the whole console dialogue through
// in-memory streams, then, for accepted input, the computation and the
// three-view picture; then the same bytes as the batch mode's input, read a
// few bytes at a time. Any fault stops the run, which libFuzzer reports as a
// crash. Typed numbers reach every float the engine is ever given
// (hexadecimal ones to the last bit, subnormal ones included).
#include "support/checks.h"

#include <cstdint>
#include <cstring>
#include <regex>
#include <sstream>
#include <vector>

namespace {

// Every entry as strtof reads it whole, finite and within the bound: the fast
// reader of numbers must take exactly these, with the same bits.
std::string misreadEntry(const std::string &input) {
  std::istringstream entries(input);
  for (std::string entry; entries >> entry;) {
    char *end = nullptr;
    const float expected = std::strtof(entry.c_str(), &end);
    const bool taken = end == entry.c_str() + entry.size() && std::isfinite(expected) &&
                       std::fabs(expected) <= kLargestCoordinate;
    const Coordinate read = parseCoordinate(entry);
    if ((read.fault == EntryFault::none) != taken ||
        (taken && std::memcmp(&read.value, &expected, sizeof expected) != 0)) {
      return "the entry '" + entry + "' read otherwise than strtof reads it";
    }
  }
  return "";
}

// A line of the batch mode: "-", or the kind and that many points, each
// coordinate printed with six decimals.
bool wellFormed(const std::string &line) {
  static const std::regex form("-|[0-6]( -?[0-9]+\\.[0-9]{6})*");
  return std::regex_match(line, form) &&
         (line == "-" || std::ranges::count(line, ' ') == 3 * (line[0] - '0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // fmemopen needs a buffer of at least one byte.
  std::vector<char> input(data, data + size);
  input.push_back('\0');
  std::FILE *in = fmemopen(input.data(), size == 0 ? 1 : size, "r");
  std::FILE *out = std::fopen("/dev/null", "w");
  TrianglePair v;
  const DialogueResult result = runDialogue(in, out, out, v);
  std::fclose(in);
  std::fclose(out);
  checks::stopOn(result == DialogueResult::accepted ? checks::faultsOf(v.data()) : "");
  checks::stopOn(misreadEntry(std::string(data, data + size)));
  if (size == 0) {
    return 0;
  }

  const std::string printed = checks::batchOutput(std::string(data, data + size), 1 + data[0] % 16);
  checks::stopOn(!printed.empty() && printed.back() != '\n' ? "a batch line without its end" : "");
  std::istringstream batch(printed);
  for (std::string line; std::getline(batch, line);) {
    checks::stopOn(wellFormed(line) ? "" : "a batch line out of form: " + line);
  }
  // The dialogue read the first pair as the batch mode must read it.
  const std::string first = printed.substr(0, printed.find('\n'));
  const std::string expected = result == DialogueResult::accepted ? checks::answerLine(v.data())
                               : result == DialogueResult::coincidingVertices ? "-"
                                                                              : first;
  checks::stopOn(first != expected ? "batch line " + first + ", dialogue " + expected : "");
  return 0;
}
