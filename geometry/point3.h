#pragma once

// A point in space or a vector. Coordinates are stored in single precision;
// every operation below evaluates in double and rounds to float only where it
// stores a component.
struct Point3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

// a · b, summed as (z + y) + x.
double dot(Point3 a, Point3 b);

// a × b, each component rounded to float.
Point3 cross(Point3 a, Point3 b);

// Euclidean length of v; 0 for the zero vector.
double length(Point3 v);

// Length of a × b, taken from the float-rounded cross product: twice the area
// of the parallelogram spanned by a and b.
double crossLength(Point3 a, Point3 b);

// The vector from a to b, that is b − a, each component rounded to float.
Point3 difference(Point3 a, Point3 b);

// u.x·v.y − u.y·v.x: the z component of the cross product of the x-y parts;
// z is ignored.
double det2(Point3 u, Point3 v);

// Area of triangle p q r; 0 (up to rounding) for collinear or coinciding points.
double triangleArea(Point3 p, Point3 q, Point3 r);
