#include "app/batch.h"

#include "app/answer.h"
#include "app/coordinate.h"
#include "app/dialogue.h"

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
constexpr std::size_t kOutputBlock = 1 << 16;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

bool isDelimiter(char c) { return isBlank(c) || isLineEnd(c) || c == '#'; }

// Everything one run keeps: the line being read and the answers not yet
// written. Of a line only its first eighteen numbers and its first refused
// entry are kept, of an entry at most kLongestEntry + 1 bytes.
struct Batch {
  std::FILE *out = nullptr;
  std::FILE *err = nullptr;
  std::string lines;
  float numbers[18] = {};
  long long count = 0; // entries of the current line so far
  long long line = 1;  // the current line's number, from 1
  long long pair = 0;  // lines that held a pair so far
  std::string pending; // an entry cut by the end of a chunk
  std::string refused; // the line's first entry that is not a number
  EntryFault fault = EntryFault::none;
  bool inComment = false;
  bool afterReturn = false; // a '\n' right after '\r' ends no second line
  bool mayOpenWithMark = true;
  int status = 0;
  // For a listener: the line's entries as typed, its comment, and the
  // comment line just above it.
  SheetListener *listener = nullptr;
  std::vector<std::string> entries;
  std::string comment;
  bool commented = false;
  std::string commentAbove;
};

void writeLines(Batch &batch) {
  std::fwrite(batch.lines.data(), 1, batch.lines.size(), batch.out);
  batch.lines.clear();
  std::fflush(batch.out);
}

// The same digits as "%f" of the float: to_chars with a precision rounds the
// exact binary value as printf does, and faster; a C++ library without it
// (libc++ 13, which the page is built with) asks printf itself.
void appendCoordinate(std::string &lines, float value) {
  char digits[64];
#if defined(__cpp_lib_to_chars)
  const char *end =
      std::to_chars(digits, digits + sizeof digits, double(value), std::chars_format::fixed, 6).ptr;
#else
  const char *end = digits + std::snprintf(digits, sizeof digits, "%f", double(value));
#endif
  lines.push_back(' ');
  lines.append(digits, std::size_t(end - digits));
}

// "17 brojeva", "2 broja", "21 broj", as Serbian counts them.
std::string numbersCounted(long long count) {
  const long long last = count % 10;
  const bool teen = count % 100 >= 11 && count % 100 <= 14;
  const char *word = last == 1 && !teen                ? "broj"
                     : last >= 2 && last <= 4 && !teen ? "broja"
                                                       : "brojeva";
  return std::to_string(count) + " " + word;
}

// A refused line: "-" in its place, and on standard error which pair, which
// line and why.
void refuse(Batch &batch, const std::string &why) {
  batch.lines += "-\n";
  // Written in order with the lines, for a reader who sees both on one console.
  writeLines(batch);
  std::fprintf(batch.err, "presek-trouglova: par %lld (red %lld): %s\n", batch.pair, batch.line,
               why.c_str());
  batch.status = 1;
}

// The end of a line: a line that held entries is one pair, answered or
// refused; a blank line or a comment is passed over.
void endLine(Batch &batch) {
  SheetLine sheet;
  if (batch.count > 0) {
    ++batch.pair;
    TrianglePair v;
    for (int i = 0; i < 6; ++i) {
      v[i] = {batch.numbers[3 * i], batch.numbers[3 * i + 1], batch.numbers[3 * i + 2]};
    }
    if (batch.fault != EntryFault::none) {
      sheet.refusal = faultText(batch.refused, batch.fault);
    } else if (batch.count != 18) {
      sheet.refusal = numbersCounted(batch.count) + " umesto 18";
    } else if (hasCoincidingVertices(v)) {
      sheet.refusal = "temena trougla se poklapaju";
    }
    if (!sheet.refusal.empty()) {
      refuse(batch, sheet.refusal);
    } else {
      const IntersectionReport report =
          answerPair(v, batch.listener != nullptr ? &sheet.trace : nullptr);
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
      sheet.vertices = v;
      sheet.report = report;
    }
    if (batch.listener != nullptr) {
      sheet.pair = batch.pair;
      sheet.line = batch.line;
      sheet.comment = batch.commentAbove;
      sheet.entries = batch.entries;
      batch.listener->take(sheet);
    }
  }
  // A line of a comment alone is the comment just above the next line.
  batch.commentAbove = batch.count == 0 && batch.commented ? batch.comment : "";
  batch.entries.clear();
  batch.comment.clear();
  batch.commented = false;
  batch.count = 0;
  batch.fault = EntryFault::none;
  ++batch.line;
}

