#include "bench/moller_reference.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

struct Vec {
  double x, y, z;
  double operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }
};

Vec toVec(Point3 p) { return {p.x, p.y, p.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y, s * a.z}; }
Vec crossV(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dotV(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Distances below this count as zero, so that nearly coplanar vertices do not
// produce spurious intervals (the paper's EPSILON).
constexpr double kEpsilon = 1e-6;

// One triangle's stretch on the common line: parameters along the dominant
// axis, and the 3-D points where its edges cross the other plane.
struct Interval {
  double t0, t1;
  Vec p0, p1;
};

// The crossing of edge (alone → other) with the plane, as parameter and point.
void edgeCrossing(Vec alone, Vec other, double pAlone, double pOther, double dAlone, double dOther,
                  double &t, Vec &point) {
  const double f = dAlone / (dAlone - dOther);
  t = pAlone + (pOther - pAlone) * f;
  point = alone + f * (other - alone);
}

// False when all three distances are zero: the triangles are coplanar.
bool computeInterval(const Vec (&v)[3], const double (&p)[3], const double (&d)[3], Interval &out) {
  int alone;
  if (d[0] * d[1] > 0) {
    alone = 2;
  } else if (d[0] * d[2] > 0) {
    alone = 1;
  } else if (d[1] * d[2] > 0 || d[0] != 0) {
    alone = 0;
  } else if (d[1] != 0) {
    alone = 1;
  } else if (d[2] != 0) {
    alone = 2;
  } else {
    return false;
  }
  const int a = (alone + 1) % 3;
  const int b = (alone + 2) % 3;
  edgeCrossing(v[alone], v[a], p[alone], p[a], d[alone], d[a], out.t0, out.p0);
  edgeCrossing(v[alone], v[b], p[alone], p[b], d[alone], d[b], out.t1, out.p1);
  if (out.t0 > out.t1) {
    std::swap(out.t0, out.t1);
    std::swap(out.p0, out.p1);
  }
  return true;
}

// 2-D tests for coplanar triangles, in the coordinate plane where the normal
// is longest: any pair of edges crossing, or one triangle inside the other.
bool edgesCross(double ax, double ay, double bx, double by, double cx, double cy, double dx,
                double dy) {
  const auto orient = [](double px, double py, double qx, double qy, double rx, double ry) {
    return (qx - px) * (ry - py) - (qy - py) * (rx - px);
  };
  const double o1 = orient(ax, ay, bx, by, cx, cy), o2 = orient(ax, ay, bx, by, dx, dy);
  const double o3 = orient(cx, cy, dx, dy, ax, ay), o4 = orient(cx, cy, dx, dy, bx, by);
  return o1 * o2 <= 0 && o3 * o4 <= 0;
}

bool insideTriangle2(double px, double py, const double (&x)[3], const double (&y)[3]) {
  bool positive = false, negative = false;
  for (int i = 0; i < 3; ++i) {
    const int j = (i + 1) % 3;
    const double side = (x[j] - x[i]) * (py - y[i]) - (y[j] - y[i]) * (px - x[i]);
    positive |= side > 0;
    negative |= side < 0;
  }
  return !(positive && negative);
}

bool coplanarOverlap(Vec normal, const Vec (&v)[3], const Vec (&u)[3]) {
  const double ax = std::fabs(normal.x), ay = std::fabs(normal.y), az = std::fabs(normal.z);
  int i = 0, j = 1;
  if (ax >= ay && ax >= az) {
    i = 1;
    j = 2;
  } else if (ay >= az) {
    j = 2;
  }
  double vx[3], vy[3], ux[3], uy[3];
  for (int k = 0; k < 3; ++k) {
    vx[k] = v[k][i];
    vy[k] = v[k][j];
    ux[k] = u[k][i];
    uy[k] = u[k][j];
  }
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      if (edgesCross(vx[a], vy[a], vx[(a + 1) % 3], vy[(a + 1) % 3], ux[b], uy[b], ux[(b + 1) % 3],
                     uy[(b + 1) % 3])) {
        return true;
      }
    }
  }
  return insideTriangle2(vx[0], vy[0], ux, uy) || insideTriangle2(ux[0], uy[0], vx, vy);
}

// The plane of `plane`: its normal, and the signed distances (scaled by the
// normal's length) of the vertices of `other`, small ones snapped to zero.
// True when all three lie strictly on one side: no intersection.
bool allOnOneSide(const Vec (&plane)[3], const Vec (&other)[3], Vec &normal,
                  double (&distance)[3]) {
  normal = crossV(plane[1] - plane[0], plane[2] - plane[0]);
  const double d = -dotV(normal, plane[0]);
  for (int k = 0; k < 3; ++k) {
    distance[k] = dotV(normal, other[k]) + d;
    distance[k] = std::fabs(distance[k]) < kEpsilon ? 0.0 : distance[k];
  }
  return distance[0] * distance[1] > 0 && distance[0] * distance[2] > 0;
}

} // namespace

MollerResult mollerIntersection(const Point3 (&first)[3], const Point3 (&second)[3]) {
  MollerResult result;
  const Vec v[3] = {toVec(first[0]), toVec(first[1]), toVec(first[2])};
  const Vec u[3] = {toVec(second[0]), toVec(second[1]), toVec(second[2])};

  // Each triangle's plane, and the distances of the other's vertices to it.
  Vec n1, n2;
  double du[3], dv[3];
  if (allOnOneSide(v, u, n1, du) || allOnOneSide(u, v, n2, dv)) {
    return result;
  }

  // Parameters along the dominant axis of the common line's direction.
  const Vec direction = crossV(n1, n2);
  const double ax = std::fabs(direction.x), ay = std::fabs(direction.y),
               az = std::fabs(direction.z);
  const int axis = ax >= ay && ax >= az ? 0 : (ay >= az ? 1 : 2);
  const double vp[3] = {v[0][axis], v[1][axis], v[2][axis]};
  const double up[3] = {u[0][axis], u[1][axis], u[2][axis]};

  Interval a, b;
  if (!computeInterval(v, vp, dv, a) || !computeInterval(u, up, du, b)) {
    result.coplanar = true;
    result.intersects = coplanarOverlap(n1, v, u);
    return result;
  }
  if (a.t1 < b.t0 || b.t1 < a.t0) {
    return result;
  }
  result.intersects = true;
  const Vec start = a.t0 > b.t0 ? a.p0 : b.p0;
  const Vec end = a.t1 < b.t1 ? a.p1 : b.p1;
  result.start = {float(start.x), float(start.y), float(start.z)};
  result.end = {float(end.x), float(end.y), float(end.z)};
  return result;
}
