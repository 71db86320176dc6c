#include "intersection/triangle_plane.h"

#include "geometry/tolerance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

Point3 normalOf(const Plane &plane) { return {plane.a, plane.b, plane.c}; }

double normalLength(const Plane &plane) { return length(normalOf(plane)); }

// normal / longestEdge is the smallest height of A B C: below the tolerance
// the three points are collinear and define no plane. `normal` is the root of
// `squaredNormal`.
bool spansNoPlane(double squaredNormal, double normal, Point3 A, Point3 B, Point3 C, double scale) {
  if (normal == 0.0) {
    return true;
  }
  const double height = kTolerance * scale;
  // Plainly proper when |n|² ≥ 64 h² L² (finite): no edge is longer than √12 L,
  // so |n| / e ≥ 2.3 h > h after every rounding. Anything closer: the full test.
  if (squaredNormal <= std::numeric_limits<double>::max() &&
      squaredNormal >= 64 * ((height * height) * (scale * scale))) {
    return false;
  }
  const Point3 AB = difference(A, B);
  const Point3 AC = difference(A, C);
  const Point3 BC = difference(B, C);
  const double longestSquared = std::max(std::max(dot(AB, AB), dot(AC, AC)), dot(BC, BC));
  // sqrt is correctly rounded and never decreasing: the root of the largest
  // squared edge is the largest of the three lengths, bit for bit.
  return !(normal / std::sqrt(longestSquared) >= height);
}

// The plane with its band; `normal` is normalLength(plane).
CuttingPlane withBand(const Plane &plane, double normal, double scale) {
  // The expression divided by |normal| is the signed distance; divided once
  // more by the band's half-width it truncates to 0 exactly within the band.
  const double unit = kTolerance * normal * scale;
  return {plane,
          {float(plane.a / unit), float(plane.b / unit), float(plane.c / unit),
           float(plane.d / unit), plane.point}};
}

} // namespace

TrianglePlane trianglePlane(Point3 A, Point3 B, Point3 C, double floor) {
  TrianglePlane triangle;
  triangle.plane = makePlane(A, B, C);
  const Point3 normal = normalOf(triangle.plane);
  const double squaredNormal = dot(normal, normal);
  triangle.normalLength = std::sqrt(squaredNormal);
  triangle.scale = std::max(toleranceScale(A, B, C), floor);
  triangle.degenerate = spansNoPlane(squaredNormal, triangle.normalLength, A, B, C, triangle.scale);
  return triangle;
}

bool isDegenerateTriangle(Point3 A, Point3 B, Point3 C) {
  return trianglePlane(A, B, C, 0.0).degenerate;
}

CuttingPlane cuttingPlane(const TrianglePlane &triangle, double scale) {
  return withBand(triangle.plane, triangle.normalLength, scale);
}

CuttingPlane cuttingPlane(Point3 A2, Point3 B2, Point3 C2, double scale) {
  const Plane plane = makePlane(A2, B2, C2);
  return withBand(plane, normalLength(plane), scale);
}

int sideOf(const CuttingPlane &cutting, Point3 x) { return sign(planeValue(x, cutting.banded)); }

int cutTriangleByPlane(Point3 A, Point3 B, Point3 C, Point3 A2, Point3 B2, Point3 C2, Point3 *out1,
                       Point3 *out2) {
  const TrianglePlane triangle = trianglePlane(A2, B2, C2, 0.0);
  if (triangle.degenerate) {
    return 1;
  }
  return cutTriangleByPlane(A, B, C, cuttingPlane(triangle, toleranceScale(A, B, C, A2, B2, C2)),
                            out1, out2);
}

int cutTriangleByPlane(Point3 A, Point3 B, Point3 C, const CuttingPlane &cutting, Point3 *out1,
                       Point3 *out2) {
  const Plane &plane = cutting.plane;
  const int sA = sideOf(cutting, A);
  const int sB = sideOf(cutting, B);
  const int sC = sideOf(cutting, C);

  if (sA == sB && sB == sC) {
    return sA == 0 ? 1 : 0;
  }

  const Point3 vertices[3] = {A, B, C};
  const int signs[3] = {sA, sB, sC};
  const int onPlane = (sA == 0) + (sB == 0) + (sC == 0);

  if (onPlane == 2) {
    // Two vertices on the plane, in the order A, B, C: the triangle meets it
    // along that edge.
    *out1 = sA == 0 ? A : B;
    *out2 = sC == 0 ? C : B;
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
