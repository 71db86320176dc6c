#pragma once

#include "intersection/intersection_report.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Stops the run with a message: what libFuzzer reports as a crash.
#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "check failed: %s\n", #condition);                                      \
      std::abort();                                                                                \
    }                                                                                              \
  } while (false)

// What must hold for any computed intersection: a kind from 0 to 6, and
// exactly one message, which names the triangles ("trouglovi"/"trouglova")
// once.
inline void checkReport(const IntersectionReport &report) {
  FUZZ_CHECK(report.kind >= 0 && report.kind <= 6);
  char *text = nullptr;
  std::size_t size = 0;
  std::FILE *out = open_memstream(&text, &size);
  printReport(out, report);
  std::fclose(out);
  const std::string printed(text, size);
  std::free(text);
  int messages = 0;
  for (std::size_t at = printed.find("trougl"); at != std::string::npos;
       at = printed.find("trougl", at + 1)) {
    ++messages;
  }
  FUZZ_CHECK(messages == 1);
}
