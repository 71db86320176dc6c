#include "app/three_views.h"

#include "scene/scene_store.h"

#include <algorithm>
#include <limits>

namespace {

constexpr ColorIndex kFirstColor = 2;        // blue
constexpr ColorIndex kSecondColor = 1;       // green
constexpr ColorIndex kIntersectionColor = 0; // red
constexpr float kMinimumShift = 10.0f;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

enum class View { xy, xz, yz };

ScenePoint project(Point3 p, View view, float shift) {
  switch (view) {
  case View::xy:
    return {p.x, p.y};
  case View::xz:
    return {float(double(p.x) - shift), p.z};
  case View::yz:
    return {float(double(p.y) + shift), p.z};
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

void addEdge(Point3 from, Point3 to, View view, float shift, ColorIndex color) {
  addSegment({project(from, view, shift), project(to, view, shift)}, color);
}

} // namespace

float viewShift(const Point3 *points, int count) {
  double smallest = kInfinity;
  double largest = -kInfinity;
  for (int i = 0; i < count; ++i) {
    smallest = std::min({smallest, double(points[i].x), double(points[i].y)});
    largest = std::max({largest, double(points[i].x), double(points[i].y)});
  }
  return float(std::max(double(kMinimumShift), 1.1 * (largest - smallest)));
}

void fillScene(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
               IntersectionKind result, Point3 M, Point3 N, Point3 P, Point3 Q, Point3 R,
               Point3 S) {
  const Point3 vertices[6] = {A, B, C, A2, B2, C2};
  const Point3 corners[6] = {M, N, P, Q, R, S};
  const int cornerCount = (result >= 1 && result <= 6) ? result : 0;
  const float shift = viewShift(vertices, 6);
  // The drawn heights are y in the XY view and z in the other two.
  float lowest = std::numeric_limits<float>::infinity();
  for (const Point3 &p : vertices) {
    lowest = std::min({lowest, p.y, p.z});
  }

  for (const View view : {View::xy, View::xz, View::yz}) {
    for (const Point3 &p : {A, B, C}) {
      addPoint(project(p, view, shift), kFirstColor);
    }
    for (const Point3 &p : {A2, B2, C2}) {
      addPoint(project(p, view, shift), kSecondColor);
    }
    addEdge(A, B, view, shift, kFirstColor);
    addEdge(B, C, view, shift, kFirstColor);
    addEdge(A, C, view, shift, kFirstColor);
    addEdge(A2, B2, view, shift, kSecondColor);
    addEdge(A2, C2, view, shift, kSecondColor);
    addEdge(B2, C2, view, shift, kSecondColor);

    for (int i = 0; i < cornerCount; ++i) {
      addPoint(project(corners[i], view, shift), kIntersectionColor);
    }
    // Corners come in the order found, not around the polygon: joining every
    // pair draws the outline whatever that order.
    for (int i = 0; i < cornerCount; ++i) {
      for (int j = i + 1; j < cornerCount; ++j) {
        addEdge(corners[i], corners[j], view, shift, kIntersectionColor);
      }
    }

    double left = kInfinity;
    double right = -kInfinity;
    for (const Point3 &p : vertices) {
      const double u = project(p, view, shift).x;
      left = std::min(left, u);
      right = std::max(right, u);
    }
    addLabel({float((left + right) / 2.0), lowest, labelOf(view)});
  }
}
