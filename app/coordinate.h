#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The largest magnitude a coordinate may have. The plane through three points
// keeps a sum of products of three coordinates in single precision, which
// overflows (beyond about 3.4e38) once coordinates pass about 7e12; up to 1e12
// every such product stays finite with room to spare.
inline constexpr double kLargestCoordinate = 1e12;

// The longest entry read as a number, in bytes. Readers keep at most one byte
// more of an entry, so that a longer one is refused without being held whole.
inline constexpr std::size_t kLongestEntry = 4096;

// Why an entry is not a coordinate.
enum class EntryFault {
  none,         // a coordinate
  notANumber,   // not one number from its first byte to its last
  decimalComma, // a number once its one comma is a point, as in "2,5"
  unicodeMinus, // a number once its minus signs (U+2212) are "-", as in "−1"
  notFinite,    // nan or inf, in any spelling
  tooLarge,     // beyond kLargestCoordinate in magnitude, or beyond float range
  tooLong,      // longer than kLongestEntry bytes
};

struct Coordinate {
  float value = 0.0f;
  EntryFault fault = EntryFault::notANumber;
};

// Reads one whitespace-free entry as a coordinate, rounded to float as strtof
// rounds it: decimal or hexadecimal, with an optional sign and exponent. The
// whole entry must be the number ("1.5.5", "1e", "12abc" are not), finite and
// at most kLargestCoordinate in magnitude, and at most kLongestEntry bytes
// long. The dialogue and the batch mode both read their numbers here, so they
// agree on every entry.
Coordinate parseCoordinate(std::string_view entry);

// Why `entry` is refused, in the words that follow "presek-trouglova: " on
// standard error: the entry quoted as shownSafely shows it, and the reason;
// for a decimal comma or a minus sign, the number as it should be typed.
std::string faultText(std::string_view entry, EntryFault fault);

// `text` as a terminal may show it: its first `longest` bytes at most, never cut
// inside a UTF-8 character, with control bytes and bytes that are not valid
// UTF-8 written as \xHH, so that no byte typed can move the cursor, retitle
// the window or clear the screen, and characters that show as nothing, as a
// space or as a change of direction written as \uHHHH (\UHHHHHHHH beyond
// U+FFFF), so that a no-break space or a mark pasted from a word processor
// can be seen.
std::string shownSafely(std::string_view text, std::size_t longest = 40);
