// Geometric properties of the engine on thousands of generated triangle pairs
// with small integer coordinates, where every on-the-plane decision is exact.
// An exact separating-axis test in integers says whether the triangles meet;
// the engine must agree and report points that geometry allows.
#include "intersection/triangle_triangle.h"

#include "geometry/predicates.h"
#include "support/points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct I3 {
  long long x, y, z;
};

I3 operator-(I3 a, I3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
I3 crossI(I3 a, I3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
long long dotI(I3 a, I3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
bool isZero(I3 a) { return a.x == 0 && a.y == 0 && a.z == 0; }
Point3 toPoint(I3 a) { return {float(a.x), float(a.y), float(a.z)}; }

using Triangle = std::array<I3, 3>;

bool degenerate(const Triangle &t) { return isZero(crossI(t[1] - t[0], t[2] - t[0])); }

// True when the projections of the two triangles on `axis` are disjoint.
bool separates(I3 axis, const Triangle &s, const Triangle &t) {
  if (isZero(axis)) {
    return false;
  }
  long long sMin = dotI(axis, s[0]), sMax = sMin, tMin = dotI(axis, t[0]), tMax = tMin;
  for (int i = 1; i < 3; ++i) {
    sMin = std::min(sMin, dotI(axis, s[i]));
    sMax = std::max(sMax, dotI(axis, s[i]));
    tMin = std::min(tMin, dotI(axis, t[i]));
    tMax = std::max(tMax, dotI(axis, t[i]));
  }
  return sMax < tMin || tMax < sMin;
}

// Exact: do the closed triangles share at least one point? Candidate axes are
// both normals, the in-plane edge normals, the cross products of edge pairs,
// and for parallel edges the normal to them within their common plane.
bool meet(const Triangle &s, const Triangle &t) {
  const I3 ns = crossI(s[1] - s[0], s[2] - s[0]);
  const I3 nt = crossI(t[1] - t[0], t[2] - t[0]);
  std::vector<I3> axes = {ns, nt};
  for (int i = 0; i < 3; ++i) {
    const I3 es = s[(i + 1) % 3] - s[i];
    const I3 et = t[(i + 1) % 3] - t[i];
    axes.push_back(crossI(ns, es));
    axes.push_back(crossI(nt, et));
    for (int j = 0; j < 3; ++j) {
      const I3 ej = t[(j + 1) % 3] - t[j];
      const I3 c = crossI(es, ej);
      axes.push_back(isZero(c) ? crossI(es, crossI(es, t[j] - s[i])) : c);
    }
  }
  return std::none_of(axes.begin(), axes.end(), [&](I3 a) { return separates(a, s, t); });
}

// Distance of p from the plane of t, in units of length.
double planeDistance(Point3 p, const Triangle &t) {
  const I3 n = crossI(t[1] - t[0], t[2] - t[0]);
  const double value =
      double(n.x) * (p.x - t[0].x) + double(n.y) * (p.y - t[0].y) + double(n.z) * (p.z - t[0].z);
  return std::fabs(value) / std::sqrt(double(dotI(n, n)));
}

IntersectionReport intersect(const Triangle &s, const Triangle &t) {
  return triangleIntersection(toPoint(s[0]), toPoint(s[1]), toPoint(s[2]), toPoint(t[0]),
                              toPoint(t[1]), toPoint(t[2]));
}

// Within a few float roundings of coordinates up to 500.
constexpr double kClose = 2e-4;

bool close(Point3 a, Point3 b) {
  return std::fabs(a.x - b.x) < kClose && std::fabs(a.y - b.y) < kClose &&
         std::fabs(a.z - b.z) < kClose;
}

bool samePointSet(const IntersectionReport &a, const IntersectionReport &b) {
  if (a.kind != b.kind) {
    return false;
  }
  for (int i = 0; i < a.kind; ++i) {
    if (std::none_of(b.points, b.points + b.kind,
                     [&](Point3 p) { return close(p, a.points[i]); })) {
      return false;
    }
  }
  return true;
}

// The corners of a coplanar overlap are the corners of a convex polygon: each
// one is a strict vertex of the convex hull of them all.
bool convexWithDistinctCorners(const IntersectionReport &r, I3 normal) {
  // Project onto the coordinate plane where the normal is longest.
  const long long ax = std::llabs(normal.x), ay = std::llabs(normal.y), az = std::llabs(normal.z);
  std::vector<std::array<double, 2>> p;
  for (int i = 0; i < r.kind; ++i) {
    const Point3 q = r.points[i];
    if (ax >= ay && ax >= az) {
      p.push_back({q.y, q.z});
    } else if (ay >= az) {
      p.push_back({q.x, q.z});
    } else {
      p.push_back({q.x, q.y});
    }
  }
  std::sort(p.begin(), p.end());
  if (std::adjacent_find(p.begin(), p.end(), [](auto a, auto b) {
        return std::fabs(a[0] - b[0]) < kClose && std::fabs(a[1] - b[1]) < kClose;
      }) != p.end()) {
    return false;
  }
  const auto turn = [](auto o, auto a, auto b) {
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
  };
  std::vector<std::array<double, 2>> hull;
  for (int pass = 0; pass < 2; ++pass) {
    const std::size_t base = hull.size();
    for (const auto &q : p) {
      while (hull.size() >= base + 2 && turn(hull[hull.size() - 2], hull.back(), q) <= 1e-6) {
        hull.pop_back();
      }
      hull.push_back(q);
    }
    hull.pop_back();
    std::reverse(p.begin(), p.end());
  }
  return int(hull.size()) == r.kind;
}

enum class Family { general, coplanar, sharedVertex, sharedEdge, hundreds };

Triangle randomTriangle(std::mt19937 &random, int reach) {
  std::uniform_int_distribution<int> coordinate(-reach, reach);
  Triangle t;
  for (I3 &v : t) {
    v = {coordinate(random), coordinate(random), coordinate(random)};
  }
  return t;
}

// A pair of the family, neither triangle degenerate.
std::pair<Triangle, Triangle> randomPair(std::mt19937 &random, Family family) {
  for (;;) {
    Triangle s = randomTriangle(random, 6);
    Triangle t = randomTriangle(random, 6);
    switch (family) {
    case Family::general:
      break;
    case Family::hundreds:
      // The general family scaled into the hundreds, shared vertices included.
      if (random() % 4 == 0) {
        t[random() % 3] = s[random() % 3];
      }
      for (Triangle *tri : {&s, &t}) {
        for (I3 &v : *tri) {
          v = {v.x * 50 + 100, v.y * 50 + 200, v.z * 50 - 100};
        }
      }
      break;
    case Family::coplanar:
      // In the plane z = x − 2y, or in z = 0.
      for (Triangle *tri : {&s, &t}) {
        for (I3 &v : *tri) {
          v.z = (random() % 2) ? v.x - 2 * v.y : 0;
        }
        (*tri)[1].z = (*tri)[0].z == 0 ? 0 : (*tri)[1].x - 2 * (*tri)[1].y;
        (*tri)[2].z = (*tri)[0].z == 0 ? 0 : (*tri)[2].x - 2 * (*tri)[2].y;
      }
      if ((s[0].z == 0) != (t[0].z == 0)) {
        continue;
      }
      break;
    case Family::sharedVertex:
      t[random() % 3] = s[random() % 3];
      break;
    case Family::sharedEdge: {
      const int i = int(random() % 3);
      t[0] = s[i];
      t[1] = s[(i + 1) % 3];
      break;
    }
    }
    if (!degenerate(s) && !degenerate(t)) {
      return {s, t};
    }
  }
}

void PrintTo(Family family, std::ostream *out) { *out << int(family); }

class TrianglePairs : public ::testing::TestWithParam<Family> {};

TEST_P(TrianglePairs, ResultsHoldGeometricInvariants) {
  std::mt19937 random(20261207u + unsigned(GetParam()));
  int meeting = 0;
  for (int n = 0; n < 3000; ++n) {
    const auto [s, t] = randomPair(random, GetParam());
    const IntersectionReport r = intersect(s, t);
    SCOPED_TRACE(testing::Message()
                 << "pair " << n << ": " << toPoint(s[0]) << toPoint(s[1]) << toPoint(s[2]) << " / "
                 << toPoint(t[0]) << toPoint(t[1]) << toPoint(t[2]) << " kind " << r.kind);
    ASSERT_GE(r.kind, 0);
    ASSERT_LE(r.kind, 6);
    ASSERT_EQ(r.kind > 0, meet(s, t));
    meeting += r.kind > 0;

    const I3 ns = crossI(s[1] - s[0], s[2] - s[0]);
    const I3 nt = crossI(t[1] - t[0], t[2] - t[0]);
    const bool coplanar = isZero(crossI(ns, nt)) && dotI(ns, t[0] - s[0]) == 0;
    if (!coplanar) {
      ASSERT_LE(r.kind, 2);
    }
    for (int i = 0; i < r.kind; ++i) {
      const Point3 p = r.points[i];
      EXPECT_EQ(pointInTriangle(toPoint(s[0]), toPoint(s[1]), toPoint(s[2]), p), 1) << p;
      EXPECT_EQ(pointInTriangle(toPoint(t[0]), toPoint(t[1]), toPoint(t[2]), p), 1) << p;
      // On the line common to both planes (or in the one plane).
      EXPECT_LT(planeDistance(p, s), kClose) << p;
      EXPECT_LT(planeDistance(p, t), kClose) << p;
    }
    if (coplanar && r.kind >= 3) {
      EXPECT_TRUE(convexWithDistinctCorners(r, ns));
    }
    if (GetParam() == Family::sharedVertex || GetParam() == Family::sharedEdge) {
      EXPECT_GE(r.kind, 1);
    }

    EXPECT_TRUE(samePointSet(r, intersect(t, s))) << "triangles swapped";
    EXPECT_TRUE(samePointSet(r, intersect({s[1], s[2], s[0]}, t))) << "first rotated";
    EXPECT_TRUE(samePointSet(r, intersect({s[0], s[2], s[1]}, {t[2], t[1], t[0]})))
        << "both reversed";
  }
  // Each family must exercise both outcomes to mean anything.
  EXPECT_GT(meeting, 100);
  if (GetParam() != Family::sharedVertex && GetParam() != Family::sharedEdge) {
    EXPECT_LT(meeting, 2900);
  }
}

std::string familyName(const testing::TestParamInfo<Family> &info) {
  static const char *const kNames[] = {"general", "coplanar", "sharedVertex", "sharedEdge",
                                       "hundreds"};
  return kNames[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Properties, TrianglePairs,
                         ::testing::Values(Family::general, Family::coplanar, Family::sharedVertex,
                                           Family::sharedEdge, Family::hundreds),
                         familyName);

} // namespace
