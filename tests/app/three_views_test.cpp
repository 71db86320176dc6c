#include "app/three_views.h"

#include "scene/scene_store.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace {

constexpr ColorIndex kRed = 0, kGreen = 1, kBlue = 2;

// A = (1, 2, 3), B = (4, 2, 3), C = (1, 6, 3); A' = (2, 3, 0), B' = (2, 3, 6),
// C' = (2, 7, 3): all within a span of 9, so the shift stays 10.
const Point3 kA{1, 2, 3}, kB{4, 2, 3}, kC{1, 6, 3};
const Point3 kA2{2, 3, 0}, kB2{2, 3, 6}, kC2{2, 7, 3};

class ThreeViews : public ::testing::Test {
protected:
  void SetUp() override { scene = Scene{}; }
  void TearDown() override { scene = Scene{}; }

  static void fill(IntersectionKind result, const Point3 (&slots)[6]) {
    fillScene(kA, kB, kC, kA2, kB2, kC2, result, slots[0], slots[1], slots[2], slots[3], slots[4],
              slots[5]);
  }

  static std::vector<ScenePoint> points() { return {scene.points.begin(), scene.points.end()}; }
  static std::vector<SceneSegment> segments() {
    return {scene.segments.begin(), scene.segments.end()};
  }
};

const Point3 kHexagon[6] = {{2, 3, 3},    {2, 4, 3},    {2, 5, 3},
                            {2, 3.5f, 3}, {2, 4.5f, 3}, {2, 2.5f, 3}};

TEST_F(ThreeViews, RecordCountsForEveryResult) {
  struct Row {
    IntersectionKind result;
    std::size_t points, segments, redSegmentsPerView;
  };
  const Row rows[] = {{0, 18, 18, 0},  {1, 21, 18, 0}, {2, 24, 21, 1},
                      {3, 27, 27, 3},  {4, 30, 36, 6}, {5, 33, 48, 10},
                      {6, 36, 63, 15}, {7, 18, 18, 0}, {-1, 18, 18, 0}};
  for (const Row &row : rows) {
    SCOPED_TRACE(row.result);
    scene = Scene{};
    fill(row.result, kHexagon);
    EXPECT_EQ(scene.points.size(), row.points);
    EXPECT_EQ(scene.segments.size(), row.segments);
    std::size_t red = 0;
    for (const SceneSegment &s : scene.segments) {
      red += s.color == kRed;
    }
    EXPECT_EQ(red, 3 * row.redSegmentsPerView);
  }
}

TEST_F(ThreeViews, ViewsInOrderXyThenXzThenYz) {
  fill(1, kHexagon);
  const std::vector<ScenePoint> p = points();
  ASSERT_EQ(p.size(), 21u);
  // A in each view: (x, y), (x − 10, z), (y + 10, z).
  EXPECT_EQ(p[0].x, 1);
  EXPECT_EQ(p[0].y, 2);
  EXPECT_EQ(p[7].x, -9);
  EXPECT_EQ(p[7].y, 3);
  EXPECT_EQ(p[14].x, 12);
  EXPECT_EQ(p[14].y, 3);
  // Within a view: A B C blue, A' B' C' green, then the intersection red.
  const ColorIndex colours[7] = {kBlue, kBlue, kBlue, kGreen, kGreen, kGreen, kRed};
  for (int i = 0; i < 21; ++i) {
    EXPECT_EQ(p[i].color, colours[i % 7]) << i;
  }
  EXPECT_EQ(p[6].x, 2); // M in the XY view
  EXPECT_EQ(p[13].x, -8);
  EXPECT_EQ(p[20].x, 13);
}

TEST_F(ThreeViews, EdgesInTheirPrescribedOrder) {
  fill(3, kHexagon);
  const std::vector<SceneSegment> s = segments();
  ASSERT_EQ(s.size(), 27u);
  struct Edge {
    Point3 from, to;
    ColorIndex color;
  };
  const Edge edges[9] = {{kA, kB, kBlue},
                         {kB, kC, kBlue},
                         {kA, kC, kBlue},
                         {kA2, kB2, kGreen},
                         {kA2, kC2, kGreen},
                         {kB2, kC2, kGreen},
                         {kHexagon[0], kHexagon[1], kRed},
                         {kHexagon[0], kHexagon[2], kRed},
                         {kHexagon[1], kHexagon[2], kRed}};
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s[i].start.x, edges[i].from.x);
    EXPECT_EQ(s[i].start.y, edges[i].from.y);
    EXPECT_EQ(s[i].end.x, edges[i].to.x);
    EXPECT_EQ(s[i].end.y, edges[i].to.y);
    EXPECT_EQ(s[i].color, edges[i].color);
  }
}

TEST_F(ThreeViews, PolygonCornersAreJoinedPairwise) {
  fill(6, kHexagon);
  const std::vector<SceneSegment> s = segments();
  // In the XY view, after the six triangle edges: MN, MP, MQ, MR, MS, NP, ...
  int k = 6;
  for (int i = 0; i < 6; ++i) {
    for (int j = i + 1; j < 6; ++j, ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(s[k].start.y, kHexagon[i].y);
      EXPECT_EQ(s[k].end.y, kHexagon[j].y);
    }
  }
  EXPECT_EQ(k, 21);
}

TEST(ViewShift, TenForSmallInputsWiderForWideOnes) {
  const Point3 small[2] = {{0, 0, 0}, {9, 9, 100}};
  EXPECT_EQ(viewShift(small, 2), 10.0f);
  // x and y are pooled: the XY view's x range must clear the YZ view's y range.
  const Point3 wide[2] = {{0, -20, 0}, {30, 5, -500}};
  EXPECT_EQ(viewShift(wide, 2), float(1.1 * 50));
  const Point3 hundreds[2] = {{100, 100, 0}, {300, 300, 0}};
  EXPECT_EQ(viewShift(hundreds, 2), float(1.1 * 200));
}

TEST_F(ThreeViews, WideInputsKeepTheViewsApart) {
  const Point3 far[6] = {{0, 0, 0},   {50, 10, 0}, {10, 50, 50},
                         {50, 50, 0}, {0, 50, 50}, {40, 0, 10}};
  const Point3 none[6] = {};
  fillScene(far[0], far[1], far[2], far[3], far[4], far[5], 0, none[0], none[1], none[2], none[3],
            none[4], none[5]);
  const std::vector<ScenePoint> p = points();
  ASSERT_EQ(p.size(), 18u);
  float right[3] = {-1e9f, -1e9f, -1e9f};
  float left[3] = {1e9f, 1e9f, 1e9f};
  for (std::size_t i = 0; i < p.size(); ++i) {
    const std::size_t view = i / 6; // XY, XZ, YZ
    right[view] = std::max(right[view], p[i].x);
    left[view] = std::min(left[view], p[i].x);
  }
  EXPECT_LT(right[1], left[0]); // XZ left of XY
  EXPECT_LT(right[0], left[2]); // XY left of YZ
}

} // namespace
