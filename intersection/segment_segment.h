#pragma once

#include "geometry/point3.h"

// The common part of segments p1 p2 and q1 q2 in space:
//   0  no common point; nothing written.
//   1  one common point, written to out1 (out2 untouched).
//   2  the segments lie on one line and overlap: the common segment's ends are
//      written to out1 and out2, as q1 + t·(q2 − q1), the smaller t first.
// Every test uses the tolerance 0.00001 × scale, where scale is the figure's
// (toleranceScale, or more for a far figure): segments whose directions stray
// by less are parallel, lines that pass within it are one line, an end within
// it of the other segment counts as on it, and every point written lies within
// it of both segments, measured by distance. Segments on one line whose
// overlap, or gap, is shorter than the tolerance meet in one point, the middle
// of it. A zero-length segment meets the other exactly when its point lies on
// it.
// A crossing is solved in the first coordinate plane (XY, XZ, YZ) whose
// determinant is at least a tenth of the largest of the three, so a figure
// gets the same answer however it is turned. It may lie past an end of either
// segment by the tolerance, and is then taken back onto both: it is the point
// of the first segment, or the second segment's end where only that one was
// passed. Segments that share an end and are not parallel meet there.
int segmentIntersection(Point3 p1, Point3 p2, Point3 q1, Point3 q2, Point3 *out1, Point3 *out2,
                        double scale);

// The overlap of segments p1 p2 and q1 q2 taken to lie on one line, measured
// in the second segment's parameter t (the point q1 + t·(q2 − q1)) along the
// coordinate where q2 − q1 is longest, the first of x, y, z on a tie: a
// near-zero component would only measure rounding noise. An end within the
// tolerance 0.00001 × scale of the second segment counts as on it. Results as
// for segmentIntersection; 0 when q1 equals q2. The ends lie on the second
// segment's line and are not checked against the first segment: callers
// confirm them (segmentIntersection, against both segments).
int collinearOverlap(Point3 p1, Point3 p2, Point3 q1, Point3 q2, Point3 *out1, Point3 *out2,
                     double scale);

// The overlap of segments p1 p2 and q1 q2 taken to lie on one line, as the
// inner two of their four ends (each an input point, not recomputed), ordered
// along the second segment and measured along its longest coordinate as
// above, with the same tolerance. 0 when they do not overlap; 1 when the inner
// ends lie within the tolerance of each other, with the middle of the two.
int overlapBetweenEnds(Point3 p1, Point3 p2, Point3 q1, Point3 q2, Point3 *out1, Point3 *out2,
                       double scale);
