#include "intersection/segment_segment.h"

#include "geometry/predicates.h"
#include "geometry/tolerance.h"

#include <algorithm>
#include <cmath>

namespace {

double component(Point3 p, int axis) { return axis == 0 ? p.x : (axis == 1 ? p.y : p.z); }

// m.i·n.j − m.j·n.i: the 2-D determinant in the coordinate plane (i, j).
double det(Point3 m, Point3 n, int i, int j) {
  return component(m, i) * component(n, j) - component(m, j) * component(n, i);
}

// The coordinate in which v is longest; the first of x, y, z on a tie.
int longestAxis(Point3 v) {
  const double ax = std::fabs(double(v.x));
  const double ay = std::fabs(double(v.y));
  const double az = std::fabs(double(v.z));
  if (ax >= ay && ax >= az) {
    return 0;
  }
  return ay >= az ? 1 : 2;
}

// A coordinate plane whose |determinant| is at least this fraction of the
// largest of the three solves a crossing well; below it, rounding noise of the
// inputs can make the crossing's parameters noise too.
constexpr float kWellConditioned = 0.1f;

Point3 along(Point3 origin, Point3 direction, double t) {
  return {float(t * direction.x + origin.x), float(t * direction.y + origin.y),
          float(t * direction.z + origin.z)};
}

// The middle of two points, rounded to float.
Point3 middleOf(Point3 a, Point3 b) {
  return {float((double(a.x) + b.x) / 2), float((double(a.y) + b.y) / 2),
          float((double(a.z) + b.z) / 2)};
}

} // namespace

int collinearOverlap(Point3 p1, Point3 p2, Point3 q1, Point3 q2, Point3 *out1, Point3 *out2,
                     double scale) {
  const Point3 v = difference(q1, q2);
  const Point3 w = difference(q1, p1);
  const Point3 e = difference(q1, p2);
  const int k = longestAxis(v);
  if (component(v, k) == 0.0) {
    return 0; // the second segment has no length to measure along
  }
  const double t1 = component(w, k) / component(v, k);
  const float t2 = float(component(e, k) / component(v, k));
  double lo = t1;
  double hi = t2;
  if (t1 > t2) {
    lo = t2;
    hi = t1;
  }
  hi = float(hi);
  // The tolerance along the line, in the parameter's units: ends that rounding
  // left a hair apart still meet.
  const double span = length(v);
  const double slack = kTolerance * scale / span;
  if (lo > 1 + slack || hi < -slack) {
    return 0;
  }
  const double first = std::max(lo, 0.0);
  const double last = std::min(hi, 1.0);
  if ((last - first) * span < kTolerance * scale) {
    // The segments meet end to end. Where rounding left the ends apart, they
    // meet at an end as given that lies within the tolerance of the middle,
    // such as a touching vertex, rather than at a point recomputed.
    const Point3 middle = along(q1, v, std::clamp((first + last) / 2, 0.0, 1.0));
    *out1 = middle;
    double nearest = first == last ? 0.0 : kTolerance * scale;
    for (const Point3 &end : {p1, p2, q1, q2}) {
      if (const double apart = length(difference(middle, end)); apart < nearest) {
        nearest = apart;
        *out1 = end;
      }
    }
    return 1;
  }
  *out1 = along(q1, v, first);
  *out2 = along(q1, v, last);
  return 2;
}

int overlapBetweenEnds(Point3 p1, Point3 p2, Point3 q1, Point3 q2, Point3 *out1, Point3 *out2,
                       double scale) {
  const Point3 v = difference(q1, q2);
  const int k = longestAxis(v);
  if (component(v, k) == 0.0) {
    return 0;
  }
  const auto parameter = [&](Point3 x) {
    return (component(x, k) - component(q1, k)) / component(v, k);
  };
  Point3 first = p1;
  Point3 last = p2;
  double t1 = parameter(p1);
  double t2 = parameter(p2);
  if (t1 > t2) {
    std::swap(first, last);
    std::swap(t1, t2);
  }
  const double tol = kTolerance * scale;
  const double slack = tol / length(v);
  if (t1 > 1 + slack || t2 < -slack) {
    return 0;
  }
  const Point3 start = t1 > 0 ? first : q1;
  const Point3 end = t2 < 1 ? last : q2;
  if (length(difference(start, end)) < tol) {
    *out1 = middleOf(start, end);
    return 1;
  }
  *out1 = start;
  *out2 = end;
  return 2;
}

