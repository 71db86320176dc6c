#pragma once

#include <string_view>

// The largest magnitude a coordinate may have. The plane through three points
// keeps a sum of products of three coordinates in single precision, which
// overflows (beyond about 3.4e38) once coordinates pass about 7e12; up to 1e12
// every such product stays finite with room to spare.
inline constexpr double kLargestCoordinate = 1e12;

// Why an entry is not a coordinate.
enum class EntryFault {
  none,         // a coordinate
  notANumber,   // not one number from its first byte to its last
  decimalComma, // a number once its one comma is a point, as in "2,5"
  notFinite,    // nan or inf, in any spelling
  tooLarge,     // beyond kLargestCoordinate in magnitude, or beyond float range
};

struct Coordinate {
  float value = 0.0f;
  EntryFault fault = EntryFault::notANumber;
};

// Reads one whitespace-free entry as a coordinate, rounded to float as strtof
// rounds it: decimal or hexadecimal, with an optional sign and exponent. The
// whole entry must be the number ("1.5.5", "1e", "12abc" are not), finite and
// at most kLargestCoordinate in magnitude. The dialogue and the batch mode
// both read their numbers here, so they agree on every entry.
Coordinate parseCoordinate(std::string_view entry);
