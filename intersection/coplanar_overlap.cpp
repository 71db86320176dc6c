#include "intersection/coplanar_overlap.h"

#include "geometry/predicates.h"
#include "geometry/tolerance.h"
#include "intersection/segment_segment.h"

#include <algorithm>
#include <cmath>

namespace {

bool nearlyEqual(float a, float b) {
  return belowTolerance(double(a) - b, std::max({1.0, std::fabs(double(a)), std::fabs(double(b))}));
}

// One corner can be found twice, through different sources (a vertex on the
// other's edge is an inside vertex and an edge crossing), and the two computed
// points need not agree in every bit.
bool sameCorner(Point3 p, Point3 q) {
  return nearlyEqual(p.x, q.x) && nearlyEqual(p.y, q.y) && nearlyEqual(p.z, q.z);
}

void append(IntersectionReport &report, Point3 candidate) {
  for (int i = 0; i < report.kind; ++i) {
    if (sameCorner(report.points[i], candidate)) {
      return;
    }
  }
  // Two convex triangles overlap in at most six corners; anything past that
  // is rounding, and there is no room for it.
  if (report.kind < 6) {
    report.points[report.kind++] = candidate;
  }
}

} // namespace

IntersectionReport coplanarOverlap(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2) {
  IntersectionReport report;
  for (const Point3 &vertex : {A, B, C}) {
    if (pointInTriangle(A2, B2, C2, vertex)) {
      append(report, vertex);
    }
  }
  for (const Point3 &vertex : {A2, B2, C2}) {
    if (pointInTriangle(A, B, C, vertex)) {
      append(report, vertex);
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
        append(report, out1);
      }
      if (common == 2) {
        append(report, out2);
      }
    }
  }

  switch (report.kind) {
  case 0:
    report.message = ResultMessage::apart;
    break;
  case 1:
    report.message = ResultMessage::vertexOnSegment;
    break;
  case 2:
    report.message = ResultMessage::segment;
    break;
  default:
    report.message = ResultMessage::polygon;
    break;
  }
  return report;
}

IntersectionKind intersectCoplanar(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                   Point3 *M, Point3 *N, Point3 *P, Point3 *Q, Point3 *R,
                                   Point3 *S) {
  return deliverReport(coplanarOverlap(A, B, C, A2, B2, C2), M, N, P, Q, R, S);
}
