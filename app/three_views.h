#pragma once

#include "geometry/point3.h"
#include "intersection/intersection_report.h"

// How far apart neighbouring views are drawn: 10, or 1.1 times the spread of
// all x and y coordinates of `points` (largest minus smallest, x and y taken
// together) when that is more, so the views never overlap. 10 for no points.
float viewShift(const Point3 *points, int count);

// Adds the three views of both triangles and their intersection to the scene:
// the XY view in the middle, then XZ on the left (x − shift, z), then YZ on
// the right (y + shift, z), the shift taken over the six vertices (the
// intersection lies inside both triangles, so it never widens the spread). In
// each view: the vertices and then the edges of the first triangle in blue
// (AB, BC, AC) and of the second in green (A'B', A'C', B'C'), then the
// intersection in red, its corners joined pairwise; then the view's label
// ("XY", "XZ", "YZ"), centred on the view's width at the scene's lowest
// point. Only the first `result` slots are read; a result outside 1 to 6
// draws no intersection.
void fillScene(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2,
               IntersectionKind result, Point3 M, Point3 N, Point3 P, Point3 Q, Point3 R, Point3 S);
