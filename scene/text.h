#pragma once

#include <string_view>

// The two sizes text is written in, in pixels: labels and names, and the
// line of keys at the bottom.
inline constexpr int kTextSize = 12;
inline constexpr int kHintSize = 10;

// The width in pixels of `text` written in Helvetica of `size` (kTextSize or
// kHintSize), as the window's bitmap fonts advance it: every backend places
// text by these widths, so that its boxes are the ones the layout planned.
// Bytes outside printable ASCII count as a question mark.
int textWidth(std::string_view text, int size);

// How far a line of text of `size` reaches above and below its baseline,
// in pixels.
inline constexpr int ascentOf(int size) { return size == kTextSize ? 10 : 8; }
inline constexpr int descentOf(int) { return 2; }
