#pragma once

#include "geometry/point3.h"

#include <fstream>
#include <string>
#include <vector>

// One pair of the public triangle-triangle benchmark (Shen, Heng and Tang,
// 2003): six lines of "x y z", the first triangle's vertices, then the
// second's.
struct BenchmarkPair {
  Point3 first[3];
  Point3 second[3];
};

// The pairs in `folder`/tri-tri-benchmark/`file`; none when it is missing.
inline std::vector<BenchmarkPair> readBenchmarkPairs(const std::string &folder,
                                                     const std::string &file) {
  std::vector<BenchmarkPair> pairs;
  std::ifstream in(folder + "/tri-tri-benchmark/" + file);
  BenchmarkPair pair;
  const auto readPoint = [&in](Point3 &p) { return bool(in >> p.x >> p.y >> p.z); };
  while (readPoint(pair.first[0]) && readPoint(pair.first[1]) && readPoint(pair.first[2]) &&
         readPoint(pair.second[0]) && readPoint(pair.second[1]) && readPoint(pair.second[2])) {
    pairs.push_back(pair);
  }
  return pairs;
}
