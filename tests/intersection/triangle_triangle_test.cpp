#include "intersection/triangle_triangle.h"

#include "support/memory_stream.h"
#include "support/points.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DriverRow {
  const char *name;
  Point3 A, B, C, A2, B2, C2;
  std::string message;
};

// One row per path of the driver, with the exact message it prints.
const DriverRow kPaths[] = {
    {"cut segments overlap",
     {0, 0, 0},
     {4, 0, 0},
     {0, 4, 0},
     {1, 1, -2},
     {1, 1, 2},
     {1, -3, 0},
     "Presek zadatih trouglova je duz MN.\nM: 1.000000, 0.000000, 0.000000 \n"
     "N: 1.000000, 1.000000, 0.000000\n"},
    {"cut segments meet in one point",
     {0, 0, 0},
     {2, 0, 0},
     {0, 2, 0},
     {2, 0, -1},
     {2, 0, 1},
     {6, 0, 0},
     "Zadati trouglovi se seku u tacki M (2.000000, 0.000000, 0.000000).\n"},
    {"cut segments apart",
     {0, 0, 0},
     {2, 0, 0},
     {0, 2, 0},
     {3, 0, -1},
     {3, 0, 1},
     {6, 0, 0},
     "Zadati trouglovi se ne seku.\n"},
    {"shared touching vertex",
     {2, 3, 5},
     {6, 3, 9},
     {2, 7, 9},
     {2, 3, 5},
     {6, 3, 1},
     {2, 7, 1},
     "Presek zadatih trouglova je tacka M = (2.000000, 3.000000, 5.000000)"},
    {"shared touching vertex at the origin",
     {0, 0, 0},
     {4, 0, 4},
     {0, 4, 4},
     {0, 0, 0},
     {4, 0, -4},
     {0, 4, -4},
     "Presek zadatih trouglova je tacka M = (0.000000, 0.000000, 0.000000)"},
    {"two different touching vertices",
     {0, 0, 0},
     {1, 0, 1},
     {0, 1, 1},
     {5, -5, 0},
     {-1, -1, 2},
     {1, -3, 2},
     "Zadati trouglovi se ne seku.\n"},
    {"first touches the second's cut",
     {1, 1, 0},
     {1, 1, 4},
     {2, 1, 4},
     {0, 0, 0},
     {4, 0, 0},
     {0, 4, 0},
     "Presek zadatih trouglova je tacka M (1.000000, 1.000000, 0.000000).\n"},
    {"second touches the first's cut",
     {0, 0, 0},
     {4, 0, 0},
     {0, 4, 0},
     {1, 1, 0},
     {1, 1, 4},
     {2, 1, 4},
     "Presek zadatih trouglova je tacka M (1.000000, 1.000000, 0.000000).\n"},
    {"touching vertex beside the cut",
     {5, 1, 0},
     {5, 1, 4},
     {6, 1, 4},
     {0, 0, 0},
     {4, 0, 0},
     {0, 4, 0},
     "Zadati trouglovi se ne seku.\n"},
    {"parallel planes",
     {0, 0, 0},
     {1, 0, 0},
     {0, 1, 0},
     {0, 0, 1},
     {1, 0, 1},
     {0, 1, 1},
     "Zadati trouglovi se ne seku.\n"},
    {"tiny triangle under a large one",
     {0, 0, 0},
     {0.1f, 0, 0},
     {0, 0.1f, 0},
     {0, 0, 1},
     {100, 0, 2},
     {0, 100, 3},
     "Zadati trouglovi se ne seku.\n"},
    {"coplanar",
     {0, 0, 0},
     {6, 0, 0},
     {0, 6, 0},
     {1, 1, 0},
     {2, 1, 0},
     {1, 2, 0},
     "Presek zadatih trouglova je trougao odredjen tackama \nM (1.000000, 1.000000, 0.000000), "
     "\nN (2.000000, 1.000000, 0.000000), \nP (1.000000, 2.000000, 0.000000).\n"},
    {"crossing in general position",
     {0, 0, 0},
     {4, 0, 0},
     {0, 4, 0},
     {1, 1, -1},
     {1, 1, 1},
     {3, 1, 0},
     "Presek zadatih trouglova je duz MN.\nM: 3.000000, 1.000000, 0.000000 \n"
     "N: 1.000000, 1.000000, 0.000000\n"},
    {"one vertex piercing the other",
     {0, 0, -1},
     {4, 0, 1},
     {0, 4, 1},
     {-1, -1, 0},
     {5, -1, 0},
     {-1, 5, 0},
     "Presek zadatih trouglova je duz MN.\nM: 2.000000, 0.000000, 0.000000 \n"
     "N: 0.000000, 2.000000, 0.000000\n"},
    // B' lies within the band of the first plane but just off the common
    // line, tilting the second cut past the parallel test.
    {"cut tilted by a vertex in the band",
     {0.81f, 0.89f, 0.33f},
     {0.61f, 0.93f, -0.77f},
     {0.19f, -0.56f, 0.25f},
     {0.72f, 0.41f, -0.46f},
     {0.73f, 0.75f, 0.22f},
     {-0.26f, -0.83f, 0.19f},
     "Presek zadatih trouglova je duz MN.\nM: 0.730000, 0.750000, 0.220000 \n"
     "N: 0.340544, -0.025928, -0.115608\n"},
};

TEST(IntersectTriangles, PrintsToStandardOutputAndWritesOnlyItsSlots) {
  for (const DriverRow &row : kPaths) {
    SCOPED_TRACE(row.name);
    Point3 slots[6];
    std::fill(std::begin(slots), std::end(slots), kUntouched);
    int kind = -1;
    const std::string out = captureStdout([&] {
      kind = intersectTriangles(row.A, row.B, row.C, row.A2, row.B2, row.C2, &slots[0], &slots[1],
                                &slots[2], &slots[3], &slots[4], &slots[5]);
    });
    EXPECT_EQ(out, row.message);
    const IntersectionReport report =
        triangleIntersection(row.A, row.B, row.C, row.A2, row.B2, row.C2);
    ASSERT_EQ(kind, report.kind);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(slots[i], i < kind ? report.points[i] : kUntouched) << "slot " << i;
    }
  }
}

} // namespace
