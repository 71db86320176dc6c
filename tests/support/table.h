#pragma once

#include <fstream>
#include <string>
#include <vector>

// The rows of a case table: one per line, fields separated by " | "; blank
// lines and lines that start with '#' are comments.
inline std::vector<std::vector<std::string>> readTable(const std::string &path) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    rows.emplace_back();
    for (std::size_t at = 0, bar = 0; bar != std::string::npos; at = bar + 3) {
      bar = line.find(" | ", at);
      rows.back().push_back(line.substr(at, bar - at));
    }
  }
  return rows;
}