// The input's first entry may open with the mark: every later one follows a
// delimiter, which clears `mayOpenWithMark`.
void takeEntry(Batch &batch, std::string_view entry) {
  if (batch.mayOpenWithMark && entry.starts_with(kByteOrderMark)) {
    entry.remove_prefix(kByteOrderMark.size());
  }
  if (entry.empty()) {
    return;
  }
  const Coordinate coordinate = parseCoordinate(entry);
  if (coordinate.fault != EntryFault::none && batch.fault == EntryFault::none) {
    batch.fault = coordinate.fault;
    batch.refused.assign(entry.substr(0, kLongestEntry + 1));
  }
  if (batch.count < 18) {
    batch.numbers[batch.count] = coordinate.value;
    if (batch.listener != nullptr) {
      batch.entries.emplace_back(entry);
    }
  }
  ++batch.count;
}

// Keeps the part of an entry that a chunk's end cut off, no more of it than
// parseCoordinate needs to refuse it as too long.
void keepPending(Batch &batch, const char *bytes, std::size_t size) {
  const std::size_t room = kLongestEntry + 1 - std::min(batch.pending.size(), kLongestEntry + 1);
  batch.pending.append(bytes, std::min(size, room));
}

// Scans one chunk of the input for entries and the ends of lines: '\n',
// "\r\n" and a lone '\r' each end one. An entry that the chunk's end cuts in
// two waits in `pending` for the rest.
void takeChunk(Batch &batch, const char *bytes, std::size_t size) {
  std::string &pending = batch.pending;
  std::size_t i = 0;
  while (i < size) {
    const char c = bytes[i];
    if (batch.afterReturn && c == '\n') {
      batch.afterReturn = false;
      ++i;
      continue;
    }
    batch.afterReturn = false;
    if (batch.inComment && !isLineEnd(c)) {
      const std::size_t start = i;
      while (i < size && !isLineEnd(bytes[i])) {
        ++i;
      }
      if (batch.listener != nullptr && batch.comment.size() < 200) {
        batch.comment.append(bytes + start, std::min(i - start, 200 - batch.comment.size()));
      }
      continue;
    }
    if (isDelimiter(c)) {
      if (!pending.empty()) {
        takeEntry(batch, pending);
        pending.clear();
      }
      batch.mayOpenWithMark = false;
      batch.commented = batch.commented || c == '#';
      batch.inComment = c == '#' || (batch.inComment && !isLineEnd(c));
      if (isLineEnd(c)) {
        endLine(batch);
        batch.afterReturn = c == '\r';
      }
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < size && !isDelimiter(bytes[end])) {
      ++end;
    }
    if (end == size) {
      keepPending(batch, bytes + i, end - i);
    } else if (pending.empty()) {
      takeEntry(batch, std::string_view(bytes + i, end - i));
    } else {
      keepPending(batch, bytes + i, end - i);
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

int runBatch(std::FILE *in, std::FILE *out, std::FILE *err, std::size_t chunk,
             SheetListener *listener) {
  Batch batch;
  batch.out = out;
  batch.err = err;
  batch.listener = listener;
  batch.lines.reserve(kOutputBlock + 1024);
  std::vector<char> buffer(std::max<std::size_t>(chunk, 1));
  long got = 0;
  while ((got = readSome(in, buffer.data(), buffer.size())) > 0) {
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
  // A last line without its end is a line like any other.
  if (!batch.pending.empty()) {
    takeEntry(batch, batch.pending);
  }
  endLine(batch);
  writeLines(batch);
  if (std::ferror(out)) {
    std::fprintf(err, "presek-trouglova: izlaz nije mogao da se zapise\n");
    return 1;
  }
  return batch.status;
}

int runBatchFile(const char *path, std::FILE *out, std::FILE *err, SheetListener *listener) {
  if (path == nullptr || std::strcmp(path, "-") == 0) {
    return runBatch(stdin, out, err, 1 << 16, listener);
  }
  std::FILE *in = std::fopen(path, "rb");
  if (in == nullptr) {
    std::fprintf(err, "presek-trouglova: ne mogu da otvorim '%s': %s\n", path,
                 std::strerror(errno));
    return 2;
  }
  const int status = runBatch(in, out, err, 1 << 16, listener);
  std::fclose(in);
  return status;
}
