#include "app/batch.h"

#include "app/coordinate.h"
#include "app/dialogue.h"
#include "intersection/triangle_triangle.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kEchoedEntry = 40;
constexpr std::size_t kOutputBlock = 1 << 16;

bool isSpace(char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isDelimiter(char c) { return isSpace(c) || c == '#'; }

// Everything one run keeps: the pair being read and the lines not yet written.
struct Batch {
  std::FILE *out = nullptr;
  std::FILE *err = nullptr;
  std::string lines;
  float numbers[18] = {};
  int count = 0;      // numbers of the current pair read so far
  long long pair = 1; // the current pair's number, from 1
  bool mayOpenWithMark = true;
  int status = 0;
  bool broken = false; // an entry was refused: nothing more is read
};

void writeLines(Batch &batch) {
  std::fwrite(batch.lines.data(), 1, batch.lines.size(), batch.out);
  batch.lines.clear();
  std::fflush(batch.out);
}

// The same digits as "%f" of the float: to_chars with a precision rounds the
// exact binary value as printf does.
void appendCoordinate(std::string &lines, float value) {
  char digits[64];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, double(value), std::chars_format::fixed, 6).ptr;
  lines.push_back(' ');
  lines.append(digits, end);
}

void answerPair(Batch &batch) {
  TrianglePair v;
  for (int i = 0; i < 6; ++i) {
    v[i] = {batch.numbers[3 * i], batch.numbers[3 * i + 1], batch.numbers[3 * i + 2]};
  }
  if (hasCoincidingVertices(v)) {
    batch.lines += "-\n";
    // Written in order with the lines, for a reader who sees both on one console.
    writeLines(batch);
    std::fprintf(batch.err, "presek-trouglova: par %lld: temena trougla se poklapaju\n",
                 batch.pair);
    batch.status = 1;
    return;
  }
  const IntersectionReport report = triangleIntersection(v[0], v[1], v[2], v[3], v[4], v[5]);
  batch.lines.push_back(char('0' + report.kind));
  for (int i = 0; i < report.kind; ++i) {
    appendCoordinate(batch.lines, report.points[i].x);
    appendCoordinate(batch.lines, report.points[i].y);
    appendCoordinate(batch.lines, report.points[i].z);
  }
  batch.lines.push_back('\n');
  if (batch.lines.size() >= kOutputBlock) {
    writeLines(batch);
  }
}

void takeEntry(Batch &batch, std::string_view entry) {
  if (batch.mayOpenWithMark && entry.starts_with(kByteOrderMark)) {
    entry.remove_prefix(kByteOrderMark.size());
  }
  batch.mayOpenWithMark = false;
  if (entry.empty()) {
    return;
  }
  const Coordinate coordinate = parseCoordinate(entry);
  if (coordinate.fault != EntryFault::none) {
    writeLines(batch);
    std::fprintf(batch.err, "presek-trouglova: par %lld: neispravan broj '", batch.pair);
    std::fwrite(entry.data(), 1, std::min(entry.size(), kEchoedEntry), batch.err);
    std::fputs("'\n", batch.err);
    batch.status = 1;
    batch.broken = true;
    return;
  }
  batch.numbers[batch.count++] = coordinate.value;
  if (batch.count == 18) {
    answerPair(batch);
    batch.count = 0;
    ++batch.pair;
  }
}

} // namespace

int runBatch(std::FILE *in, std::FILE *out, std::FILE *err, std::size_t chunk) {
  Batch batch;
  batch.out = out;
  batch.err = err;
  batch.lines.reserve(kOutputBlock + 1024);
  std::vector<char> buffer(std::max<std::size_t>(chunk, 1));
  // An entry that the end of a chunk cuts in two is gathered here.
  std::string pending;
  bool inComment = false;
  std::size_t size = 0;
  while (!batch.broken && (size = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
    const char *bytes = buffer.data();
    std::size_t i = 0;
    while (i < size && !batch.broken) {
      if (inComment) {
        const void *newline = std::memchr(bytes + i, '\n', size - i);
        inComment = newline == nullptr;
        i = inComment ? size : std::size_t(static_cast<const char *>(newline) - bytes) + 1;
        continue;
      }
      if (isDelimiter(bytes[i])) {
        if (!pending.empty()) {
          takeEntry(batch, pending);
          pending.clear();
        }
        batch.mayOpenWithMark = false;
        inComment = bytes[i] == '#';
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < size && !isDelimiter(bytes[end])) {
        ++end;
      }
      if (end == size) {
        pending.append(bytes + i, end - i);
      } else if (pending.empty()) {
        takeEntry(batch, std::string_view(bytes + i, end - i));
      } else {
        pending.append(bytes + i, end - i);
        takeEntry(batch, pending);
        pending.clear();
      }
      i = end;
    }
  }
  if (!batch.broken && !pending.empty()) {
    takeEntry(batch, pending);
  }
  if (!batch.broken && std::ferror(in)) {
    writeLines(batch);
    std::fprintf(err, "presek-trouglova: greska pri citanju ulaza: %s\n", std::strerror(errno));
    return 2;
  }
  if (!batch.broken && batch.count > 0) {
    writeLines(batch);
    std::fprintf(err, "presek-trouglova: par %lld: nepotpun par\n", batch.pair);
    batch.status = 1;
  }
  writeLines(batch);
  if (std::ferror(out)) {
    std::fprintf(err, "presek-trouglova: izlaz nije mogao da se zapise\n");
    return 1;
  }
  return batch.status;
}

int runBatchFile(const char *path, std::FILE *out, std::FILE *err) {
  if (path == nullptr || std::strcmp(path, "-") == 0) {
    return runBatch(stdin, out, err);
  }
  std::FILE *in = std::fopen(path, "rb");
  if (in == nullptr) {
    std::fprintf(err, "presek-trouglova: ne mogu da otvorim '%s': %s\n", path,
                 std::strerror(errno));
    return 2;
  }
  const int status = runBatch(in, out, err);
  std::fclose(in);
  return status;
}
