#pragma once

#include <cstddef>
#include <cstdio>

// The batch mode: many pairs, one line each, no dialogue and no window.
//
// The input is numbers separated by white space, eighteen to a pair (A, B, C,
// A', B', C'), in any layout; '#' starts a comment that runs to the end of its
// line, and a UTF-8 byte-order mark opening the input is skipped. Each number
// is read by parseCoordinate, as the dialogue reads it.
//
// For each pair, in input order, one line on `out`: the kind of the
// intersection (0 to 6), then its points in the order M, N, P, ..., each as
// "x y z", every coordinate printed as the dialogue prints it ("%f" of the
// float), separated by single spaces. A pair with two coinciding vertices gets
// the line "-", and "presek-trouglova: par N: temena trougla se poklapaju" on
// `err` (pairs counted from 1); the next pair follows. An entry that is not a
// coordinate ("par N: neispravan broj 'ENTRY'", cut to 40 bytes), and an input
// that ends inside a pair ("par N: nepotpun par"), stop the run; the lines
// printed before stay printed.
//
// The input is read `chunk` bytes at a time, or as much as a console or a
// pipe holds so far, whose pairs are then answered at once; nothing of a pair
// is kept once its line is out, so memory stays the same however long the
// input is.
// Returns the exit status: 0 when every pair was answered, 1 when a pair was
// refused, the input was broken or `out` could not be written, 2 when `in`
// could not be read.
int runBatch(std::FILE *in, std::FILE *out, std::FILE *err, std::size_t chunk = 1 << 16);

// runBatch over the file at `path`, or over standard input when `path` is null
// or "-"; a file that cannot be opened is reported on `err`, with the system's
// reason, and gives 2.
int runBatchFile(const char *path, std::FILE *out, std::FILE *err);
