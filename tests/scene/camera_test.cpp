#include "scene/camera.h"

#include <gtest/gtest.h>

namespace {

// distance: where the bounds put the camera (A = |minimum.x| + maximum.x when
// 2A > B, else B = |minimum.y| + maximum.y); fitted: never nearer than where the
// bounds' half extent h fits into the window less 24 pixels a side, at
// d = H·h / (2·room·tan 22.5°) with tan 22.5° = √2 − 1 and room the free half
// size, at least half a pixel. near and far: 1 and 1000, widened to d / 2 and 2d.
// Tall: h = 5, 700·5 / 652 · (√2 + 1) = 12.95974. README example: h = 80 across:
// 900·80 / 552 · (√2 + 1) = 314.8974, 700·80 / 652 · (√2 + 1) = 207.3558. No room:
// 40·5 / 1 · (√2 + 1) = 482.8427. Elsewhere the fit stays below the distance.
TEST(Camera, CentreDistanceAndDepthFromTheBoundsAndTheWindow) {
  // clang-format off
  struct Row { const char *name; SceneBounds bounds; int width, height; float cx, cy, distance; double fitted, nearPlane, farPlane; };
  const Row rows[] = {
    // name                                       bounds                     window      cx     cy    distance fitted    near  far
    {"empty scene: far plane beyond 1000",        {},                        1024, 700,  512,   350,  1024,    1024,     1,    2048},
    {"tall: distance B, fitted to the height",    {{0, 0}, {1, 10}},         1024, 700,  0.5f,  5,    10,      12.95974, 1,    1000},
    {"2A equal to B: distance B, not A",          {{0, 0}, {5, 10}},         1024, 700,  2.5f,  5,    10,      12.95974, 1,    1000},
    {"right of 0: |minimum.x| + maximum.x",       {{2, 1}, {10, 4}},         1024, 700,  6,     2.5f, 12,      12,       1,    1000},
    {"a single point: near plane within reach",   {{.2f, .2f}, {.2f, .2f}},  1024, 700,  0.2f,  0.2f, 0.4f,    0.4f,     0.2f, 1000},
    {"README example, 600 x 900: width fitted",   {{-55, 0}, {105, 50}},     600, 900,   25,    25,   160,     314.8974, 1,    1000},
    {"README example, 700 x 700: width fitted",   {{-55, 0}, {105, 50}},     700, 700,   25,    25,   160,     207.3558, 1,    1000},
    {"window smaller than its margins",           {{0, 0}, {10, 4}},         40, 40,     5,     2,    10,      482.8427, 1,    1000},
  };
  // clang-format on
  for (const Row &r : rows) {
    const Camera camera = cameraFromBounds(r.bounds);
    const float fitted = viewDistance(r.bounds, r.width, r.height);
    EXPECT_EQ(std::vector<float>({camera.cx, camera.cy, camera.distance}),
              std::vector<float>({r.cx, r.cy, r.distance}))
        << r.name;
    EXPECT_NEAR(fitted, r.fitted, 1e-6 * r.fitted) << r.name;
    EXPECT_NEAR(depthRange(fitted).nearPlane, r.nearPlane, 1e-7) << r.name;
    EXPECT_EQ(depthRange(fitted).farPlane, r.farPlane) << r.name;
  }
}

} // namespace
