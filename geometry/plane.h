#pragma once

#include "geometry/point3.h"

// The plane a·x + b·y + c·z + d = 0. The normal (a, b, c) is not normalised:
// for a plane built by makePlane(p, q, r) it is (q − p) × (r − p), twice the
// area of p q r long, and it points to the side from which p, q, r run
// counter-clockwise. `point` is the first defining point; nothing reads it.
struct Plane {
  float a = 0.0f;
  float b = 0.0f;
  float c = 0.0f;
  float d = 0.0f;
  Point3 point;
};

// The plane through p, q and r, from the expanded determinant forms, each
// coefficient rounded to float. Collinear points give a zero normal.
Plane makePlane(Point3 p, Point3 q, Point3 r);

// The plane expression at x, truncated toward zero: positive on the side the
// normal points to, 0 when the expression lies strictly between −1 and 1.
// The expression is scaled by |normal|, so the band that truncates to 0 is
// 1/|normal| thick. Values beyond the int range clamp to its ends; NaN gives 0.
int planeValue(Point3 x, const Plane &plane);

// Where the line through p and q meets the plane (p at parameter 0, q at 1).
// A line parallel to the plane, or p equal to q, has no such point: gives p.
Point3 linePlaneIntersection(const Plane &plane, Point3 p, Point3 q);
