#pragma once

#include <cstdio>
#include <optional>

// Looks at the program's own options before anything else is printed or read.
// Scanning argv[1] to argv[argc - 1] in order, the first argument that starts
// with "--" decides: "--help" prints the usage text on `out` and gives 0,
// "--version" prints "presek-trouglova VERSION" on `out` and gives 0, and any
// other (including "--" alone) prints one line naming it and a hint to try
// --help on `err` and gives 2. Without such an argument nothing is printed and
// the result is empty: the program goes on. Arguments with one dash (-display,
// -geometry, ...) belong to the windowing toolkit and are left as they are;
// argv is never changed.
std::optional<int> handleCommandLine(int argc, const char *const *argv, std::FILE *out,
                                     std::FILE *err);
