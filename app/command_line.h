#pragma once

#include <cstdio>
#include <optional>

// What the command line asks of the program.
struct Command {
  std::optional<int> status;       // answered already: end with this status
  bool batch = false;              // --batch: pairs in, lines out, no window
  const char *batchFile = nullptr; // its FILE; null (or "-") for standard input
  const char *picture = nullptr;   // --picture FILE: the views go there, no window
  bool working = false;            // --postupak: the working follows the answer
  const char *key = nullptr;       // --key FILE.pdf beside --batch: the answer key
  const char *tasks = nullptr;     // --tasks FILE.pdf beside --batch: the tasks
};

// Looks at the program's own options before anything else is printed or read,
// scanning argv[1] to argv[argc - 1] in order. "--help" or "-h" prints the
// usage text on `out` and ends with 0; "--version" prints "presek-trouglova
// VERSION" on `out` and ends with 0. "--batch" asks for the batch mode, its
// FILE the one other argument beside it, if any; "--key" and "--tasks" take
// the argument after them as the PDF the batch's answer key, and its tasks,
// are written to; "--picture" takes the argument after it as the FILE the
// views are written to, which must end in .svg, .png or .pdf; "--postupak"
// asks for the working after the answer. Any other argument that starts with
// "--" (including "--" alone) prints one line naming it and a hint to try
// --help on `err` and ends with 2, as do --batch beside more than one other
// argument, --key or --tasks without a FILE ending in .pdf or without
// --batch, --picture without a FILE, with another ending or beside --batch,
// and --postupak beside --batch without --key. Without such an argument
// nothing is printed and the dialogue follows. Arguments with one dash
// (-display, -geometry, ...) belong to the windowing toolkit and are left as
// they are; argv is never changed.
Command handleCommandLine(int argc, const char *const *argv, std::FILE *out, std::FILE *err);
