#include "intersection/coplanar_overlap.h"

#include "geometry/predicates.h"
#include "geometry/tolerance.h"
#include "intersection/segment_segment.h"

#include <initializer_list>

IntersectionReport coplanarOverlap(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2) {
  CornerList corners;
  // The area test alone lets through, for small triangles, vertices lying
  // well outside: a vertex counts only within the tolerance of the other.
  const double scale = toleranceScale(A, B, C, A2, B2, C2);
  const double area = triangleArea(A, B, C);
  const double area2 = triangleArea(A2, B2, C2);
  for (const Point3 &vertex : {A, B, C}) {
    if (pointInTriangle(A2, B2, C2, area2, vertex) &&
        belowTolerance(distanceToTriangle(vertex, A2, B2, C2), scale)) {
      addCorner(corners, vertex, scale);
    }
  }
  for (const Point3 &vertex : {A2, B2, C2}) {
    if (pointInTriangle(A, B, C, area, vertex) &&
        belowTolerance(distanceToTriangle(vertex, A, B, C), scale)) {
      addCorner(corners, vertex, scale);
    }
  }
  const Point3 firstEdges[3][2] = {{A, B}, {A, C}, {B, C}};
  const Point3 secondEdges[3][2] = {{A2, B2}, {A2, C2}, {B2, C2}};
  for (const auto &first : firstEdges) {
    for (const auto &second : secondEdges) {
      Point3 out1;
      Point3 out2;
      const int common =
          segmentIntersection(first[0], first[1], second[0], second[1], &out1, &out2);
      if (common >= 1) {
        addCorner(corners, out1, scale);
      }
      if (common == 2) {
        addCorner(corners, out2, scale);
      }
    }
  }

  return overlapReport(corners);
}

IntersectionKind intersectCoplanar(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                   Point3 *M, Point3 *N, Point3 *P, Point3 *Q, Point3 *R,
                                   Point3 *S) {
  return deliverReport(coplanarOverlap(A, B, C, A2, B2, C2), M, N, P, Q, R, S);
}