int segmentIntersection(Point3 p1, Point3 p2, Point3 q1, Point3 q2, Point3 *out1, Point3 *out2,
                        double scale) {
  const double tol = kTolerance * scale;
  // A segment of no length meets the other where its point lies on it; the
  // length sum alone lets a point well off the middle of a long segment pass.
  if (samePoint(p1, p2)) {
    if (!pointOnSegment(p1, q1, q2) || !(distanceToSegment(p1, q1, q2) < tol)) {
      return 0;
    }
    *out1 = p1;
    return 1;
  }
  if (samePoint(q1, q2)) {
    if (!pointOnSegment(q1, p1, p2) || !(distanceToSegment(q1, p1, p2) < tol)) {
      return 0;
    }
    *out1 = q1;
    return 1;
  }

  const Point3 u = difference(p1, p2);
  const Point3 v = difference(q1, q2);
  const Point3 w = difference(q1, p1);
  const double c3 = crossLength(u, v);
  // sqrt is correctly rounded and never decreasing: the root of the larger
  // squared length is max(|u|, |v|), bit for bit.
  const double longer = std::sqrt(std::max(dot(u, u), dot(v, v)));

  // |u × v| / max(|u|, |v|) is how far the shorter segment's far end strays
  // from the longer one's direction.
  if (c3 < tol * longer) {
    // |u × w| / |u| is the distance of q1 from the first segment's line, and
    // |v × w| / |v| that of p1 from the second's, measured only when q1 is far.
    const auto near = [tol, w](Point3 direction) {
      return float(crossLength(direction, w)) < tol * length(direction);
    };
    if (!(near(u) || near(v))) {
      return 0;
    }
    // The overlap is measured along one axis of the second segment only: at
    // the scale of the tolerance, segments far apart pass both tests above
    // and would "overlap" there. Each end must lie on both segments.
    Point3 ends[2];
    const int common = collinearOverlap(p1, p2, q1, q2, &ends[0], &ends[1], scale);
    for (int i = 0; i < common; ++i) {
      if (!(distanceToSegment(ends[i], p1, p2) < tol && distanceToSegment(ends[i], q1, q2) < tol)) {
        return 0;
      }
    }
    if (common >= 1) {
      *out1 = ends[0];
    }
    if (common == 2) {
      *out2 = ends[1];
    }
    return common;
  }

  // Lines that are not parallel meet in one point at most: segments that share
  // an end meet there, exactly. Solved, nearly parallel edges of two figures
  // that share a vertex would put their crossing a rounding error away.
  for (const Point3 &end : {p1, p2}) {
    if (samePoint(end, q1) || samePoint(end, q2)) {
      *out1 = end;
      return 1;
    }
  }
  // Solve in the first coordinate plane, XY, XZ, YZ, whose determinant is not
  // small beside the largest: in a plane seen nearly edge on the projected
  // directions are almost parallel, and their determinant is rounding noise
  // of the inputs, which s and r would only repeat.
  constexpr int kPlanes[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  float determinants[3];
  float largest = 0.0f;
  for (int k = 0; k < 3; ++k) {
    determinants[k] = float(det(u, v, kPlanes[k][0], kPlanes[k][1]));
    largest = std::max(largest, std::fabs(determinants[k]));
  }
  int plane = 0;
  while (plane < 2 && std::fabs(determinants[plane]) < kWellConditioned * largest) {
    ++plane;
  }
  const auto [i, j] = kPlanes[plane];
  const float Dp = determinants[plane];
  if (Dp == 0.0f) {
    return 0;
  }
  // An end that lies on the other segment within the tolerance counts: the
  // parameters may stray past 0 and 1 by the tolerance's length, and the point
  // is then taken back onto both segments.
  const float s = float(det(v, w, i, j) / Dp);
  const double sSlack = tol / length(u);
  if (!(s >= -sSlack && s <= 1 + sSlack)) {
    return 0;
  }
  const float r = float(det(u, w, i, j) / Dp);
  const double rSlack = tol / length(v);
  if (!(r >= -rSlack && r <= 1 + rSlack)) {
    return 0;
  }
  const double sOn = std::clamp(double(s), 0.0, 1.0);
  const double rOn = std::clamp(double(r), 0.0, 1.0);
  // The point on the first segment, unless only the second's parameter had to
  // be taken back: the crossing is then that segment's end, which lies on the
  // first within the tolerance.
  const bool second = r != rOn && s == sOn;
  const Point3 &origin = second ? q1 : p1;
  const Point3 &direction = second ? v : u;
  const double t = second ? rOn : sOn;
  const Point3 crossing{float(component(origin, 0) + t * component(direction, 0)),
                        float(component(origin, 1) + t * component(direction, 1)),
                        float(component(origin, 2) + t * component(direction, 2))};
  // The projections cross; the segments themselves must meet in space too, at
  // the very point reported.
  if (!(distanceToSegment(crossing, p1, p2) < tol && distanceToSegment(crossing, q1, q2) < tol)) {
    return 0;
  }
  *out1 = crossing;
  return 1;
}
