#pragma once

#include "geometry/point3.h"

// 1 if x lies in the closed triangle a b c, else 0. The three partial areas
// a b x, b c x, a c x must add up to the whole area within the tolerance,
// scaled by the whole area once it exceeds 1 (so figures in the hundreds are
// judged as finely, relatively, as figures of unit size). A point slightly off
// the triangle's plane above its interior still passes.
int pointInTriangle(Point3 a, Point3 b, Point3 c, Point3 x);

// pointInTriangle with the whole area, triangleArea(a, b, c), computed once by
// a caller that tests many points against one triangle.
int pointInTriangle(Point3 a, Point3 b, Point3 c, double area, Point3 x);

// 1 if x lies on the closed segment s1 s2, else 0: the distances to the two
// ends must add up to the segment's length within the tolerance, scaled by
// that length once it exceeds 1. Note the tested point comes first here.
int pointOnSegment(Point3 x, Point3 s1, Point3 s2);

// 1 if p and q are equal in all three coordinates, exactly; −0 equals 0.
int samePoint(Point3 p, Point3 q);

// Euclidean distance from x to the closed segment s1 s2, in double; the
// distance to s1 when the segment has no length.
double distanceToSegment(Point3 x, Point3 s1, Point3 s2);

// Euclidean distance from x to the closed triangle a b c in space, in double:
// to its plane over the interior, to the nearest edge elsewhere. A triangle
// whose vertices lie on one line is the union of its edges.
double distanceToTriangle(Point3 x, Point3 a, Point3 b, Point3 c);

// Where two closed segments come nearest: the distance between them, in
// double, and the middle of the nearest point of each, rounded to float. A
// segment of no length is its one point; of parallel segments, the nearest
// points are those nearest to p1's end of the overlap.
struct SegmentGap {
  double distance = 0.0;
  Point3 middle;
};
SegmentGap gapBetweenSegments(Point3 p1, Point3 p2, Point3 q1, Point3 q2);
