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

SegmentGap gapBetweenSegments(Point3 p1, Point3 p2, Point3 q1, Point3 q2) {
  // The parameters s along p and t along q of the nearest points, each found
  // for the other held and clamped to its segment (Ericson, Real-Time
  // Collision Detection, 5.1.9). Any rounding only moves them off the true
  // nearest pair, so the distance is never smaller than the true one.
  const Vector d1 = p2 - p1;
  const Vector d2 = q2 - q1;
  const Vector r = p1 - q1;
  const double a = dotProduct(d1, d1);
  const double e = dotProduct(d2, d2);
  const double f = dotProduct(d2, r);
  double s = 0.0;
  double t = 0.0;
  if (a == 0.0) {
    t = e > 0.0 ? std::clamp(f / e, 0.0, 1.0) : 0.0;
  } else if (e == 0.0) {
    s = std::clamp(-dotProduct(d1, r) / a, 0.0, 1.0);
  } else {
    const double b = dotProduct(d1, d2);
    const double c = dotProduct(d1, r);
    const double denominator = a * e - b * b;
    s = denominator > 0.0 ? std::clamp((b * f - c * e) / denominator, 0.0, 1.0) : 0.0;
    t = (b * s + f) / e;
    if (t < 0.0) {
      t = 0.0;
      s = std::clamp(-c / a, 0.0, 1.0);
    } else if (t > 1.0) {
      t = 1.0;
      s = std::clamp((b - c) / a, 0.0, 1.0);
    }
  }
  const Vector x{p1.x + s * d1.x, p1.y + s * d1.y, p1.z + s * d1.z};
  const Vector y{q1.x + t * d2.x, q1.y + t * d2.y, q1.z + t * d2.z};
  const Vector apart{x.x - y.x, x.y - y.y, x.z - y.z};
  return {std::sqrt(dotProduct(apart, apart)),
          {float((x.x + y.x) / 2), float((x.y + y.y) / 2), float((x.z + y.z) / 2)}};
}
