#include "app/coordinate.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The value as strtof reads the whole entry, or false when it reads less.
// from_chars rounds decimal numbers exactly as strtof does and many times
// faster. Whatever it does not take whole goes to strtof itself: hexadecimal
// numbers and a leading '+' (it reads neither), numbers beyond float range (it
// leaves them unset), and anything it refuses.
bool readFloat(std::string_view entry, float &value) {
  const char *end = entry.data() + entry.size();
  const auto [stop, error] = std::from_chars(entry.data(), end, value);
  if (error == std::errc() && stop == end) {
    return true;
  }
  const std::string text(entry);
  char *last = nullptr;
  value = std::strtof(text.c_str(), &last);
  return !text.empty() && last == text.c_str() + text.size();
}

} // namespace

Coordinate parseCoordinate(std::string_view entry) {
  Coordinate coordinate;
  if (!readFloat(entry, coordinate.value)) {
    const std::size_t comma = entry.find(',');
    std::string pointed(entry);
    if (comma != entry.npos) {
      pointed[comma] = '.';
    }
    const bool decimalComma = comma != entry.npos && entry.find(',', comma + 1) == entry.npos &&
                              parseCoordinate(pointed).fault == EntryFault::none;
    coordinate.fault = decimalComma ? EntryFault::decimalComma : EntryFault::notANumber;
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
