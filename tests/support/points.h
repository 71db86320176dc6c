#pragma once

#include "geometry/point3.h"

#include <gtest/gtest.h>

#include <ostream>

inline bool operator==(Point3 a, Point3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

inline std::ostream &operator<<(std::ostream &out, Point3 p) {
  return out << '(' << p.x << ", " << p.y << ", " << p.z << ')';
}

// A value no computation produces: a slot still holding it was not written.
inline constexpr Point3 kUntouched{-777.0f, 777.0f, -777.0f};

inline void expectNear(Point3 actual, Point3 expected, double tolerance = 1e-6) {
  EXPECT_NEAR(actual.x, expected.x, tolerance) << actual;
  EXPECT_NEAR(actual.y, expected.y, tolerance) << actual;
  EXPECT_NEAR(actual.z, expected.z, tolerance) << actual;
}
