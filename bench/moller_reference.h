#pragma once

#include "geometry/point3.h"

// The reference for the benchmarks: the triangle-triangle test with its
// intersection segment in the manner of T. Möller, "A Fast Triangle-Triangle
// Intersection Test" (1997), in double precision. Each triangle's vertices are
// classified by signed distance to the other's plane; the two triangles'
// stretches on the line common to both planes are compared along its
// dominant axis; coplanar triangles get a 2-D edge and containment test.
struct MollerResult {
  bool intersects = false;
  bool coplanar = false;
  Point3 start; // the intersection segment, when intersecting and not coplanar
  Point3 end;
};

MollerResult mollerIntersection(const Point3 (&first)[3], const Point3 (&second)[3]);
