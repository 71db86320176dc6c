#pragma once

#include <cmath>

// A point in space or a vector. Coordinates are stored in single precision;
// every operation below evaluates in double and rounds to float only where it
// stores a component. They are defined here so that every caller can inline
// them: the engine calls them in its innermost loops.
struct Point3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

// a · b, summed as (z + y) + x.
inline double dot(Point3 a, Point3 b) {
  return (double(a.z) * b.z + double(a.y) * b.y) + double(a.x) * b.x;
}

// a × b, each component rounded to float.
inline Point3 cross(Point3 a, Point3 b) {
  return {float(double(a.y) * b.z - double(a.z) * b.y),
          float(double(a.z) * b.x - double(a.x) * b.z),
          float(double(a.x) * b.y - double(a.y) * b.x)};
}

// Euclidean length of v; 0 for the zero vector.
inline double length(Point3 v) { return std::sqrt(dot(v, v)); }

// Length of a × b, taken from the float-rounded cross product: twice the area
// of the parallelogram spanned by a and b.
inline double crossLength(Point3 a, Point3 b) { return length(cross(a, b)); }

// The vector from a to b, that is b − a, each component rounded to float.
inline Point3 difference(Point3 a, Point3 b) {
  return {float(double(b.x) - a.x), float(double(b.y) - a.y), float(double(b.z) - a.z)};
}

// u.x·v.y − u.y·v.x: the z component of the cross product of the x-y parts;
// z is ignored.
inline double det2(Point3 u, Point3 v) { return double(u.x) * v.y - double(u.y) * v.x; }

// Area of triangle p q r; 0 (up to rounding) for collinear or coinciding points.
inline double triangleArea(Point3 p, Point3 q, Point3 r) {
  return crossLength(difference(p, q), difference(p, r)) * 0.5;
}
