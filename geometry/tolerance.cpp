#include "geometry/tolerance.h"

#include <limits>

namespace {

constexpr int kRoundingSteps = 8;

// Whether `x` uses any of the last four bits of its 24-bit significand.
bool mayCarryRounding(float x) {
  int exponent = 0;
  const float fraction = std::frexp(std::fabs(x), &exponent); // in [0.5, 1)
  const float significand = std::ldexp(fraction, 24);         // a whole number below 2^24
  return std::fmod(significand, 16.0f) != 0.0f;
}

} // namespace

double roundingScale(const Point3 *points, int count) {
  float largest = 0.0f;
  for (int i = 0; i < count; ++i) {
    for (const float x : {points[i].x, points[i].y, points[i].z}) {
      if (std::isfinite(x) && mayCarryRounding(x)) {
        largest = std::max(largest, std::fabs(x));
      }
    }
  }
  const float step = std::nextafter(largest, std::numeric_limits<float>::infinity()) - largest;
  return largest > 0.0f ? kRoundingSteps * double(step) / kTolerance : 0.0;
}
