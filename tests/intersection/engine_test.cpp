// One call of an engine routine per line of engine_cases.txt (its head says
// how a line reads).
#include "geometry/plane.h"
#include "geometry/predicates.h"
#include "intersection/segment_segment.h"
#include "intersection/triangle_plane.h"

#include "support/table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
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
  const auto calls = readTable(PRESEK_ENGINE_CASES);
  for (const auto &c : calls) {
    ASSERT_EQ(c.size(), 6u) << c[0];
    SCOPED_TRACE(c[0]);
    const Point3 untouched{-777.0f, 777.0f, -777.0f};
    Point3 out[2] = {untouched, untouched};
    EXPECT_EQ(kOperations.at(c[1])(readPoints(c[2]), &out[0], &out[1]), std::stoll(c[3]));
    const Points expected = readPoints(c[4]);
    const double within = std::stod(c[5]);
    for (std::size_t i = 0; i < 2; ++i) {
      const Point3 e = i < expected.size() ? expected[i] : untouched;
      const double reach = i < expected.size() ? within : 0;
      EXPECT_TRUE(std::fabs(out[i].x - e.x) <= reach && std::fabs(out[i].y - e.y) <= reach &&
                  std::fabs(out[i].z - e.z) <= reach)
          << "output " << i + 1 << ": (" << out[i].x << ", " << out[i].y << ", " << out[i].z << ")";
    }
  }
  EXPECT_GT(calls.size(), 80u);
}

} // namespace
