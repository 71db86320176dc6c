#pragma once

#include "intersection/intersection_report.h"

// The overlap of triangles A B C and A2 B2 C2 (A', B', C') that lie in one
// plane, as its corners in the order found: vertices of the first triangle
// inside the second, vertices of the second inside the first, then crossings
// of the nine edge pairs (AB, AC, BC of the first against A'B', A'C', B'C').
// A corner is taken once: one that matches an earlier one in every coordinate
// within the tolerance is the same
// corner found again, and the earlier one stays. At most six corners are kept;
// later ones are dropped. The kind is the number of corners, 0 to 6. Every
// corner lies within the tolerance 0.00001 × scale of both triangles, scale
// being the figure's (toleranceScale of the six points, or more for a far
// figure).
IntersectionReport coplanarOverlap(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                   double scale);

// coplanarOverlap, with the scale of the six points, printed to standard output and delivered into
// the slots M, N, P, Q, R, S; slots beyond the returned kind are left as they were.
IntersectionKind intersectCoplanar(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                   Point3 *M, Point3 *N, Point3 *P, Point3 *Q, Point3 *R,
                                   Point3 *S);
