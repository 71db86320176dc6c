#pragma once

#include "intersection/intersection_report.h"

// The intersection of triangles A B C and A2 B2 C2 (A', B', C'). Each triangle
// is cut by the other's plane; if either misses it, the triangles are apart; if
// either lies in it, they are coplanar and coplanarOverlap decides; otherwise
// the intersection lies on the line common to both planes and is a touching
// vertex, a crossing point or a segment (kind 0, 1 or 2). A far figure, whose
// largest absolute coordinate exceeds 16 times the longest side of the box
// around its six points, is answered about the middle of that box and its
// points moved back, so that its tolerance follows its own size. With
// `trace`, also tells how the answer was reached.
struct IntersectionTrace;
IntersectionReport triangleIntersection(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2,
                                        Point3 C2, IntersectionTrace *trace = nullptr);

// How triangleIntersection reached its answer, for a caller that explains it:
// the decisions it took with its tolerance, in the order it took them.
struct IntersectionTrace {
  enum class Path {
    planeMiss,       // one triangle lies strictly on one side of the other's plane
    spans,           // neither spans a plane: the segments they span met
    spanAndTriangle, // one spans no plane: its segment met the other triangle
    coplanar,        // one lies in the other's plane: their overlap in it
    cuts,            // the common part of the two cuts along the common line
    edgeInPlane,     // an edge lying in the other's plane, clipped to that triangle
    closestTouch,    // the cuts share nothing: the closest approach decided
  };
  Path path = Path::planeMiss;
  double scale = 0.0;      // the tolerance is 0.00001 × scale
  Point3 centre;           // taken away from every point before judging; 0 unless far
  bool degenerate[2] = {}; // A B C, A' B' C' taken for the segment each spans
  // Each cut made: cut[0] of A, B, C by the plane of A' B' C', cut[1] of A', B',
  // C' by the plane of A B C, with cutTriangleByPlane's code and each vertex's
  // side: +1 where the normal points, −1 opposite, 0 in the band.
  bool cut[2] = {};
  int code[2] = {};
  int side[2][3] = {};
};

// triangleIntersection with its one message printed to standard output and its
// points delivered into M, N, P, Q, R, S; slots beyond the returned kind are
// left as they were.
IntersectionKind intersectTriangles(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                    Point3 *M, Point3 *N, Point3 *P, Point3 *Q, Point3 *R,
                                    Point3 *S);
