#pragma once

#include "app/dialogue.h"
#include "intersection/triangle_triangle.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// One pair line of a sheet, as the batch mode tells a listener of it (the
// answer key's and the tasks' pages).
struct SheetLine {
  long long pair = 0;               // N, counting the pair lines from 1
  long long line = 0;               // L, counting every line from 1
  std::string comment;              // the comment line just above it, without its '#'
  std::vector<std::string> entries; // its entries as typed, at most 18
  std::string refusal;              // why it was refused; empty for an answered pair
  TrianglePair vertices;            // for an answered pair: its points,
  IntersectionReport report;        // its answer,
  IntersectionTrace trace;          // and how the answer was reached
};

// Told of every pair line of a sheet, in order.
class SheetListener {
public:
  virtual ~SheetListener() = default;
  virtual void take(const SheetLine &line) = 0;
};

// The batch mode: many pairs, one line each, no dialogue and no window.
//
// The input is one pair to a line: eighteen numbers separated by spaces or
// tabs (A, B, C, A', B', C'), each read by parseCoordinate, as the dialogue
// reads it. '\n', "\r\n" and a lone '\r' end a line; '#' starts a comment
// that runs to the end of its line; blank lines and comments hold no pair; a
// UTF-8 byte-order mark opening the input is skipped; a last line without an
// end is a line like any other.
//
// For each pair, in input order, one line on `out`: the kind of the
// intersection (0 to 6), then its points in the order M, N, P, ..., each as
// "x y z", every coordinate printed as the dialogue prints it ("%f" of the
// float), separated by single spaces. A refused line gets "-" in its place,
// and on `err` "presek-trouglova: par N (red L): " and why: an entry that is
// not a number (as faultText says it), another count of numbers than 18
// ("17 brojeva umesto 18"), or "temena trougla se poklapaju"; N counts the
// pairs from 1, L every line of the input from 1. The run goes on with the
// next line.
//
// The input is read `chunk` bytes at a time, or as much as a console or a
// pipe holds so far, whose pairs are then answered at once; nothing of a pair
// is kept once its line is out, and of an entry at most kLongestEntry + 1
// bytes, so memory stays the same however long the input or an entry is.
// Returns the exit status: 0 when every pair was answered, 1 when a line was
// refused or `out` could not be written, 2 when `in` could not be read.
// `listener`, when given, is told of every pair line as it is answered.
int runBatch(std::FILE *in, std::FILE *out, std::FILE *err, std::size_t chunk = 1 << 16,
             SheetListener *listener = nullptr);

// runBatch over the file at `path`, or over standard input when `path` is null
// or "-"; a file that cannot be opened is reported on `err`, with the system's
// reason, and gives 2.
int runBatchFile(const char *path, std::FILE *out, std::FILE *err,
                 SheetListener *listener = nullptr);
