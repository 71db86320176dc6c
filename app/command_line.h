#pragma once

#include <cstdio>
#include <optional>

// What the command line asks of the program.
struct Command {
  std::optional<int> status;       // answered already: end with this status
  bool batch = false;              // --batch: pairs in, lines out, no window
  const char *batchFile = nullptr; // its FILE; null (or "-") for standard input
};

// Looks at the program's own options before anything else is printed or read.
// Scanning argv[1] to argv[argc - 1] in order, the first argument that starts
// with "--" decides: "--help" prints the usage text on `out` and ends with 0,
// "--version" prints "presek-trouglova VERSION" on `out` and ends with 0,
// "--batch" asks for the batch mode, with the one argument after it, if any,
// as its FILE; and any other (including "--" alone) prints one line naming it
// and a hint to try --help on `err` and ends with 2, as does --batch beside
// any argument but its FILE. Without such an argument nothing is printed and
// the dialogue follows. Arguments with one dash (-display, -geometry, ...)
// belong to the windowing toolkit and are left as they are; argv is never
// changed.
Command handleCommandLine(int argc, const char *const *argv, std::FILE *out, std::FILE *err);
