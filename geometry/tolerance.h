#pragma once

#include "geometry/point3.h"

#include <algorithm>
#include <cmath>
#include <concepts>

// The one tolerance of the system: the largest difference of areas, lengths or
// coordinates that still counts as none, as a fraction of the size of the
// figure judged. Every comparison against it goes through belowTolerance or
// the scales below, so the rule lives here.
inline constexpr double kTolerance = 0.00001;

// The smallest size a figure is judged by. Below it the products of three
// coordinates that a plane keeps in float would sink into float's subnormal
// range and lose their bits; a figure smaller still lies within the tolerance
// of itself and meets as a point does.
inline constexpr float kSmallestScale = 0x1p-30f;

// True when |value| is strictly below the tolerance scaled by `scale`.
inline bool belowTolerance(double value, double scale) {
  return (value < 0 ? -value : value) < kTolerance * scale;
}

namespace detail {

// max(kSmallestScale, |x|, |y|, |z|) of one point, a NaN coordinate passed
// over: std::max keeps its left operand when the right one is NaN, and the
// chain starts at the floor.
inline float largestMagnitude(Point3 p) {
  return std::max(std::max(std::max(kSmallestScale, std::fabs(p.x)), std::fabs(p.y)),
                  std::fabs(p.z));
}

} // namespace detail

// The size that scales the tolerance for a figure: its largest absolute
// coordinate, so that a figure of any size is judged as finely, relatively,
// as one of unit size; never below kSmallestScale. NaN coordinates are passed
// over.
template <std::same_as<Point3>... More> double toleranceScale(Point3 first, More... more) {
  // Each point's chain is independent of the others'; floats compare as the
  // doubles they convert to, so the maximum is found before converting.
  float largest = detail::largestMagnitude(first);
  ((largest = std::max(largest, detail::largestMagnitude(more))), ...);
  return largest;
}

// The scale below which the typed coordinates of `points` cannot be judged:
// eight float steps of the largest coordinate that may carry a rounding from
// being read, as a multiple of kTolerance, or 0 when none may. A coordinate
// may carry one when its float uses any of the last four bits of its
// significand: an integer or a short binary fraction, which reads exactly,
// uses none. Only a figure far from the origin, judged about its own centre,
// can have a scale below this: elsewhere its largest coordinate is at least
// ten times more.
double roundingScale(const Point3 *points, int count);
