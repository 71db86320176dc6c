#include "geometry/point3.h"

#include <cmath>

double dot(Point3 a, Point3 b) {
  return (double(a.z) * b.z + double(a.y) * b.y) + double(a.x) * b.x;
}

Point3 cross(Point3 a, Point3 b) {
  return {float(double(a.y) * b.z - double(a.z) * b.y),
          float(double(a.z) * b.x - double(a.x) * b.z),
          float(double(a.x) * b.y - double(a.y) * b.x)};
}

double length(Point3 v) { return std::sqrt(dot(v, v)); }

double crossLength(Point3 a, Point3 b) { return length(cross(a, b)); }

Point3 difference(Point3 a, Point3 b) {
  return {float(double(b.x) - a.x), float(double(b.y) - a.y), float(double(b.z) - a.z)};
}

double det2(Point3 u, Point3 v) { return double(u.x) * v.y - double(u.y) * v.x; }

double triangleArea(Point3 p, Point3 q, Point3 r) {
  return crossLength(difference(p, q), difference(p, r)) * 0.5;
}
