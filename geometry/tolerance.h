#pragma once

#include "geometry/point3.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

// The one tolerance of the system: the largest difference of areas, lengths or
// coordinates that still counts as none. It is absolute at unit scale; where an
// operation scales it by the size of its figures, it does so through
// belowTolerance, so the rule lives here.
inline constexpr double kTolerance = 0.00001;

// True when |value| is strictly below the tolerance scaled by `scale`.
// A scale of 1 is the bare absolute test.
inline bool belowTolerance(double value, double scale = 1.0) {
  return (value < 0 ? -value : value) < kTolerance * scale;
}

// The size that scales the tolerance for a figure: its largest absolute
// coordinate, or 1 when all are smaller, so unit-scale figures keep the
// bare tolerance.
inline double toleranceScale(std::initializer_list<Point3> points) {
  double largest = 1.0;
  for (const Point3 &p : points) {
    largest =
        std::max({largest, std::fabs(double(p.x)), std::fabs(double(p.y)), std::fabs(double(p.z))});
  }
  return largest;
}
