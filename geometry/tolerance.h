#pragma once

#include "geometry/point3.h"

#include <algorithm>
#include <cmath>
#include <concepts>

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

namespace detail {

// max(1, |x|, |y|, |z|) of one point, a NaN coordinate passed over: std::max
// keeps its left operand when the right one is NaN, and the chain starts at 1.
inline float largestMagnitude(Point3 p) {
  return std::max(std::max(std::max(1.0f, std::fabs(p.x)), std::fabs(p.y)), std::fabs(p.z));
}

} // namespace detail

// The size that scales the tolerance for a figure: its largest absolute
// coordinate, or 1 when all are smaller, so unit-scale figures keep the
// bare tolerance. NaN coordinates are passed over.
template <std::same_as<Point3>... More> double toleranceScale(Point3 first, More... more) {
  // Each point's chain is independent of the others'; floats compare as the
  // doubles they convert to, so the maximum is found before converting.
  float largest = detail::largestMagnitude(first);
  ((largest = std::max(largest, detail::largestMagnitude(more))), ...);
  return largest;
}
