#include "app/three_views.h"

#include "scene/letters.h"
#include "scene/scene_store.h"
#include "scene/space_camera.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <utility>

namespace {

constexpr ColorIndex kFirstColor = pointColor(0);
constexpr ColorIndex kSecondColor = pointColor(3);
constexpr ColorIndex kIntersectionColor = pointColor(6);
constexpr double kInfinity = std::numeric_limits<double>::infinity();

enum class View { xy, xz, yz };

ScenePoint project(Point3 p, View view, const ViewPlacement &at) {
  switch (view) {
  case View::xy:
    return {p.x, float(double(p.y) - at.lift)};
  case View::xz:
    return {float(double(p.x) - at.left), p.z};
  case View::yz:
    return {float(double(p.y) + at.right), p.z};
  }
  return {};
}

const char *labelOf(View view) {
  switch (view) {
  case View::xy:
    return "XY";
  case View::xz:
    return "XZ";
  case View::yz:
    return "YZ";
  }
  return "";
}

void addEdge(Point3 from, Point3 to, View view, const ViewPlacement &at, ColorIndex color) {
  addSegment({project(from, view, at), project(to, view, at)}, color);
}

// The smallest and largest of the given coordinates of the points.
std::pair<double, double> range(const Point3 *points, int count,
                                std::initializer_list<float Point3::*> coordinates) {
  double smallest = kInfinity;
  double largest = -kInfinity;
  for (int i = 0; i < count; ++i) {
    for (float Point3::*c : coordinates) {
      smallest = std::min(smallest, double(points[i].*c));
      largest = std::max(largest, double(points[i].*c));
    }
  }
  return {smallest, largest};
}

} // namespace

ViewPlacement placeViews(const Point3 *points, int count) {
  if (count == 0) {
    return {};
  }
  const auto [xLow, xHigh] = range(points, count, {&Point3::x});
  const auto [yLow, yHigh] = range(points, count, {&Point3::y});
  const auto [zLow, zHigh] = range(points, count, {&Point3::z});
  const double gap = 0.3 * std::max({xHigh - xLow, yHigh - yLow, zHigh - zLow});
  const bool overlap = yLow <= zHigh && zLow <= yHigh;
  // XZ ends a gap left of where XY begins, YZ begins a gap right of its end.
  return {xHigh - xLow + gap, xHigh - yLow + gap,
          overlap ? 0.0 : (yLow + yHigh) / 2.0 - (zLow + zHigh) / 2.0};
}

void fillScene(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
               IntersectionKind result, Point3 M, Point3 N, Point3 P, Point3 Q, Point3 R,
               Point3 S) {
  const Point3 points[12] = {A, B, C, A2, B2, C2, M, N, P, Q, R, S};
  const Point3 *corners = points + 6;
  const int cornerCount = (result >= 1 && result <= 6) ? result : 0;
  const ViewPlacement placement = placeViews(points, 6);
  // The drawn heights are y − lift in the XY view and z in the other two.
  float lowest = std::numeric_limits<float>::infinity();
  for (int i = 0; i < 6; ++i) {
    lowest = std::min({lowest, project(points[i], View::xy, placement).y, points[i].z});
  }

  for (const View view : {View::xy, View::xz, View::yz}) {
    for (const Point3 &p : {A, B, C}) {
      addPoint(project(p, view, placement), kFirstColor);
    }
    for (const Point3 &p : {A2, B2, C2}) {
      addPoint(project(p, view, placement), kSecondColor);
    }
    addEdge(A, B, view, placement, kFirstColor);
    addEdge(B, C, view, placement, kFirstColor);
    addEdge(A, C, view, placement, kFirstColor);
    addEdge(A2, B2, view, placement, kSecondColor);
    addEdge(A2, C2, view, placement, kSecondColor);
    addEdge(B2, C2, view, placement, kSecondColor);

    for (int i = 0; i < cornerCount; ++i) {
      addPoint(project(corners[i], view, placement), kIntersectionColor);
    }
    // The polygon's interior, its corners taken around it, under the edges.
    if (cornerCount >= 3) {
      int order[6];
      cornersAround(corners, cornerCount, order);
      ScenePolygon polygon{{}, kIntersectionColor};
      for (int i = 0; i < cornerCount; ++i) {
        polygon.corners.push_back(project(corners[order[i]], view, placement));
      }
      addPolygon(polygon);
    }
    // Corners come in the order found, not around the polygon: joining every
    // pair draws the outline whatever that order.
    for (int i = 0; i < cornerCount; ++i) {
      for (int j = i + 1; j < cornerCount; ++j) {
        addEdge(corners[i], corners[j], view, placement, kIntersectionColor);
      }
    }

    double left = kInfinity;
    double right = -kInfinity;
    for (int i = 0; i < 6; ++i) {
      const double u = project(points[i], view, placement).x;
      left = std::min(left, u);
      right = std::max(right, u);
    }
    addLabel({float((left + right) / 2.0), lowest, labelOf(view)});
    for (int i = 0; i < 6 + cornerCount; ++i) {
      const ScenePoint at = project(points[i], view, placement);
      addLetter({at.x, at.y, kPointLetters[i], pointColor(i), int(view)});
    }
  }
}

void fillPictures(const Point3 *vertices, IntersectionKind result, const Point3 *corners) {
  const Point3 *v = vertices;
  const Point3 *c = corners;
  scene = Scene{};
  spaceFigures = SpaceFigures{};
  fillScene(v[0], v[1], v[2], v[3], v[4], v[5], result, c[0], c[1], c[2], c[3], c[4], c[5]);
  std::copy(v, v + 6, spaceFigures.vertices);
  std::copy(c, c + 6, spaceFigures.corners);
  spaceFigures.kind = result;
}
