#include "intersection/triangle_triangle.h"

#include "geometry/predicates.h"
#include "intersection/coplanar_overlap.h"
#include "intersection/segment_segment.h"
#include "intersection/triangle_plane.h"

namespace {

IntersectionReport singlePoint(Point3 point, ResultMessage message) {
  IntersectionReport report;
  report.kind = 1;
  report.points[0] = point;
  report.message = message;
  return report;
}

} // namespace

IntersectionReport triangleIntersection(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2,
                                        Point3 C2) {
  Point3 p1, p2, q1, q2;
  // Both cuts are made before any decision: a miss by either wins over a
  // coplanar answer from the other.
  const int r1 = cutTriangleByPlane(A, B, C, A2, B2, C2, &p1, &p2);
  const int r2 = cutTriangleByPlane(A2, B2, C2, A, B, C, &q1, &q2);

  if (r1 == 0 || r2 == 0) {
    return {};
  }
  if (r1 == 1 || r2 == 1) {
    return coplanarOverlap(A, B, C, A2, B2, C2);
  }
  if (r1 == 2 && r2 == 2) {
    if (samePoint(p1, q1)) {
      return singlePoint(p1, ResultMessage::sharedVertex);
    }
  } else if (r1 == 2) {
    if (pointOnSegment(p1, q1, q2)) {
      return singlePoint(p1, ResultMessage::vertexOnSegment);
    }
  } else if (r2 == 2) {
    if (pointOnSegment(q1, p1, p2)) {
      return singlePoint(q1, ResultMessage::vertexOnSegment);
    }
  } else {
    IntersectionReport report;
    report.kind = segmentIntersection(p1, p2, q1, q2, &report.points[0], &report.points[1]);
    if (report.kind == 0) {
      // Both cuts lie on the line common to the two planes. A vertex within
      // the on-the-plane band may still sit just off that line and tilt its
      // cut past the parallel test; the overlap is then measured along the
      // line all the same.
      report.kind = collinearOverlap(p1, p2, q1, q2, &report.points[0], &report.points[1]);
    }
    if (report.kind == 1) {
      report.message = ResultMessage::segmentsCross;
    } else if (report.kind == 2) {
      report.message = ResultMessage::segment;
    }
    return report;
  }
  return {};
}

IntersectionKind intersectTriangles(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                    Point3 *M, Point3 *N, Point3 *P, Point3 *Q, Point3 *R,
                                    Point3 *S) {
  return deliverReport(triangleIntersection(A, B, C, A2, B2, C2), M, N, P, Q, R, S);
}
