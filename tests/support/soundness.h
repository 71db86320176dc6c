#pragma once

// The one promise every answer keeps, checked apart from the engine's own
// arithmetic: each reported point lies within the tolerance 0.00001 × L of
// both triangles, where L = max(1, the largest absolute coordinate of the six
// vertices). The engine confirms a crossing of two edges within the tolerance
// in each coordinate, which allows √3 times it in distance.

#include "intersection/intersection_report.h"

#include <algorithm>
#include <cmath>

namespace soundness {

struct V {
  long double x, y, z;
};
inline V operator-(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline long double dot(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V cross(V a, V b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline V of(Point3 p) { return {p.x, p.y, p.z}; }

inline long double toSegment(V p, V a, V b) {
  const V d = b - a, w = p - a;
  const long double t = dot(d, d) == 0 ? 0 : std::clamp(dot(w, d) / dot(d, d), 0.0L, 1.0L);
  const V off = w - V{t * d.x, t * d.y, t * d.z};
  return std::sqrt(dot(off, off));
}

// Over the triangle (on the inner side of each edge, seen along its normal)
// the distance to its plane, elsewhere to its nearest edge. The normal comes
// from the two shortest edges: for a thin triangle the two long ones are
// nearly parallel and their cross product cancels away to noise.
inline long double toTriangle(V p, V a, V b, V c) {
  V e[3] = {b - a, c - b, a - c};
  std::sort(e, e + 3, [](V u, V w) { return dot(u, u) < dot(w, w); });
  const V n = cross(e[0], e[1]);
  const long double s1 = dot(cross(b - a, p - a), n), s2 = dot(cross(c - b, p - b), n),
                    s3 = dot(cross(a - c, p - c), n);
  const bool over = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  const long double edges = std::min({toSegment(p, a, b), toSegment(p, a, c), toSegment(p, b, c)});
  return dot(n, n) > 0 && over ? std::min(edges, std::fabs(dot(p - a, n)) / std::sqrt(dot(n, n)))
                               : edges;
}

// Index of the first reported point off either triangle, or -1.
inline int firstStrayPoint(const IntersectionReport &report, const Point3 (&v)[6]) {
  long double scale = 1;
  for (const Point3 &p : v) {
    scale = std::max({scale, std::fabs(of(p).x), std::fabs(of(p).y), std::fabs(of(p).z)});
  }
  for (int i = 0; i < report.kind; ++i) {
    const V p = of(report.points[i]);
    for (const int t : {0, 3}) {
      if (!(toTriangle(p, of(v[t]), of(v[t + 1]), of(v[t + 2])) < 1.75L * 1e-5L * scale)) {
        return i;
      }
    }
  }
  return -1;
}

} // namespace soundness
