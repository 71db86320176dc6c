#include "intersection/segment_triangle.h"

#include "geometry/predicates.h"
#include "geometry/tolerance.h"
#include "intersection/segment_segment.h"
#include "intersection/triangle_plane.h"

#include <algorithm>
#include <initializer_list>

namespace {

// A point counts as in the triangle within the tolerance of it, measured by
// distance, as a vertex of a coplanar overlap does.
bool inTriangle(Point3 x, Point3 A, Point3 B, Point3 C, double scale) {
  return belowTolerance(distanceToTriangle(x, A, B, C), scale);
}

// The part of s1 s2 over triangle A B C, within the tolerance: its ends there,
// and its crossings with the edges.
IntersectionReport clipToTriangle(Point3 s1, Point3 s2, Point3 A, Point3 B, Point3 C,
                                  double scale) {
  CornerList corners;
  for (const Point3 &end : {s1, s2}) {
    if (inTriangle(end, A, B, C, scale)) {
      addCorner(corners, end, scale);
    }
  }
  const Point3 edges[3][2] = {{A, B}, {A, C}, {B, C}};
  for (const auto &edge : edges) {
    Point3 out1;
    Point3 out2;
    const int common = segmentIntersection(s1, s2, edge[0], edge[1], &out1, &out2, scale);
    if (common == 1) {
      addCrossing(corners, out1, s1, s2, edge[0], edge[1], scale);
    } else if (common == 2) {
      addCorner(corners, out1, scale);
      addCorner(corners, out2, scale);
    }
  }
  // A segment meets a convex region in one piece; more than two corners are
  // its ends found again with rounding, and the two farthest apart bound it.
  const Point3 *points = corners.points;
  const auto apart = [points](int i, int j) { return length(difference(points[i], points[j])); };
  int first = 0;
  int second = 1;
  for (int i = 0; i < corners.count; ++i) {
    for (int j = i + 1; j < corners.count; ++j) {
      if (apart(i, j) > apart(first, second)) {
        first = i;
        second = j;
      }
    }
  }
  CornerList ends;
  ends.points[0] = points[first];
  ends.points[1] = points[second];
  ends.count = std::min(corners.count, 2);
  return overlapReport(ends);
}

} // namespace

Span spanOf(Point3 A, Point3 B, Point3 C) {
  const Span candidates[3] = {{A, B}, {A, C}, {B, C}};
  Span longest = candidates[0];
  double longestLength = length(difference(A, B));
  for (const Span &candidate : {candidates[1], candidates[2]}) {
    const double candidateLength = length(difference(candidate.start, candidate.end));
    if (candidateLength > longestLength) {
      longest = candidate;
      longestLength = candidateLength;
    }
  }
  return longest;
}

IntersectionReport segmentTriangleIntersection(Point3 s1, Point3 s2, Point3 A, Point3 B, Point3 C,
                                               double scale) {
  const CuttingPlane cutting = cuttingPlane(A, B, C, scale);
  const int side1 = sideOf(cutting, s1);
  const int side2 = sideOf(cutting, s2);
  if (side1 == side2 && side1 != 0) {
    return {};
  }
  // With an end in the band the segment meets the plane there, or lies in it:
  // the part over the triangle is what the clip finds.
  if (side1 == 0 || side2 == 0) {
    return clipToTriangle(s1, s2, A, B, C, scale);
  }
  const Point3 piercing = linePlaneIntersection(cutting.plane, s1, s2);
  return inTriangle(piercing, A, B, C, scale) ? singlePoint(piercing, ResultMessage::segmentsCross)
                                              : IntersectionReport{};
}
