#include "app/three_views.h"

#include "scene/letters.h"
#include "scene/scene_store.h"

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

// Where the three views place a point: the XY view moved down by `lift`, the
// XZ view left and the YZ view right by `shift`.
struct Layout {
  float shift;
  double lift;
};

ScenePoint project(Point3 p, View view, Layout layout) {
  switch (view) {
  case View::xy:
    return {p.x, float(double(p.y) - layout.lift)};
  case View::xz:
    return {float(double(p.x) - layout.shift), p.z};
  case View::yz:
    return {float(double(p.y) + layout.shift), p.z};
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

void addEdge(Point3 from, Point3 to, View view, Layout layout, ColorIndex color) {
  addSegment({project(from, view, layout), project(to, view, layout)}, color);
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

float viewShift(const Point3 *points, int count) {
  if (count == 0) {
    return 0.0f;
  }
  const auto [low, high] = range(points, count, {&Point3::x, &Point3::y});
  const auto [bottom, top] = range(points, count, {&Point3::z});
  return float(1.1 * std::max(high - low, (top - bottom) / 3.0));
}

double viewLift(const Point3 *points, int count, float shift) {
  const auto [yLow, yHigh] = range(points, count, {&Point3::y});
  const auto [zLow, zHigh] = range(points, count, {&Point3::z});
  const double above = yLow - zHigh - shift;
  const double below = zLow - yHigh - shift;
  if (above > 0.0) {
    return above;
  }
  return below > 0.0 ? -below : 0.0;
}

void fillScene(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
               IntersectionKind result, Point3 M, Point3 N, Point3 P, Point3 Q, Point3 R,
               Point3 S) {
  const Point3 points[12] = {A, B, C, A2, B2, C2, M, N, P, Q, R, S};
  const Point3 *corners = points + 6;
  const int cornerCount = (result >= 1 && result <= 6) ? result : 0;
  const float shift = viewShift(points, 6);
  const Layout layout{shift, viewLift(points, 6, shift)};
  // The drawn heights are y − lift in the XY view and z in the other two.
  float lowest = std::numeric_limits<float>::infinity();
  for (int i = 0; i < 6; ++i) {
    lowest = std::min({lowest, project(points[i], View::xy, layout).y, points[i].z});
  }

  for (const View view : {View::xy, View::xz, View::yz}) {
    for (const Point3 &p : {A, B, C}) {
      addPoint(project(p, view, layout), kFirstColor);
    }
    for (const Point3 &p : {A2, B2, C2}) {
      addPoint(project(p, view, layout), kSecondColor);
    }
    addEdge(A, B, view, layout, kFirstColor);
    addEdge(B, C, view, layout, kFirstColor);
    addEdge(A, C, view, layout, kFirstColor);
    addEdge(A2, B2, view, layout, kSecondColor);
    addEdge(A2, C2, view, layout, kSecondColor);
    addEdge(B2, C2, view, layout, kSecondColor);

    for (int i = 0; i < cornerCount; ++i) {
      addPoint(project(corners[i], view, layout), kIntersectionColor);
    }
    // Corners come in the order found, not around the polygon: joining every
    // pair draws the outline whatever that order.
    for (int i = 0; i < cornerCount; ++i) {
      for (int j = i + 1; j < cornerCount; ++j) {
        addEdge(corners[i], corners[j], view, layout, kIntersectionColor);
      }
    }

    double left = kInfinity;
    double right = -kInfinity;
    for (int i = 0; i < 6; ++i) {
      const double u = project(points[i], view, layout).x;
      left = std::min(left, u);
      right = std::max(right, u);
    }
    addLabel({float((left + right) / 2.0), lowest, labelOf(view)});
    for (int i = 0; i < 6 + cornerCount; ++i) {
      const ScenePoint at = project(points[i], view, layout);
      addLetter({at.x, at.y, kPointLetters[i], pointColor(i), int(view)});
    }
  }
}
