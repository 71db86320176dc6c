#include "intersection/triangle_triangle.h"

#include "geometry/predicates.h"
#include "geometry/tolerance.h"
#include "intersection/coplanar_overlap.h"
#include "intersection/segment_segment.h"
#include "intersection/segment_triangle.h"
#include "intersection/triangle_plane.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

// Both triangles degenerate: the common part of their spans.
IntersectionReport spanIntersection(Span first, Span second, double scale) {
  IntersectionReport report;
  report.kind = segmentIntersection(first.start, first.end, second.start, second.end,
                                    &report.points[0], &report.points[1], scale);
  report.message = overlapMessage(report.kind);
  return report;
}

// Triangles whose cuts share no point may still come within the tolerance of
// each other: an edge that meets the other plane at a shallow angle has its
// cut's end thrown along the common line by rounding / sin(angle). They then
// touch, at the vertex nearest to the other triangle where one lies within the
// tolerance of it, else at the middle of the closest pair of edges.
IntersectionReport closestTouch(const Point3 (&first)[3], const Point3 (&second)[3], double scale) {
  const Point3 *const triangles[2] = {first, second};
  double nearest = kTolerance * scale;
  IntersectionReport report;
  for (int t = 0; t < 2; ++t) {
    const Point3 *other = triangles[1 - t];
    for (int i = 0; i < 3; ++i) {
      const double apart = distanceToTriangle(triangles[t][i], other[0], other[1], other[2]);
      if (apart < nearest) {
        nearest = apart;
        report = singlePoint(triangles[t][i], ResultMessage::vertexOnSegment);
      }
    }
  }
  if (report.kind == 1) {
    return report;
  }
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const SegmentGap gap =
          gapBetweenSegments(first[i], first[(i + 1) % 3], second[j], second[(j + 1) % 3]);
      if (gap.distance < nearest) {
        nearest = gap.distance;
        report = singlePoint(gap.middle, ResultMessage::segmentsCross);
      }
    }
  }
  return report;
}

// The common part of the two cuts, which lie on the line common to the two
// planes: p1 (p2) of the first triangle, with code r1, and q1 (q2) of the
// second, with r2, each 2 (a touching vertex) or 3 (a segment). `onBoth`
// confirms a point within the tolerance of both triangles.
IntersectionReport commonPartOfCuts(int r1, Point3 p1, Point3 p2, int r2, Point3 q1, Point3 q2,
                                    double scale, const auto &onBoth) {
  if (r1 == 2 && r2 == 2) {
    return samePoint(p1, q1) ? singlePoint(p1, ResultMessage::sharedVertex) : IntersectionReport{};
  }
  if (r1 == 2 || r2 == 2) {
    const Point3 vertex = r1 == 2 ? p1 : q1;
    const bool onCut = r1 == 2 ? pointOnSegment(p1, q1, q2) : pointOnSegment(q1, p1, p2);
    return onCut && onBoth(vertex) ? singlePoint(vertex, ResultMessage::vertexOnSegment)
                                   : IntersectionReport{};
  }
  IntersectionReport report;
  report.kind = segmentIntersection(p1, p2, q1, q2, &report.points[0], &report.points[1], scale);
  // The cuts' common part lies within the tolerance of each cut, and each cut
  // on its triangle up to rounding: both triangles must hold it too.
  const auto confirmed = [&] {
    return std::all_of(report.points, report.points + report.kind, onBoth);
  };
  if (report.kind == 0 || !confirmed()) {
    // A vertex within the on-the-plane band may still sit just off the
    // common line and tilt its cut past the parallel test; the overlap is
    // then measured along the line all the same, on the second cut. The tilt
    // can carry such a point off the first triangle; the overlap's ends are
    // then the cuts' own ends, each on its triangle.
    report.kind = collinearOverlap(p1, p2, q1, q2, &report.points[0], &report.points[1], scale);
    if (!confirmed()) {
      report.kind = overlapBetweenEnds(p1, p2, q1, q2, &report.points[0], &report.points[1], scale);
    }
    if (!confirmed()) {
      report.kind = 0;
    }
  }
  report.message = report.kind == 1   ? ResultMessage::segmentsCross
                   : report.kind == 2 ? ResultMessage::segment
                                      : ResultMessage::apart;
  return report;
}

