#pragma once

#include "geometry/plane.h"

// True when A B C span no plane: its normal is zero, or its smallest height
// (|normal| / longest edge) is below 0.00001 × L, where L is the
// toleranceScale of A, B, C. Such a "triangle" is the segment between its two
// vertices farthest apart. Only the triangle's own vertices set L, so a small
// triangle stays proper however far away the other one is.
bool isDegenerateTriangle(Point3 A, Point3 B, Point3 C);

// The plane of a proper triangle with its on-the-plane band: a point lies on
// the plane when it is within 0.00001 × scale of it.
struct CuttingPlane {
  Plane plane;  // as makePlane built it; crossings are computed on this one
  Plane banded; // rescaled so that planeValue truncates to 0 exactly in the band
};

// The plane of A2 B2 C2 (A', B', C'), which must not be degenerate, with the
// band for `scale` (the L of all the points being compared).
CuttingPlane cuttingPlane(Point3 A2, Point3 B2, Point3 C2, double scale);

// A triangle's plane with what the degenerate test measures on the way: a
// caller that tests a triangle and then cuts with it builds its plane once.
struct TrianglePlane {
  Plane plane;         // makePlane(A, B, C)
  double normalLength; // |(a, b, c)| of that plane
  double scale;        // L of the triangle's own three vertices, at least `floor`
  bool degenerate;     // isDegenerateTriangle(A, B, C) with that L
};

// The plane of A B C, judged with L no smaller than `floor`: the rounding
// scale of a far figure's typed coordinates (roundingScale), or 0.
TrianglePlane trianglePlane(Point3 A, Point3 B, Point3 C, double floor);

// cuttingPlane of the triangle measured by trianglePlane, which must not be
// degenerate; the same plane and band, bit for bit.
CuttingPlane cuttingPlane(const TrianglePlane &triangle, double scale);

// +1 above the plane (the side its normal points to), −1 below, 0 in the band.
int sideOf(const CuttingPlane &cutting, Point3 x);

// How triangle A B C meets the plane through A2 B2 C2 (A', B', C'):
//   0  all three vertices strictly on one side: no common point; nothing written.
//   1  all three vertices on the plane: the triangle lies in it; nothing written.
//   2  one vertex on the plane, the other two strictly on one side: the triangle
//      touches the plane in that vertex, written to out1.
//   3  the triangle meets the plane along a segment, written to out1 and out2.
// A vertex is on the plane when it lies within 0.00001 × L of it, where L is
// the toleranceScale of the six points. Vertices on the
// plane come first, unchanged and in the order A, B, C; edge crossings follow
// in the order of the edges AB, AC, BC. When A' B' C' is degenerate (see
// isDegenerateTriangle) there is no plane to cut with and the code is 1.
int cutTriangleByPlane(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2, Point3 *out1,
                       Point3 *out2);

// cutTriangleByPlane with the plane of a proper A' B' C' already built, with
// the band for L of the six points: codes 0, 2 and 3 as above, and 1 only for a
// triangle lying in the plane.
int cutTriangleByPlane(Point3 A, Point3 B, Point3 C, const CuttingPlane &cutting, Point3 *out1,
                       Point3 *out2);
