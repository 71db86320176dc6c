#pragma once

#include "geometry/point3.h"
#include "intersection/intersection_report.h"

// Where the three views of a figure are drawn: XY in the middle at
// (x, y − lift), XZ on its left at (x − left, z), YZ on its right at
// (y + right, z).
struct ViewPlacement {
  double left = 0.0;
  double right = 0.0;
  double lift = 0.0;
};

// The placement for `points`: the views stand side by side, each kept apart
// from the next by a gap of 0.3 times the largest of the spreads of x, y and
// z (largest minus smallest), so that the distance between two views comes
// from the spreads of the axes drawn across in them, x for XZ and XY, y for
// YZ, and the figures fill the picture whatever ranges x, y and z span. The
// XY view stays at its own height while its y overlap the z of the other two;
// otherwise it is lifted so that the middles of the two ranges meet. All 0
// for no points.
ViewPlacement placeViews(const Point3 *points, int count);

// Adds the three views of both triangles and their intersection to the scene,
// placed by placeViews over the six vertices (the intersection lies inside
// both triangles, so it never widens a spread): XY, then XZ, then YZ. In each view: the vertices
// and then the edges of the first triangle in blue (AB, BC, AC) and of the second in green (A'B',
// A'C', B'C'), then the intersection in red, its corners joined pairwise, and
// a polygon of 3 to 6 corners also as a polygon, its corners taken around it,
// whose inside the picture fills; then the view's label
// ("XY", "XZ", "YZ"), centred on the view's width at the lowest point drawn in
// any view; then a letter for each vertex and corner, at its dot, in the order
// A, B, C, A', B', C', M, N, P, Q, R, S. Only the first `result` slots are
// read; a result outside 1 to 6 draws no intersection.
void fillScene(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
               IntersectionKind result, Point3 M, Point3 N, Point3 P, Point3 Q, Point3 R, Point3 S);

// Both pictures of an answer, in place of what they held: the three views into
// the scene (fillScene), and the figures in space into spaceFigures, for the
// six vertices A, B, C, A', B', C' and the first `result` of the six slots M
// to S.
void fillPictures(const Point3 *vertices, IntersectionKind result, const Point3 *corners);