// The intersection of two triangles, judged in the units of their coordinates
// with a scale of at least `floor` (see roundingScale), and how it was found.
IntersectionReport intersectionHere(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
                                    double floor, IntersectionTrace &trace, bool explain) {
  using Path = IntersectionTrace::Path;
  // L of the six points: each triangle's own is never NaN, so std::max takes
  // the larger exactly.
  const TrianglePlane second = trianglePlane(A2, B2, C2, floor);
  const double scale = std::max(toleranceScale(A, B, C), second.scale);
  trace.scale = scale;
  // Each cut, with the sides its vertices were found on.
  const auto cut = [&](int which, const Point3(&vertices)[3], const TrianglePlane &plane,
                       Point3 *out1, Point3 *out2) {
    const CuttingPlane cutting = cuttingPlane(plane, scale);
    trace.cut[which] = true;
    for (int i = 0; i < 3 && explain; ++i) {
      trace.side[which][i] = sideOf(cutting, vertices[i]);
    }
    trace.code[which] =
        cutTriangleByPlane(vertices[0], vertices[1], vertices[2], cutting, out1, out2);
    return trace.code[which];
  };

  // A miss by either cut wins over a coplanar answer from the other. A, B, C
  // all strictly on one side of a proper A' B' C' is a miss even when A B C
  // is degenerate, since its span's ends are two of them: its plane can wait.
  Point3 p1, p2;
  int r1 = 0;
  trace.path = Path::planeMiss;
  trace.degenerate[1] = second.degenerate;
  if (!second.degenerate) {
    r1 = cut(0, {A, B, C}, second, &p1, &p2);
    if (r1 == 0) {
      return {};
    }
  }

  // A degenerate triangle is a segment: it has no plane to cut the other with.
  const TrianglePlane first = trianglePlane(A, B, C, floor);
  trace.degenerate[0] = first.degenerate;
  IntersectionReport report;
  if (first.degenerate && second.degenerate) {
    trace.path = Path::spans;
    report = spanIntersection(spanOf(A, B, C), spanOf(A2, B2, C2), scale);
  } else if (first.degenerate || second.degenerate) {
    trace.path = Path::spanAndTriangle;
    const Span span = first.degenerate ? spanOf(A, B, C) : spanOf(A2, B2, C2);
    report = first.degenerate ? segmentTriangleIntersection(span.start, span.end, A2, B2, C2, scale)
                              : segmentTriangleIntersection(span.start, span.end, A, B, C, scale);
  } else {
    Point3 q1, q2;
    const int r2 = cut(1, {A2, B2, C2}, first, &q1, &q2);
    if (r2 == 0) {
      return {};
    }
    if (r1 == 1 || r2 == 1) {
      trace.path = Path::coplanar;
      return coplanarOverlap(A, B, C, A2, B2, C2, scale);
    }
    // The containment tests judge by sums of areas or lengths, which for
    // small or thin figures let through points well off a triangle: every
    // point found by them is confirmed within the tolerance of the triangle
    // it must lie on.
    const auto onBoth = [&](Point3 x) {
      return belowTolerance(distanceToTriangle(x, A, B, C), scale) &&
             belowTolerance(distanceToTriangle(x, A2, B2, C2), scale);
    };
    trace.path = Path::cuts;
    report = commonPartOfCuts(r1, p1, p2, r2, q1, q2, scale, onBoth);
    // An edge lying in the other triangle's plane is its triangle's cut there,
    // exactly; the other cut's ends may be thrown off it along the common
    // line by rounding / sin(angle), where an edge meets the plane at a
    // shallow angle. The part of that edge over the other triangle remains.
    const auto isEdge = [](Point3 a, Point3 b, std::initializer_list<Point3> triangle) {
      const auto isVertex = [&](Point3 x) {
        return std::any_of(triangle.begin(), triangle.end(),
                           [&](Point3 vertex) { return samePoint(x, vertex); });
      };
      return isVertex(a) && isVertex(b);
    };
    if (report.kind == 0 && r1 == 3 && isEdge(p1, p2, {A, B, C})) {
      trace.path = Path::edgeInPlane;
      report = segmentTriangleIntersection(p1, p2, A2, B2, C2, scale);
    } else if (report.kind == 0 && r2 == 3 && isEdge(q1, q2, {A2, B2, C2})) {
      trace.path = Path::edgeInPlane;
      report = segmentTriangleIntersection(q1, q2, A, B, C, scale);
    }
  }
  if (report.kind == 0) {
    trace.path = Path::closestTouch;
    report = closestTouch({A, B, C}, {A2, B2, C2}, scale);
  }
  return report;
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
                                        Point3 C2, IntersectionTrace *trace) {
  IntersectionTrace unused;
  IntersectionTrace &told = trace != nullptr ? *trace : unused;
  const Point3 v[6] = {A, B, C, A2, B2, C2};
  const std::optional<Point3> centre = farCentre(v);
  if (!centre) {
    return intersectionHere(A, B, C, A2, B2, C2, 0.0, told, trace != nullptr);
  }
  told.centre = *centre;
  // Far figures are answered about their own centre, where the tolerance
  // follows their own size, but never below what their typed coordinates
  // resolve; the answer is moved back.
  Point3 moved[6];
  for (int i = 0; i < 6; ++i) {
    moved[i] = difference(*centre, v[i]);
  }
  IntersectionReport report =
      intersectionHere(moved[0], moved[1], moved[2], moved[3], moved[4], moved[5],
                       roundingScale(v, 6), told, trace != nullptr);
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
