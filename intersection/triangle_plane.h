#pragma once

#include "geometry/point3.h"

// How triangle A B C meets the plane through A2 B2 C2 (A', B', C'):
//   0  all three vertices strictly on one side: no common point; nothing written.
//   1  all three vertices on the plane: the triangle lies in it; nothing written.
//   2  one vertex on the plane, the other two strictly on one side: the triangle
//      touches the plane in that vertex, written to out1.
//   3  the triangle meets the plane along a segment, written to out1 and out2.
// A vertex is on the plane when it lies within 0.00001 × L of it, where L is
// max(1, the largest absolute coordinate of the six points). Vertices on the
// plane come first, unchanged and in the order A, B, C; edge crossings follow
// in the order of the edges AB, AC, BC. When A' B' C' are collinear within that
// tolerance there is no plane to cut with and the code is 1.
int cutTriangleByPlane(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2, Point3 *out1,
                       Point3 *out2);
