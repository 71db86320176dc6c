#include "scene/camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

void widen(SceneBounds &box, float x, float y) {
  box.minimum.x = std::min(box.minimum.x, x);
  box.minimum.y = std::min(box.minimum.y, y);
  box.maximum.x = std::max(box.maximum.x, x);
  box.maximum.y = std::max(box.maximum.y, y);
}

} // namespace

SceneBounds drawnBox(const Scene &scene) {
  if (scene.points.empty() && scene.segments.empty()) {
    return {{0.0f, 0.0f}, {1024.0f, 700.0f}};
  }
  const ScenePoint first =
      scene.points.empty() ? scene.segments.front().start : scene.points.front();
  SceneBounds box{first, first};
  for (const ScenePoint &point : scene.points) {
    widen(box, point.x, point.y);
  }
  for (const SceneSegment &segment : scene.segments) {
    widen(box, segment.start.x, segment.start.y);
    widen(box, segment.end.x, segment.end.y);
  }
  return box;
}

Camera cameraFromBox(const SceneBounds &box) {
  const float cx = float((double(box.maximum.x) + box.minimum.x) * 0.5);
  const float cy = float((double(box.maximum.y) + box.minimum.y) * 0.5);
  const float a = float(double(box.maximum.x) - box.minimum.x);
  const float b = float(double(box.maximum.y) - box.minimum.y);
  const float distance = 2.0 * a > b ? a : b;
  return {cx, cy, distance};
}

float viewDistance(const SceneBounds &box, int width, int height) {
  // At distance d one scene unit spans height / (2·d·tan 22.5°) pixels across
  // as well as up, whatever the width: the half extent h fits into `room`
  // pixels from the centre once d >= h·height / (2·room·tan 22.5°).
  const double tanHalfView = std::tan(std::numbers::pi / 8.0);
  const auto fit = [&](double halfExtent, int pixels) {
    const double room = std::max(pixels - 2 * kFitMargin, 1) / 2.0;
    return halfExtent * height / (2.0 * room * tanHalfView);
  };
  const double across = fit((double(box.maximum.x) - box.minimum.x) / 2.0, width);
  const double up = fit((double(box.maximum.y) - box.minimum.y) / 2.0, height);
  const float distance = std::max(cameraFromBox(box).distance, float(std::max(across, up)));
  return distance > 0.0f ? distance : 1.0f;
}

DepthRange depthRange(float distance) { return {distance / 2.0, 2.0 * distance}; }
