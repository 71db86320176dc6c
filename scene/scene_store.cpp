#include "scene/scene_store.h"

#include <utility>

Scene scene;

namespace {

constexpr Rgb kColors[10] = {
    {1.0f, 0.0f, 0.0f}, // 0 red
    {0.0f, 1.0f, 0.0f}, // 1 green
    {0.0f, 0.0f, 1.0f}, // 2 blue
    {1.0f, 1.0f, 0.0f}, // 3 yellow
    {1.0f, 0.5f, 0.0f}, // 4 orange
    {1.0f, 0.0f, 1.0f}, // 5 magenta
    {0.0f, 1.0f, 1.0f}, // 6 cyan
    {0.5f, 0.0f, 0.5f}, // 7 purple
    {1.0f, 1.0f, 1.0f}, // 8 white
    {0.0f, 0.0f, 0.0f}, // 9 black
};

// Four independent tests: one pair can move both corners at once.
void widen(SceneBounds &bounds, float x, float y) {
  if (x < bounds.minimum.x) {
    bounds.minimum.x = x;
  }
  if (y < bounds.minimum.y) {
    bounds.minimum.y = y;
  }
  if (x > bounds.maximum.x) {
    bounds.maximum.x = x;
  }
  if (y > bounds.maximum.y) {
    bounds.maximum.y = y;
  }
}

} // namespace

std::optional<Rgb> colorOf(ColorIndex index) {
  if (index < 0 || index > 9) {
    return std::nullopt;
  }
  return kColors[index];
}

void addPoint(ScenePoint point, ColorIndex color) {
  point.color = color;
  scene.points.push_back(point);
  widen(scene.bounds, point.x, point.y);
}

void addSegment(SceneSegment segment, ColorIndex color) {
  segment.color = color;
  scene.segments.push_back(segment);
  widen(scene.bounds, segment.start.x, segment.start.y);
  widen(scene.bounds, segment.end.x, segment.end.y);
}

void addLabel(SceneLabel label) { scene.labels.push_back(label); }

void addLetter(SceneLetter letter) { scene.letters.push_back(letter); }

void addPolygon(ScenePolygon polygon) { scene.polygons.push_back(std::move(polygon)); }
