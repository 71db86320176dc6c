// One call of an engine routine per line of engine_cases.txt (its head says
// how a line reads).
#include "geometry/plane.h"
#include "geometry/predicates.h"
#include "intersection/segment_segment.h"
#include "intersection/triangle_plane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Points = std::vector<Point3>;
using Call = std::function<int(const Points &, Point3 *, Point3 *)>;

const std::map<std::string, Call> kOperations = {
    {"cut",
     [](const Points &p, Point3 *o1, Point3 *o2) {
       return cutTriangleByPlane(p[0], p[1], p[2], p[3], p[4], p[5], o1, o2);
     }},
    {"segment", [](const Points &p, Point3 *o1,
                   Point3 *o2) { return segmentIntersection(p[0], p[1], p[2], p[3], o1, o2); }},
    {"inTriangle",
     [](const Points &p, Point3 *, Point3 *) { return pointInTriangle(p[0], p[1], p[2], p[3]); }},
    {"onSegment",
     [](const Points &p, Point3 *, Point3 *) { return pointOnSegment(p[0], p[1], p[2]); }},
    {"same", [](const Points &p, Point3 *, Point3 *) { return samePoint(p[0], p[1]); }},
    {"planeValue", [](const Points &p, Point3 *,
                      Point3 *) { return planeValue(p[0], makePlane(p[1], p[2], p[3])); }},
    {"linePlane",
     [](const Points &p, Point3 *o1, Point3 *) {
       *o1 = linePlaneIntersection(makePlane(p[0], p[1], p[2]), p[3], p[4]);
       return 1;
     }},
};

Points readPoints(const std::string &text) {
  Points points;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    Point3 p;
    char *at = word.data();
    p.x = std::strtof(at, &at), p.y = std::strtof(at + 1, &at), p.z = std::strtof(at + 1, &at);
    points.push_back(p);
  }
  return points;
}

TEST(Engine, EveryCallOfTheTable) {
  std::ifstream table(PRESEK_ENGINE_CASES);
  ASSERT_TRUE(table) << PRESEK_ENGINE_CASES;
  int calls = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    std::vector<std::string> field;
    for (std::size_t at = 0, bar; at != std::string::npos; at = bar == line.npos ? bar : bar + 3) {
      bar = line.find(" | ", at);
      field.push_back(line.substr(at, bar - at));
    }
    ASSERT_EQ(field.size(), 6u) << line;
    SCOPED_TRACE(field[0]);
    const Point3 untouched{-777.0f, 777.0f, -777.0f};
    Point3 out[2] = {untouched, untouched};
    EXPECT_EQ(kOperations.at(field[1])(readPoints(field[2]), &out[0], &out[1]),
              std::stoll(field[3]));
    const Points expected = readPoints(field[4]);
    const double within = std::stod(field[5]);
    for (std::size_t i = 0; i < 2; ++i) {
      const Point3 e = i < expected.size() ? expected[i] : untouched;
      const bool exact = within == 0 || i >= expected.size();
      EXPECT_TRUE(exact ? out[i].x == e.x && out[i].y == e.y && out[i].z == e.z
                        : std::fabs(out[i].x - e.x) <= within &&
                              std::fabs(out[i].y - e.y) <= within &&
                              std::fabs(out[i].z - e.z) <= within)
          << "output " << i + 1 << ": (" << out[i].x << ", " << out[i].y << ", " << out[i].z << ")";
    }
    ++calls;
  }
  EXPECT_GT(calls, 80);
}

} // namespace
