// One call of an engine routine per line of engine_cases.txt (its head says
// how a line reads).
#include "geometry/plane.h"
#include "geometry/predicates.h"
#include "intersection/segment_segment.h"
#include "intersection/triangle_plane.h"
#include "scene/camera.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using Points = std::vector<Point3>;

// The call `operation` on the points `p`, writing its outputs to `o`.
long long call(const std::string &operation, const Points &p, Point3 *o) {
  if (operation == "cut")
    return cutTriangleByPlane(p[0], p[1], p[2], p[3], p[4], p[5], &o[0], &o[1]);
  if (operation == "segment")
    return segmentIntersection(p[0], p[1], p[2], p[3], &o[0], &o[1]);
  if (operation == "ends")
    return overlapBetweenEnds(p[0], p[1], p[2], p[3], &o[0], &o[1]);
  if (operation == "inTriangle")
    return pointInTriangle(p[0], p[1], p[2], p[3]);
  if (operation == "onSegment")
    return pointOnSegment(p[0], p[1], p[2]);
  if (operation == "same")
    return samePoint(p[0], p[1]);
  if (operation == "planeValue")
    return planeValue(p[0], makePlane(p[1], p[2], p[3]));
  if (operation == "linePlane") {
    o[0] = linePlaneIntersection(makePlane(p[0], p[1], p[2]), p[3], p[4]);
    return 1;
  }
  const SceneBounds bounds{{p[0].x, p[0].y}, {p[1].x, p[1].y}}; // camera
  const Camera camera = cameraFromBounds(bounds);
  const float fitted = viewDistance(bounds, int(p[2].x), int(p[2].y));
  const DepthRange depth = depthRange(fitted);
  o[0] = {camera.cx, camera.cy, camera.distance};
  o[1] = {fitted, float(depth.nearPlane), float(depth.farPlane)};
  return 1;
}

// Points written x,y,z, separated by spaces.
Points readPoints(const std::string &text) {
  Points points;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    char *at = word.data();
    const float x = std::strtof(at, &at), y = std::strtof(at + 1, &at),
                z = std::strtof(at + 1, &at);
    points.push_back({x, y, z});
  }
  return points;
}

TEST(Engine, EveryCallOfTheTable) {
  const auto calls = readTable(PRESEK_ENGINE_CASES);
  ASSERT_GT(calls.size(), 80u);
  for (const auto &c : calls) {
    ASSERT_EQ(c.size(), 6u) << c[0];
    SCOPED_TRACE(c[0]);
    const Point3 untouched{-777.0f, 777.0f, -777.0f};
    Point3 out[2] = {untouched, untouched};
    EXPECT_EQ(call(c[1], readPoints(c[2]), out), std::stoll(c[3]));
    const Points expected = readPoints(c[4]);
    for (std::size_t i = 0; i < 2; ++i) {
      // Within the row's reach when it names a point, else left as it was.
      const Point3 e = i < expected.size() ? expected[i] : untouched;
      const double reach = i < expected.size() ? std::stod(c[5]) : 0;
      EXPECT_TRUE(std::fabs(out[i].x - e.x) <= reach && std::fabs(out[i].y - e.y) <= reach &&
                  std::fabs(out[i].z - e.z) <= reach)
          << "output " << i + 1 << ": (" << out[i].x << ", " << out[i].y << ", " << out[i].z << ")";
    }
  }
}

} // namespace
