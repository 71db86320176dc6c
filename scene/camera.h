#pragma once

#include "scene/scene_store.h"

// Where the camera stands over the scene: on the axis through (cx, cy),
// `distance` in front of the plane z = 0 that holds the whole scene.
struct Camera {
  float cx;
  float cy;
  float distance;
};

// The box of what `scene` draws: the smallest rectangle around its points and
// its segments' ends, as `minimum` and `maximum`. Unlike the scene's bounds it
// has no starting corners, so it follows the figures wherever they lie and
// however small they are. An empty scene gives the rectangle from (0, 0) to
// (1024, 700).
SceneBounds drawnBox(const Scene &scene);

// The camera for `box`: its centre, and as distance its width A when
// 2·A > B, else its height B.
Camera cameraFromBox(const SceneBounds &box);

// Pixels kept free on every side of the box when the window is fitted: room
// for the views' names under the lowest point.
inline constexpr int kFitMargin = 24;

// The camera distance for a window of width × height pixels with a 45-degree
// vertical field of view: cameraFromBox's distance wherever it already shows
// the whole of `box` with kFitMargin pixels to spare on every side, else the
// nearest distance that does. A window no larger than the margins counts as
// one pixel of room. A box without width or height, a single point, is seen
// from 1 unit away: from anywhere it lands in the middle.
float viewDistance(const SceneBounds &box, int width, int height);

struct DepthRange {
  double nearPlane;
  double farPlane;
};

// The depth range around the scene plane, `distance` away: from half to twice
// the distance, which keeps the plane in view at every scale.
DepthRange depthRange(float distance);
