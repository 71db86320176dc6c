#include "geometry/plane.h"

#include <cmath>
#include <limits>

Plane makePlane(Point3 p, Point3 q, Point3 r) {
  const double a =
      ((double(r.z) - p.z) * q.y + (double(p.z) - q.z) * r.y) + (double(q.z) - r.z) * p.y;
  const double b =
      ((double(q.x) - r.x) * p.z + (double(p.x) - q.x) * r.z) + (double(r.x) - p.x) * q.z;
  const double c =
      ((double(q.y) - r.y) * p.x + (double(p.y) - q.y) * r.x) + (double(r.y) - p.y) * q.x;
  const double d = -((p.x * (double(q.y) * r.z - double(r.y) * q.z) +
                      r.x * (double(q.z) * p.y - double(p.z) * q.y)) +
                     q.x * (double(r.y) * p.z - double(r.z) * p.y));
  return {float(a), float(b), float(c), float(d), p};
}

int planeValue(Point3 x, const Plane &plane) {
  const double v =
      ((double(plane.c) * x.z + double(plane.b) * x.y) + double(plane.a) * x.x) + plane.d;
  // Converting NaN or an out-of-range double to int is undefined behaviour.
  if (std::isnan(v)) {
    return 0;
  }
  constexpr double kLowest = std::numeric_limits<int>::min();
  constexpr double kHighest = std::numeric_limits<int>::max();
  if (v <= kLowest) {
    return std::numeric_limits<int>::min();
  }
  if (v >= kHighest) {
    return std::numeric_limits<int>::max();
  }
  return int(v);
}

Point3 linePlaneIntersection(const Plane &plane, Point3 p, Point3 q) {
  const double a = plane.a;
  const double b = plane.b;
  const double c = plane.c;
  const double num = ((a * p.x + b * p.y) + c * p.z) + plane.d;
  const double den = ((((a * q.x - a * p.x) + b * q.y) - b * p.y) + c * q.z) - c * p.z;
  if (den == 0.0) {
    return p;
  }
  const double t = -(num / den);
  return {float(p.x + t * (double(q.x) - p.x)), float(p.y + t * (double(q.y) - p.y)),
          float(p.z + t * (double(q.z) - p.z))};
}
