#include "intersection/coplanar_overlap.h"

#include "geometry/predicates.h"
#include "geometry/tolerance.h"
#include "intersection/segment_segment.h"

#include <initializer_list>

IntersectionReport coplanarOverlap(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                   double scale) {
  CornerList corners;
  // A vertex counts as inside the other triangle within the tolerance of it,
  // measured by distance: a test by sums of areas would let through, for
  // small triangles, vertices lying well outside, and turn away others that
  // lie within the tolerance of an edge of a large one.
  for (const Point3 &vertex : {A, B, C}) {
    if (belowTolerance(distanceToTriangle(vertex, A2, B2, C2), scale)) {
      addCorner(corners, vertex, scale);
    }
  }
  for (const Point3 &vertex : {A2, B2, C2}) {
    if (belowTolerance(distanceToTriangle(vertex, A, B, C), scale)) {
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
          segmentIntersection(first[0], first[1], second[0], second[1], &out1, &out2, scale);
      if (common == 1) {
        addCrossing(corners, out1, first[0], first[1], second[0], second[1], scale);
      } else if (common == 2) {
        addCorner(corners, out1, scale);
        addCorner(corners, out2, scale);
      }
    }
  }

  return overlapReport(corners);
}

IntersectionKind intersectCoplanar(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                   Point3 *M, Point3 *N, Point3 *P, Point3 *Q, Point3 *R,
                                   Point3 *S) {
  return deliverReport(coplanarOverlap(A, B, C, A2, B2, C2, toleranceScale(A, B, C, A2, B2, C2)), M,
                       N, P, Q, R, S);
}
