#pragma once

#include "intersection/intersection_report.h"

// A degenerate triangle (three vertices on one line within the tolerance)
// covers the segment between its two vertices farthest apart, the first of
// AB, AC, BC on a tie.
struct Span {
  Point3 start;
  Point3 end;
};

Span spanOf(Point3 A, Point3 B, Point3 C);

// The common part of segment s1 s2 and the proper triangle A B C. Its ends are
// sorted against the triangle's plane with the on-the-plane band of
// 0.00001 × scale:
//   both strictly on one side    apart (kind 0);
//   both in the band             the segment lies in the plane and is clipped
//                                to the triangle: its ends inside it, then its
//                                crossings with the edges AB, AC, BC, merged
//                                as corners of an overlap are (addCorner); of
//                                more than two, the two farthest apart;
//   one in the band, one off     the same clip, which finds that end if it
//                                lies in the triangle;
//   on opposite sides            the point where the segment pierces the
//                                plane, if it lies in the triangle.
// The message is the one for that many corners (overlapMessage), except that
// a piercing point "crosses" (ResultMessage::segmentsCross).
IntersectionReport segmentTriangleIntersection(Point3 s1, Point3 s2, Point3 A, Point3 B, Point3 C,
                                               double scale);
