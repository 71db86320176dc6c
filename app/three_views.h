#pragma once

#include "geometry/point3.h"
#include "intersection/intersection_report.h"

// How far apart neighbouring views are drawn: 1.1 times the larger of the
// spread of all x and y coordinates of `points` taken together (largest minus
// smallest) and a third of the spread of their z, so that the views stand
// side by side at every scale and tall figures keep them apart. 0 for no
// points.
float viewShift(const Point3 *points, int count);

// How far the XY view is moved down (up, when negative) so that its y
// coordinates come within `shift` of the z coordinates of the other two views:
// 0 while they already are, as long as the two ranges overlap or lie less than
// `shift` apart; otherwise what brings them to exactly `shift` apart. Figures
// far from the origin along x and y would else stand a great way above or
// below their own side views.
double viewLift(const Point3 *points, int count, float shift);

// Adds the three views of both triangles and their intersection to the scene:
// the XY view in the middle (x, y − lift), then XZ on the left (x − shift, z),
// then YZ on the right (y + shift, z), shift and lift taken over the six
// vertices (the intersection lies inside both triangles, so it never widens a
// spread). In each view: the vertices and then the edges of the first triangle
// in blue (AB, BC, AC) and of the second in green (A'B', A'C', B'C'), then the
// intersection in red, its corners joined pairwise; then the view's label
// ("XY", "XZ", "YZ"), centred on the view's width at the lowest point drawn in
// any view; then a letter for each vertex and corner, at its dot, in the order
// A, B, C, A', B', C', M, N, P, Q, R, S. Only the first `result` slots are
// read; a result outside 1 to 6 draws no intersection.
void fillScene(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
               IntersectionKind result, Point3 M, Point3 N, Point3 P, Point3 Q, Point3 R, Point3 S);
