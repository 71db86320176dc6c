#include "scene/scene_store.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

class SceneStore : public ::testing::Test {
protected:
  void SetUp() override { scene = Scene{}; }
  void TearDown() override { scene = Scene{}; }

  static void expectBounds(float minX, float minY, float maxX, float maxY) {
    EXPECT_EQ(scene.bounds.minimum.x, minX);
    EXPECT_EQ(scene.bounds.minimum.y, minY);
    EXPECT_EQ(scene.bounds.maximum.x, maxX);
    EXPECT_EQ(scene.bounds.maximum.y, maxY);
  }
};

TEST_F(SceneStore, StartsEmptyWithMinimumAboveAndRightOfMaximum) {
  expectBounds(1024, 700, 0, 0);
  EXPECT_TRUE(scene.points.empty());
  EXPECT_TRUE(scene.segments.empty());
  EXPECT_TRUE(scene.lines.empty());
  EXPECT_TRUE(scene.circles.empty());
}

TEST_F(SceneStore, OnePointInsideTheStartingRectangleMovesBothCorners) {
  addPoint({5, 3}, 4);
  expectBounds(5, 3, 5, 3);
}

TEST_F(SceneStore, BoundsKeepTheirStartingValuesUnlessPassedStrictly) {
  struct Row {
    const char *name;
    ScenePoint point;
    float minX, minY, maxX, maxY;
  };
  const Row rows[] = {
      {"x moves only the minimum, y only the maximum", {-2, 800}, -2, 700, 0, 800},
      {"beyond the starting rectangle on the right", {2000, 5}, 1024, 5, 2000, 5},
      {"below zero", {1, -3}, 1, -3, 1, 0},
      {"equal to the starting values", {1024, 700}, 1024, 700, 1024, 700},
      {"at the origin", {0, 0}, 0, 0, 0, 0},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    scene = Scene{};
    addPoint(row.point, 0);
    expectBounds(row.minX, row.minY, row.maxX, row.maxY);
  }
}

TEST_F(SceneStore, AddPointReplacesTheColour) {
  addPoint({1, 1}, 0);
  ASSERT_EQ(scene.points.size(), 1u);
  EXPECT_EQ(scene.points.front().color, 0);
  EXPECT_EQ(ScenePoint{}.color, kDefaultColor);
}

TEST_F(SceneStore, AddSegmentColoursTheSegmentButNotItsEnds) {
  addSegment({{0, 0}, {4, 2}}, 1);
  ASSERT_EQ(scene.segments.size(), 1u);
  const SceneSegment &stored = scene.segments.front();
  EXPECT_EQ(stored.color, 1);
  EXPECT_EQ(stored.start.color, kDefaultColor);
  EXPECT_EQ(stored.end.color, kDefaultColor);
  expectBounds(0, 0, 4, 2);
}

TEST_F(SceneStore, SegmentWidensWithStartThenEnd) {
  addSegment({{3000, -5}, {-7, 900}}, 2);
  expectBounds(-7, -5, 3000, 900);
}

TEST_F(SceneStore, RecordsComeBackInInsertionOrder) {
  for (int i = 0; i < 5; ++i) {
    addPoint({float(i), float(-i)}, i);
    addSegment({{float(i), 0}, {0, float(i)}}, 9 - i);
  }
  int i = 0;
  for (const ScenePoint &p : scene.points) {
    EXPECT_EQ(p.x, float(i));
    EXPECT_EQ(p.color, i);
    ++i;
  }
  i = 0;
  for (const SceneSegment &s : scene.segments) {
    EXPECT_EQ(s.start.x, float(i));
    EXPECT_EQ(s.color, 9 - i);
    ++i;
  }
  EXPECT_EQ(i, 5);
}

TEST(ColorTable, TenEntriesAndNoneOutside) {
  struct Row {
    ColorIndex index;
    float red, green, blue;
  };
  const Row rows[] = {{0, 1, 0, 0}, {1, 0, 1, 0}, {2, 0, 0, 1},       {3, 1, 1, 0}, {4, 1, 0.5f, 0},
                      {5, 1, 0, 1}, {6, 0, 1, 1}, {7, 0.5f, 0, 0.5f}, {8, 1, 1, 1}, {9, 0, 0, 0}};
  for (const Row &row : rows) {
    SCOPED_TRACE(row.index);
    const auto rgb = colorOf(row.index);
    ASSERT_TRUE(rgb.has_value());
    EXPECT_EQ(rgb->red, row.red);
    EXPECT_EQ(rgb->green, row.green);
    EXPECT_EQ(rgb->blue, row.blue);
  }
  EXPECT_FALSE(colorOf(10).has_value());
  EXPECT_FALSE(colorOf(-1).has_value());
}

} // namespace
