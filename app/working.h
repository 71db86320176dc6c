#pragma once

#include "app/dialogue.h"
#include "app/exact.h"
#include "intersection/intersection_report.h"
#include "intersection/triangle_triangle.h"

#include <string>
#include <vector>

// The working of an answer: the steps a student writes by hand, in Serbian,
// each value an exact fraction of the numbers as typed.
struct Working {
  std::string text;           // the steps, line by line, the answer's points last
  std::vector<Exact3> points; // the answer's points as exact fractions, M, N, P, ...
  int exactKind = 0;          // how many corners exact arithmetic finds along the same steps
};

// The working of `report`, the answer to `vertices` typed as `entries` (x, y,
// z of A, B, C, A', B', C'), following the decisions `trace` records, in
// their order: the plane of A'B'C' and the sides of A, B, C; the cut of ABC;
// the same for A'B'C' against the plane of ABC; the overlap of the two cuts
// along the line common to both planes; or, for triangles in one plane, the
// vertices inside the other and the crossings of the edges; or, for a
// triangle on one line, the segment it spans against the other. Where the
// program's tolerance decided what exact arithmetic would not, the step says
// so, with the value and the bound, and the working never contradicts the
// answer: its points are the answer's, each the exact point it stands for.
Working workingOf(const std::array<std::string, 18> &entries, const TrianglePair &vertices,
                  const IntersectionReport &report, const IntersectionTrace &trace);
