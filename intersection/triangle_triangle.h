#pragma once

#include "intersection/intersection_report.h"

// The intersection of triangles A B C and A2 B2 C2 (A', B', C'). Each triangle
// is cut by the other's plane; if either misses it, the triangles are apart; if
// either lies in it, they are coplanar and coplanarOverlap decides; otherwise
// the intersection lies on the line common to both planes and is a touching
// vertex, a crossing point or a segment (kind 0, 1 or 2). A far figure, whose
// largest absolute coordinate exceeds 16 times the longest side of the box
// around its six points, is answered about the middle of that box and its
// points moved back, so that its tolerance follows its own size.
IntersectionReport triangleIntersection(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2,
                                        Point3 C2);

// triangleIntersection with its one message printed to standard output and its
// points delivered into M, N, P, Q, R, S; slots beyond the returned kind are
// left as they were.
IntersectionKind intersectTriangles(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                    Point3 *M, Point3 *N, Point3 *P, Point3 *Q, Point3 *R,
                                    Point3 *S);
