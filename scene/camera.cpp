#include "scene/camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Camera cameraFromBounds(const SceneBounds &bounds) {
  const float cx = float((double(bounds.maximum.x) + bounds.minimum.x) * 0.5);
  const float cy = float((double(bounds.maximum.y) + bounds.minimum.y) * 0.5);
  const float a = float(std::fabs(double(bounds.minimum.x)) + bounds.maximum.x);
  const float b = float(std::fabs(double(bounds.minimum.y)) + bounds.maximum.y);
  const float distance = 2.0 * a > b ? a : b;
  return {cx, cy, distance};
}

float viewDistance(const SceneBounds &bounds, int width, int height) {
  // At distance d one scene unit spans height / (2·d·tan 22.5°) pixels across
  // as well as up, whatever the width: the half extent h fits into `room`
  // pixels from the centre once d >= h·height / (2·room·tan 22.5°).
  const double tanHalfView = std::tan(std::numbers::pi / 8.0);
  const auto fit = [&](double halfExtent, int pixels) {
    const double room = std::max(pixels - 2 * kFitMargin, 1) / 2.0;
    return halfExtent * height / (2.0 * room * tanHalfView);
  };
  const double across = fit((double(bounds.maximum.x) - bounds.minimum.x) / 2.0, width);
  const double up = fit((double(bounds.maximum.y) - bounds.minimum.y) / 2.0, height);
  return std::max(cameraFromBounds(bounds).distance, float(std::max(across, up)));
}

DepthRange depthRange(float distance) {
  return {std::min(1.0, distance / 2.0), std::max(1000.0, 2.0 * distance)};
}
