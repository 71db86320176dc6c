#include "scene/text.h"

namespace {

// Advances of the characters 32 to 126, as freeglut's Helvetica 12 and 10
// bitmap fonts have them.
// clang-format off
constexpr unsigned char kHelvetica12[95] = {
  4, 3, 5, 7, 7, 11, 9, 3, 4, 4, 5, 7, 4, 8, 3, 4, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 3, 3, 7, 7, 7, 7,
  12, 9, 8, 9, 9, 8, 8, 9, 9, 3, 7, 8, 7, 11, 9, 10, 8, 10, 8, 8, 7, 8, 9, 11, 9, 9, 9, 3, 4, 3, 6,
  7, 3, 7, 7, 7, 7, 7, 3, 7, 7, 3, 3, 6, 3, 9, 7, 7, 7, 7, 4, 6, 3, 7, 7, 9, 6, 7, 6, 4, 3, 4, 7};
constexpr unsigned char kHelvetica10[95] = {
  3, 3, 4, 6, 6, 9, 8, 3, 4, 4, 4, 6, 3, 7, 3, 3, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3, 6, 5, 6, 6,
  11, 7, 7, 8, 8, 7, 6, 8, 8, 3, 5, 7, 6, 9, 8, 8, 7, 8, 7, 7, 5, 8, 7, 9, 7, 7, 7, 3, 3, 3, 6,
  6, 3, 5, 6, 5, 6, 5, 4, 6, 6, 2, 2, 5, 2, 8, 6, 6, 6, 6, 4, 5, 4, 5, 6, 8, 6, 5, 5, 3, 3, 3, 7};
// clang-format on

} // namespace

int textWidth(std::string_view text, int size) {
  const unsigned char *advances = size == kTextSize ? kHelvetica12 : kHelvetica10;
  int width = 0;
  for (const char c : text) {
    const unsigned code = static_cast<unsigned char>(c);
    width += advances[(code >= 32 && code < 127 ? code : '?') - 32];
  }
  return width;
}
