#pragma once

#include "scene/scene_store.h"

// Where the camera stands over the scene: on the axis through (cx, cy),
// `distance` in front of the plane z = 0 that holds the whole scene.
struct Camera {
  float cx;
  float cy;
  float distance;
};

// The camera for `bounds`: the centre of the rectangle, and as distance
// A = |minimum.x| + maximum.x when 2·A > B, else B = |minimum.y| + maximum.y.
Camera cameraFromBounds(const SceneBounds &bounds);

// Pixels kept free on every side of the bounds when the window is fitted:
// room for the views' labels under the lowest point.
inline constexpr int kFitMargin = 24;

// The camera distance for a window of width × height pixels with a 45-degree
// vertical field of view: cameraFromBounds's distance wherever it already
// shows the whole of `bounds` with kFitMargin pixels to spare on every side,
// else the nearest distance that does. A window no larger than the margins
// counts as one pixel of room.
float viewDistance(const SceneBounds &bounds, int width, int height);

struct DepthRange {
  double nearPlane;
  double farPlane;
};

// The depth range that keeps the scene plane, `distance` away, in view: 1 to
// 1000 for distances from 2 to 500, widened beyond them.
DepthRange depthRange(float distance);
