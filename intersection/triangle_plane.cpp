#include "intersection/triangle_plane.h"

#include "geometry/plane.h"
#include "geometry/tolerance.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

} // namespace

int cutTriangleByPlane(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2, Point3 *out1,
                       Point3 *out2) {
  const Plane plane = makePlane(A2, B2, C2);
  const double scale = toleranceScale({A, B, C, A2, B2, C2});
  const double normal = length({plane.a, plane.b, plane.c});
  const double longestEdge = std::max(
      {length(difference(A2, B2)), length(difference(A2, C2)), length(difference(B2, C2))});

  // normal / longestEdge is the smallest height of A' B' C': below the
  // tolerance the three points are collinear and define no plane.
  if (normal == 0.0 || !(normal / longestEdge >= kTolerance * scale)) {
    return 1;
  }

  // The plane rescaled so that its expression is the signed distance in units
  // of the tolerance: planeValue then truncates to 0 exactly within the band.
  const double unit = kTolerance * normal * scale;
  const Plane banded{float(plane.a / unit), float(plane.b / unit), float(plane.c / unit),
                     float(plane.d / unit), plane.point};
  const int sA = sign(planeValue(A, banded));
  const int sB = sign(planeValue(B, banded));
  const int sC = sign(planeValue(C, banded));

  if (sA == sB && sB == sC) {
    return sA == 0 ? 1 : 0;
  }

  const Point3 vertices[3] = {A, B, C};
  const int signs[3] = {sA, sB, sC};
  const int onPlane = (sA == 0) + (sB == 0) + (sC == 0);

  if (onPlane == 2) {
    // Two vertices on the plane: the triangle meets it along that edge.
    Point3 *slots[2] = {out1, out2};
    int next = 0;
    for (int i = 0; i < 3; ++i) {
      if (signs[i] == 0) {
        *slots[next++] = vertices[i];
      }
    }
    return 3;
  }

  if (onPlane == 1) {
    const int on = sA == 0 ? 0 : (sB == 0 ? 1 : 2);
    const int first = on == 0 ? 1 : 0;
    const int second = on == 2 ? 1 : 2;
    *out1 = vertices[on];
    if (signs[first] == signs[second]) {
      return 2; // the other two on one side: the triangle only touches the plane
    }
    *out2 = linePlaneIntersection(plane, vertices[first], vertices[second]);
    return 3;
  }

  // No vertex on the plane: one vertex alone on its side, its two edges cross.
  const int alone = sB == sC ? 0 : (sA == sC ? 1 : 2);
  if (alone == 0) {
    *out1 = linePlaneIntersection(plane, A, B);
    *out2 = linePlaneIntersection(plane, A, C);
  } else if (alone == 1) {
    *out1 = linePlaneIntersection(plane, A, B);
    *out2 = linePlaneIntersection(plane, B, C);
  } else {
    *out1 = linePlaneIntersection(plane, A, C);
    *out2 = linePlaneIntersection(plane, B, C);
  }
  return 3;
}
