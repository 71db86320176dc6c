#include "app/coordinate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

namespace {

// The value as strtof reads the whole entry, or false when it reads less.
// from_chars rounds decimal numbers exactly as strtof does and many times
// faster. Whatever it does not take whole goes to strtof itself: hexadecimal
// numbers and a leading '+' (it reads neither), numbers beyond float range (it
// leaves them unset), and anything it refuses. A C++ library without it
// (libc++ 13, which the page is built with) reads every entry with strtof.
bool readFloat(std::string_view entry, float &value) {
#if defined(__cpp_lib_to_chars)
  const char *end = entry.data() + entry.size();
  const auto [stop, error] = std::from_chars(entry.data(), end, value);
  if (error == std::errc() && stop == end) {
    return true;
  }
#endif
  const std::string text(entry);
  char *last = nullptr;
  value = std::strtof(text.c_str(), &last);
  return !text.empty() && last == text.c_str() + text.size();
}

constexpr std::string_view kMinusSign = "\xE2\x88\x92"; // U+2212 in UTF-8

// The entry as it should have been typed: its comma a point, or its minus
// signs "-".
std::string mended(std::string_view entry, EntryFault fault) {
  std::string text(entry);
  if (fault == EntryFault::decimalComma) {
    text[text.find(',')] = '.';
  }
  for (std::size_t at = text.find(kMinusSign); fault == EntryFault::unicodeMinus && at != text.npos;
       at = text.find(kMinusSign, at)) {
    text.replace(at, kMinusSign.size(), "-");
  }
  return text;
}

// The length of the UTF-8 character that starts `text`, or 0 when it starts
// with no valid one: no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t characterLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned first = byte(0);
  const std::size_t length = first < 0x80   ? 1
                             : first < 0xC2 ? 0
                             : first < 0xE0 ? 2
                             : first < 0xF0 ? 3
                             : first < 0xF5 ? 4
                                            : 0;
  if (length == 0 || length > text.size()) {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) {
      return 0;
    }
  }
  const unsigned second = length > 1 ? byte(1) : 0x80;
  const bool overlong = (first == 0xE0 && second < 0xA0) || (first == 0xF0 && second < 0x90);
  const bool beyond = (first == 0xED && second >= 0xA0) || (first == 0xF4 && second >= 0x90);
  return overlong || beyond ? 0 : length;
}

// The code point of the valid UTF-8 character of `length` bytes that starts
// `text`.
char32_t codePointOf(std::string_view text, std::size_t length) {
  const auto byte = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(text[i])); };
  constexpr char32_t kLead[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t code = byte(0) & kLead[length];
  for (std::size_t i = 1; i < length; ++i) {
    code = code << 6 | (byte(i) & 0x3F);
  }
  return code;
}

// Characters a terminal shows as nothing, as a space, or as a change of the
// direction of what follows: a student pasting from a word processor cannot
// see them, only that the entry is refused. The C1 control codes, the
// no-break and other wide or narrow spaces, joiners and marks of direction,
// fillers, variation selectors, the byte-order mark and the tags.
bool isHidden(char32_t c) {
  constexpr char32_t kRanges[][2] = {
      {0x80, 0xA0},     {0xAD, 0xAD},      {0x34F, 0x34F},   {0x61C, 0x61C},   {0x115F, 0x1160},
      {0x17B4, 0x17B5}, {0x180B, 0x180F},  {0x2000, 0x200F}, {0x2028, 0x202F}, {0x205F, 0x206F},
      {0x3000, 0x3000}, {0x3164, 0x3164},  {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0},
      {0xFFF9, 0xFFFB}, {0xE0000, 0xE0FFF}};
  return std::any_of(std::begin(kRanges), std::end(kRanges),
                     [c](const char32_t(&range)[2]) { return c >= range[0] && c <= range[1]; });
}

} // namespace

std::string shownSafely(std::string_view text, std::size_t longest) {
  std::string shown;
  std::size_t i = 0;
  while (i < std::min(text.size(), longest)) {
    const std::size_t length = characterLength(text.substr(i));
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (length == 0 || c < 0x20 || c == 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      shown += escaped;
      ++i;
    } else if (i + length > longest) {
      break;
    } else if (const char32_t code = codePointOf(text.substr(i), length); isHidden(code)) {
      char escaped[12];
      std::snprintf(escaped, sizeof escaped, code > 0xFFFF ? "\\U%08x" : "\\u%04x", unsigned(code));
      shown += escaped;
      i += length;
    } else {
      shown.append(text, i, length);
      i += length;
    }
  }
  return shown;
}

std::string faultText(std::string_view entry, EntryFault fault) {
  const std::string quoted = "'" + shownSafely(entry) + "'";
  switch (fault) {
  case EntryFault::decimalComma:
    return quoted + " nije broj; decimale se pisu sa tackom: " + shownSafely(mended(entry, fault));
  case EntryFault::unicodeMinus:
    return quoted + " nije broj; znak minus se pise kao -: " + shownSafely(mended(entry, fault));
  case EntryFault::notFinite:
    return quoted + " nije konacan broj";
  case EntryFault::tooLarge:
    return quoted + " je prevelik broj; dozvoljeno je najvise 1e12 po apsolutnoj vrednosti";
  case EntryFault::tooLong:
    return quoted + " je predugacak unos; broj moze imati najvise 4096 znakova";
  case EntryFault::notANumber:
  case EntryFault::none:
    break;
  }
  return quoted + " nije broj";
}

Coordinate parseCoordinate(std::string_view entry) {
  Coordinate coordinate;
  if (entry.size() > kLongestEntry) {
    coordinate.fault = EntryFault::tooLong;
  } else if (!readFloat(entry, coordinate.value)) {
    const std::size_t comma = entry.find(',');
    const bool decimalComma =
        comma != entry.npos && entry.find(',', comma + 1) == entry.npos &&
        parseCoordinate(mended(entry, EntryFault::decimalComma)).fault == EntryFault::none;
    const bool minus =
        entry.find(kMinusSign) != entry.npos &&
        parseCoordinate(mended(entry, EntryFault::unicodeMinus)).fault == EntryFault::none;
    coordinate.fault = decimalComma ? EntryFault::decimalComma
                       : minus      ? EntryFault::unicodeMinus
                                    : EntryFault::notANumber;
  } else if (std::isnan(coordinate.value)) {
    coordinate.fault = EntryFault::notFinite;
  } else if (std::isinf(coordinate.value)) {
    // A number too large for a float reads as inf, as the word itself does.
    const bool spelled = entry.find_first_of("iI") != entry.npos;
    coordinate.fault = spelled ? EntryFault::notFinite : EntryFault::tooLarge;
  } else if (std::fabs(double(coordinate.value)) > kLargestCoordinate) {
    coordinate.fault = EntryFault::tooLarge;
  } else {
    coordinate.fault = EntryFault::none;
  }
  return coordinate;
}
