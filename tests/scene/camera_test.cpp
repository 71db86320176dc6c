#include "scene/camera.h"

#include <gtest/gtest.h>

namespace {

TEST(Camera, CentreAndDistanceFromTheBounds) {
  struct Row {
    const char *name;
    SceneBounds bounds;
    float cx, cy, distance;
  };
  const Row rows[] = {
      {"empty scene", SceneBounds{}, 512, 350, 1024},
      {"wide", {{0, 0}, {10, 4}}, 5, 2, 10},
      {"tall: distance is B", {{0, 0}, {1, 10}}, 0.5f, 5, 10},
      {"2A equal to B: distance is B, not A", {{0, 0}, {5, 10}}, 2.5f, 5, 10},
      {"only the minimum taken absolutely", {{-4, -1}, {6, 3}}, 1, 1, 10},
      {"a single point", {{0.2f, 0.2f}, {0.2f, 0.2f}}, 0.2f, 0.2f, 0.4f},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    const Camera camera = cameraFromBounds(row.bounds);
    EXPECT_EQ(camera.cx, row.cx);
    EXPECT_EQ(camera.cy, row.cy);
    EXPECT_EQ(camera.distance, row.distance);
  }
}

TEST(Camera, DepthRangeAlwaysHoldsTheScenePlane) {
  struct Row {
    float distance;
    double nearPlane, farPlane;
  };
  const Row rows[] = {
      {2, 1, 1000}, {10, 1, 1000}, {500, 1, 1000}, {0.4f, 0.2f, 1000}, {1600, 1, 3200},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.distance);
    const DepthRange range = depthRange(row.distance);
    EXPECT_DOUBLE_EQ(range.nearPlane, row.nearPlane);
    EXPECT_DOUBLE_EQ(range.farPlane, row.farPlane);
    EXPECT_LT(range.nearPlane, row.distance);
    EXPECT_GT(range.farPlane, row.distance);
  }
}

} // namespace
