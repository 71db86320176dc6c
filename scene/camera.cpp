#include "scene/camera.h"

#include <algorithm>
#include <cmath>

Camera cameraFromBounds(const SceneBounds &bounds) {
  const float cx = float((double(bounds.maximum.x) + bounds.minimum.x) * 0.5);
  const float cy = float((double(bounds.maximum.y) + bounds.minimum.y) * 0.5);
  const float a = float(std::fabs(double(bounds.minimum.x)) + bounds.maximum.x);
  const float b = float(std::fabs(double(bounds.minimum.y)) + bounds.maximum.y);
  const float distance = 2.0 * a > b ? a : b;
  return {cx, cy, distance};
}

DepthRange depthRange(float distance) {
  return {std::min(1.0, distance / 2.0), std::max(1000.0, 2.0 * distance)};
}
