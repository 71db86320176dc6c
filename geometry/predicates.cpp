#include "geometry/predicates.h"

#include "geometry/tolerance.h"

#include <algorithm>
#include <cmath>

namespace {

// The area and length sums above decide in float-rounded steps; distances are
// measured exactly enough in plain double vectors.
struct Vector {
  double x, y, z;
};

Vector operator-(Point3 a, Point3 b) {
  return {double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z};
}
double dotProduct(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vector crossProduct(Vector a, Vector b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

} // namespace

int pointInTriangle(Point3 a, Point3 b, Point3 c, Point3 x) {
  return pointInTriangle(a, b, c, triangleArea(a, b, c), x);
}

int pointInTriangle(Point3 a, Point3 b, Point3 c, double area, Point3 x) {
  // Two of the partial areas are stored in float, the third is not: the sum
  // below must see exactly these roundings.
  const float area1 = float(triangleArea(a, b, x));
  const float area2 = float(triangleArea(b, c, x));
  const double area3 = triangleArea(a, c, x);
  const double sum = (area3 + area2) + area1;
  return belowTolerance(sum - area, std::max(1.0, area)) ? 1 : 0;
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

double distanceToSegment(Point3 x, Point3 s1, Point3 s2) {
  const Vector d = s2 - s1;
  const Vector w = x - s1;
  const double dd = dotProduct(d, d);
  const double t = dd > 0 ? std::clamp(dotProduct(w, d) / dd, 0.0, 1.0) : 0.0;
  const Vector off{w.x - t * d.x, w.y - t * d.y, w.z - t * d.z};
  return std::sqrt(dotProduct(off, off));
}

double distanceToTriangle(Point3 x, Point3 a, Point3 b, Point3 c) {
  const Vector n = crossProduct(b - a, c - a);
  const double nn = dotProduct(n, n);
  // x lies over the interior when it is on the inner side of all three edges.
  if (nn > 0 && dotProduct(crossProduct(b - a, x - a), n) >= 0 &&
      dotProduct(crossProduct(c - b, x - b), n) >= 0 &&
      dotProduct(crossProduct(a - c, x - c), n) >= 0) {
    return std::fabs(dotProduct(x - a, n)) / std::sqrt(nn);
  }
  return std::min(
      {distanceToSegment(x, a, b), distanceToSegment(x, a, c), distanceToSegment(x, b, c)});
}
