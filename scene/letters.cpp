#include "scene/letters.h"

#include <cmath>
#include <numeric>

std::optional<Rgb> letterColorOf(ColorIndex index) {
  if (index == 0) {
    return Rgb{0.75f, 0.0f, 0.0f};
  }
  if (index == 1) {
    return Rgb{0.0f, 0.4f, 0.0f};
  }
  return colorOf(index);
}

std::vector<std::vector<PlacedLetter>> joinedLabels(const std::vector<PlacedLetter> &letters) {
  // Each letter names its group by the group's first letter; joining two
  // groups keeps the earlier name, so a name is always its group's first.
  const std::size_t count = letters.size();
  std::vector<std::size_t> group(count);
  std::iota(group.begin(), group.end(), std::size_t{0});
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      const double apart = std::hypot(letters[i].x - letters[j].x, letters[i].y - letters[j].y);
      if (apart > kJoinRadius || group[i] == group[j]) {
        continue;
      }
      const std::size_t kept = std::min(group[i], group[j]);
      const std::size_t gone = std::max(group[i], group[j]);
      for (std::size_t &g : group) {
        g = g == gone ? kept : g;
      }
    }
  }
  std::vector<std::vector<PlacedLetter>> labels;
  std::vector<std::size_t> labelOf(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (group[i] == i) {
      labelOf[i] = labels.size();
      labels.emplace_back();
    }
    labels[labelOf[group[i]]].push_back(letters[i]);
  }
  return labels;
}
