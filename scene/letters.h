#pragma once

#include "scene/scene_store.h"

#include <optional>
#include <vector>

// The console's names of the points, in slot order: A, B, C of the first
// triangle, A', B', C' of the second, then the intersection's corners M to S.
inline constexpr const char *kPointLetters[12] = {"A", "B", "C", "A'", "B'", "C'",
                                                  "M", "N", "P", "Q",  "R",  "S"};

// The colour of the point numbered i in that order: blue for the first
// triangle, green for the second, red for the intersection.
constexpr ColorIndex pointColor(int i) {
  if (i < 3) {
    return 2;
  }
  return i < 6 ? 1 : 0;
}

// The shade in which a letter of a figure drawn in `index` is written: the
// table colour, but darker for red (0.75, 0, 0) and green (0, 0.4, 0), so that
// every letter stands out from the background (0.9, 0.9, 0.8) by a contrast
// ratio of at least 4.5 : 1 (about 5.1 for red, 5.7 for green, 6.7 for the
// table's blue). Nothing for an index without a table entry.
std::optional<Rgb> letterColorOf(ColorIndex index);

// A letter and the pixel of its dot; a faint one is written fainter, for a
// dot hidden behind a face.
struct PlacedLetter {
  double x = 0.0;
  double y = 0.0;
  const char *text = "";
  ColorIndex color = kDefaultColor;
  bool faint = false;
  double at[3] = {}; // the point in the view's own coordinates: equal letters name one point
};

// Dots at most this many pixels apart share one label: closer, their letters
// would print over each other.
inline constexpr double kJoinRadius = 8.0;

// The labels to write for `letters`: groups of letters whose dots are linked
// by a chain of dots each within kJoinRadius of the next, in the order of
// their first letters, each group's letters in the given order. A group's
// label belongs beside its first letter's dot.
std::vector<std::vector<PlacedLetter>> joinedLabels(const std::vector<PlacedLetter> &letters);
