#include "geometry/predicates.h"

#include "geometry/tolerance.h"

#include <algorithm>

int pointInTriangle(Point3 a, Point3 b, Point3 c, Point3 x) {
  // Two of the partial areas are stored in float, the third is not: the sum
  // below must see exactly these roundings.
  const float area1 = float(triangleArea(a, b, x));
  const float area2 = float(triangleArea(b, c, x));
  const double area3 = triangleArea(a, c, x);
  const double sum = (area3 + area2) + area1;
  const double whole = triangleArea(a, b, c);
  return belowTolerance(sum - whole, std::max(1.0, whole)) ? 1 : 0;
}

int pointOnSegment(Point3 x, Point3 s1, Point3 s2) {
  const Point3 u = difference(s1, x);
  const Point3 v = difference(s2, x);
  const Point3 w = difference(s2, s1);
  const float len2 = float(length(v));
  const float sum = float(length(u) + len2);
  const double whole = length(w);
  return belowTolerance(sum - whole, std::max(1.0, whole)) ? 1 : 0;
}

int samePoint(Point3 p, Point3 q) {
  if (p.x != q.x) {
    return 0;
  }
  if (p.y != q.y) {
    return 0;
  }
  if (p.z != q.z) {
    return 0;
  }
  return 1;
}
