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

#include <unistd.h>

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
  int count = 0;       // numbers of the current pair read so far
  long long pair = 1;  // the current pair's number, from 1
  std::string pending; // an entry cut by the end of a chunk
  bool inComment = false;
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

// Scans one chunk of the input for entries; an entry that the chunk's end
// cuts in two waits in `pending` for the rest.
void takeChunk(Batch &batch, const char *bytes, std::size_t size) {
  std::string &pending = batch.pending;
  std::size_t i = 0;
  while (i < size && !batch.broken) {
    if (batch.inComment) {
      const void *newline = std::memchr(bytes + i, '\n', size - i);
      batch.inComment = newline == nullptr;
      i = batch.inComment ? size : std::size_t(static_cast<const char *>(newline) - bytes) + 1;
      continue;
    }
    if (isDelimiter(bytes[i])) {
      if (!pending.empty()) {
        takeEntry(batch, pending);
        pending.clear();
      }
      batch.mayOpenWithMark = false;
      batch.inComment = bytes[i] == '#';
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

// Up to `size` bytes, as many as the input holds now; -1 on an error. A file
// is read past its stream's buffer: a console or a pipe hands over what was
// typed so far, and the pairs in it are answered without waiting for more.
long readSome(std::FILE *in, char *buffer, std::size_t size) {
  const int descriptor = fileno(in);
  if (descriptor < 0) { // a stream in memory
    const std::size_t got = std::fread(buffer, 1, size, in);
    return std::ferror(in) ? -1 : long(got);
  }
  long got = 0;
  do {
    got = read(descriptor, buffer, size);
  } while (got < 0 && errno == EINTR);
  return got;
}

} // namespace

int runBatch(std::FILE *in, std::FILE *out, std::FILE *err, std::size_t chunk) {
  Batch batch;
  batch.out = out;
  batch.err = err;
  batch.lines.reserve(kOutputBlock + 1024);
  std::vector<char> buffer(std::max<std::size_t>(chunk, 1));
  long got = 0;
  while (!batch.broken && (got = readSome(in, buffer.data(), buffer.size())) > 0) {
    takeChunk(batch, buffer.data(), std::size_t(got));
    if (std::size_t(got) < buffer.size()) {
      writeLines(batch);
    }
  }
  if (got < 0) {
    writeLines(batch);
    std::fprintf(err, "presek-trouglova: greska pri citanju ulaza: %s\n", std::strerror(errno));
    return 2;
  }
  if (!batch.broken && !batch.pending.empty()) {
    takeEntry(batch, batch.pending);
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
