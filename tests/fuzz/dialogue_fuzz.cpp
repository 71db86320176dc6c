// Arbitrary bytes as the user's typing: the whole console dialogue through
// in-memory streams, then, for accepted input, the computation and the
// three-view picture; then the same bytes as the batch mode's input, read a
// few bytes at a time, whose every line must answer its pair line. Any fault stops the run, which
// libFuzzer reports as a crash. Typed numbers reach every float the engine is ever given
// (hexadecimal ones to the last bit, subnormal ones included).
#include "support/checks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
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

// The lines the batch mode must print for `input`, found apart from it: a
// line ends at '\n', "\r\n" or '\r', a comment at the line's end; a line of
// entries is a pair, answered when it holds eighteen coordinates and no
// triangle with coinciding vertices, else "-".
std::string expectedLines(std::string input) {
  if (input.starts_with("\xEF\xBB\xBF")) {
    input.erase(0, 3);
  }
  std::string lines;
  std::size_t at = 0;
  while (at < input.size()) {
    const std::size_t end = std::min(input.find_first_of("\r\n", at), input.size());
    std::string line = input.substr(at, end - at);
    at = end + (input.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    line = line.substr(0, line.find('#'));
    std::vector<float> numbers;
    std::size_t entries = 0;
    bool refused = false;
    std::istringstream words(line);
    for (std::string entry; words >> entry; ++entries) {
      const Coordinate read = parseCoordinate(entry);
      refused |= read.fault != EntryFault::none;
      numbers.push_back(read.value);
    }
    if (entries == 0) {
      continue;
    }
    TrianglePair v;
    for (std::size_t i = 0; !refused && entries == 18 && i < 6; ++i) {
      v[i] = {numbers[3 * i], numbers[3 * i + 1], numbers[3 * i + 2]};
    }
    refused |= entries != 18 || hasCoincidingVertices(v);
    lines += (refused ? "-" : checks::answerLine(v.data())) + "\n";
  }
  return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // fmemopen needs a buffer of at least one byte.
  std::string input(data, data + size);
  input.push_back('\0');
  std::FILE *in = fmemopen(input.data(), size == 0 ? 1 : size, "r");
  std::FILE *out = std::fopen("/dev/null", "w");
  TrianglePair v;
  const DialogueResult result = runDialogue(in, out, out, v);
  std::fclose(in);
  std::fclose(out);
  checks::stopOn(result == DialogueResult::accepted ? checks::faultsOf(v.data()) : "");
  input.pop_back();
  checks::stopOn(misreadEntry(input));
  if (size == 0) {
    return 0;
  }
  // Line k of the batch mode's output answers the input's pair line k, read
  // a few bytes at a time.
  checks::stopOn(checks::batchOutput(input, 1 + data[0] % 16) == expectedLines(input)
                     ? ""
                     : "the batch mode's lines are not the input's pair lines answered");
  return 0;
}
