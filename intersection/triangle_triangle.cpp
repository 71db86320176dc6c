#include "intersection/triangle_triangle.h"

#include "geometry/predicates.h"
#include "geometry/tolerance.h"
#include "intersection/coplanar_overlap.h"
#include "intersection/segment_segment.h"
#include "intersection/segment_triangle.h"
#include "intersection/triangle_plane.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Both triangles degenerate: the common part of their spans.
IntersectionReport spanIntersection(Span first, Span second) {
  IntersectionReport report;
  report.kind = segmentIntersection(first.start, first.end, second.start, second.end,
                                    &report.points[0], &report.points[1]);
  report.message = overlapMessage(report.kind);
  return report;
}

// The intersection of two triangles, judged in the units of their coordinates.
IntersectionReport intersectionHere(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2) {
  // L of the six points: each triangle's own is never NaN, so std::max takes
  // the larger exactly.
  const TrianglePlane second = trianglePlane(A2, B2, C2);
  const double scale = std::max(toleranceScale(A, B, C), second.scale);

  // A miss by either cut wins over a coplanar answer from the other. A, B, C
  // all strictly on one side of a proper A' B' C' is a miss even when A B C
  // is degenerate, since its span's ends are two of them: its plane can wait.
  Point3 p1, p2;
  int r1 = 0;
  if (!second.degenerate) {
    r1 = cutTriangleByPlane(A, B, C, cuttingPlane(second, scale), &p1, &p2);
    if (r1 == 0) {
      return {};
    }
  }

  // A degenerate triangle is a segment: it has no plane to cut the other with.
  const TrianglePlane first = trianglePlane(A, B, C);
  if (first.degenerate && second.degenerate) {
    return spanIntersection(spanOf(A, B, C), spanOf(A2, B2, C2));
  }
  if (first.degenerate || second.degenerate) {
    const Span span = first.degenerate ? spanOf(A, B, C) : spanOf(A2, B2, C2);
    return first.degenerate ? segmentTriangleIntersection(span.start, span.end, A2, B2, C2, scale)
                            : segmentTriangleIntersection(span.start, span.end, A, B, C, scale);
  }

  // The containment tests judge by sums of areas or lengths, which for small
  // or thin figures let through points well off a triangle: every point found
  // by them is confirmed within the tolerance of the triangle it must lie on.
  const auto onBoth = [&](Point3 x) {
    return belowTolerance(distanceToTriangle(x, A, B, C), scale) &&
           belowTolerance(distanceToTriangle(x, A2, B2, C2), scale);
  };

  Point3 q1, q2;
  const int r2 = cutTriangleByPlane(A2, B2, C2, cuttingPlane(first, scale), &q1, &q2);
  if (r2 == 0) {
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
    if (pointOnSegment(p1, q1, q2) && onBoth(p1)) {
      return singlePoint(p1, ResultMessage::vertexOnSegment);
    }
  } else if (r2 == 2) {
    if (pointOnSegment(q1, p1, p2) && onBoth(q1)) {
      return singlePoint(q1, ResultMessage::vertexOnSegment);
    }
  } else {
    IntersectionReport report;
    report.kind = segmentIntersection(p1, p2, q1, q2, &report.points[0], &report.points[1]);
    if (report.kind == 0) {
      // Both cuts lie on the line common to the two planes. A vertex within
      // the on-the-plane band may still sit just off that line and tilt its
      // cut past the parallel test; the overlap is then measured along the
      // line all the same, on the second cut. The tilt can carry such a point
      // off the first triangle; the overlap's ends are then the cuts' own
      // ends, each on its triangle. Either way both triangles must hold them.
      const auto confirmed = [&] {
        return std::all_of(report.points, report.points + report.kind, onBoth);
      };
      report.kind = collinearOverlap(p1, p2, q1, q2, &report.points[0], &report.points[1]);
      if (!confirmed()) {
        report.kind = overlapBetweenEnds(p1, p2, q1, q2, &report.points[0], &report.points[1]);
      }
      if (!confirmed()) {
        report.kind = 0;
      }
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

// A figure whose largest coordinate exceeds this many times its own width is
// far: the tolerance, scaled by that coordinate, would outgrow the figure, and
// floats at such a distance keep too few of its bits in a plane's d or a
// computed point.
constexpr double kFarFigure = 16.0;

// x − m is exact in float when x lies within a factor of two of m (Sterbenz).
bool withinTwice(double x, double m) {
  return m > 0.0 ? m / 2.0 <= x && x <= 2.0 * m : 2.0 * m <= x && x <= m / 2.0;
}

// The centre about which a far figure is computed: on each axis where every
// coordinate lies within a factor of two of it, the middle of the six points'
// range rounded to float, so that taking it away is exact; 0 on the other
// axes. Nothing, for a figure that is not far.
std::optional<Point3> farCentre(const Point3 (&v)[6]) {
  float Point3::*const axes[3] = {&Point3::x, &Point3::y, &Point3::z};
  double low[3];
  double high[3];
  double width = 0.0;
  double largest = 0.0;
  for (int a = 0; a < 3; ++a) {
    low[a] = high[a] = v[0].*axes[a];
    for (const Point3 &p : v) {
      low[a] = std::min(low[a], double(p.*axes[a]));
      high[a] = std::max(high[a], double(p.*axes[a]));
    }
    width = std::max(width, high[a] - low[a]);
    largest = std::max({largest, std::fabs(low[a]), std::fabs(high[a])});
  }
  // Written so that a NaN anywhere leaves the figure where it is.
  if (!(largest > kFarFigure * width)) {
    return std::nullopt;
  }
  Point3 centre;
  for (int a = 0; a < 3; ++a) {
    const float middle = float((low[a] + high[a]) / 2.0);
    const bool exact = withinTwice(low[a], middle) && withinTwice(high[a], middle);
    centre.*axes[a] = exact ? middle : 0.0f;
  }
  return centre;
}

} // namespace

IntersectionReport triangleIntersection(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2,
                                        Point3 C2) {
  const Point3 v[6] = {A, B, C, A2, B2, C2};
  const std::optional<Point3> centre = farCentre(v);
  if (!centre) {
    return intersectionHere(A, B, C, A2, B2, C2);
  }
  // Far figures are answered about their own centre, where the tolerance
  // follows their own size, and the answer is moved back.
  Point3 moved[6];
  for (int i = 0; i < 6; ++i) {
    moved[i] = difference(*centre, v[i]);
  }
  IntersectionReport report =
      intersectionHere(moved[0], moved[1], moved[2], moved[3], moved[4], moved[5]);
  for (int i = 0; i < report.kind; ++i) {
    const Point3 p = report.points[i];
    report.points[i] = {float(double(p.x) + centre->x), float(double(p.y) + centre->y),
                        float(double(p.z) + centre->z)};
  }
  return report;
}

IntersectionKind intersectTriangles(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                    Point3 *M, Point3 *N, Point3 *P, Point3 *Q, Point3 *R,
                                    Point3 *S) {
  return deliverReport(triangleIntersection(A, B, C, A2, B2, C2), M, N, P, Q, R, S);
}
