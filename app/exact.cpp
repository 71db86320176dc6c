#include "app/exact.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

Integer power(unsigned base, long exponent) {
  return boost::multiprecision::pow(Integer(base), unsigned(exponent));
}

int digitValue(char c) {
  return std::isdigit(static_cast<unsigned char>(c))
             ? c - '0'
             : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

// The exact value of a float: an integer times a power of two.
Rational exactFloat(float value) {
  int exponent = 0;
  const double fraction = std::frexp(double(value), &exponent);
  const Rational whole = Rational(static_cast<long long>(std::ldexp(fraction, 53)));
  return exponent >= 53 ? whole * Rational(power(2, exponent - 53))
                        : whole / Rational(power(2, 53 - exponent));
}

} // namespace

Exact3 operator+(const Exact3 &a, const Exact3 &b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Exact3 operator-(const Exact3 &a, const Exact3 &b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Exact3 operator*(const Rational &k, const Exact3 &a) { return {k * a.x, k * a.y, k * a.z}; }
Rational dot(const Exact3 &a, const Exact3 &b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Exact3 cross(const Exact3 &a, const Exact3 &b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
bool operator==(const Exact3 &a, const Exact3 &b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
double approximately(const Rational &value) {
  // Both parts cut to their top 62 bits, so that each fits an integer of 64
  // bits and the double of their quotient is the value's to rounding.
  const Integer top = abs(boost::multiprecision::numerator(value));
  const Integer &bottom = boost::multiprecision::denominator(value);
  if (top == 0) {
    return 0.0;
  }
  const long topShift = long(boost::multiprecision::msb(top)) - 62;
  const long bottomShift = long(boost::multiprecision::msb(bottom)) - 62;
  const auto bits = [](const Integer &x, long shift) {
    return double(
        (shift > 0 ? Integer(x >> shift) : Integer(x << -shift)).convert_to<unsigned long long>());
  };
  const double magnitude =
      std::ldexp(bits(top, topShift) / bits(bottom, bottomShift), int(topShift - bottomShift));
  return value < 0 ? -magnitude : magnitude;
}

Rational exactValue(std::string_view entry, float read) {
  std::size_t i = 0;
  const bool negative = i < entry.size() && entry[i] == '-';
  i += i < entry.size() && (entry[i] == '-' || entry[i] == '+') ? 1 : 0;
  const bool hexadecimal =
      entry.size() >= i + 2 && entry[i] == '0' && (entry[i + 1] == 'x' || entry[i + 1] == 'X');
  i += hexadecimal ? 2 : 0;
  const unsigned base = hexadecimal ? 16 : 10;
  // The digits as one integer, and the exponent of the base (decimal) or of
  // two (hexadecimal) that their point and the written exponent add.
  Integer digits = 0;
  long shift = 0;
  bool point = false;
  for (;
       i < entry.size() && (std::isxdigit(static_cast<unsigned char>(entry[i])) || entry[i] == '.');
       ++i) {
    if (entry[i] == '.') {
      point = true;
    } else if (!hexadecimal && !std::isdigit(static_cast<unsigned char>(entry[i]))) {
      break; // an 'e' of the exponent
    } else {
      digits = digits * base + digitValue(entry[i]);
      shift -= point ? (hexadecimal ? 4 : 1) : 0;
    }
  }
  long exponent = 0;
  if (i < entry.size() && std::strchr("eEpP", entry[i]) != nullptr) {
    exponent = std::strtol(std::string(entry.substr(i + 1)).c_str(), nullptr, 10);
  }
  if (digits == 0) {
    return 0;
  }
  const unsigned radix = hexadecimal ? 2 : 10;
  const long total = shift + exponent;
  if (std::labs(exponent) > 400 * (hexadecimal ? 4 : 1) || std::labs(total) > 5000) {
    return exactFloat(read);
  }
  const Rational magnitude = total >= 0 ? Rational(digits * power(radix, total))
                                        : Rational(digits) / Rational(power(radix, -total));
  return negative ? Rational(-magnitude) : magnitude;
}

namespace {

// The digits of `n`, nine at a time: without the library's streams, which
// would bring all of a locale's machinery into the page.
std::string digitsOf(Integer n) {
  const bool negative = n < 0;
  n = abs(n);
  std::string digits;
  const Integer billion = 1000000000;
  do {
    Integer chunk;
    Integer rest;
    boost::multiprecision::divide_qr(n, billion, rest, chunk);
    std::string part = std::to_string(chunk.convert_to<unsigned>());
    n = rest;
    digits.insert(0, n > 0 ? std::string(9 - part.size(), '0') + part : part);
  } while (n > 0);
  return (negative ? "-" : "") + digits;
}

} // namespace

std::string fraction(const Rational &value) {
  const Integer top = boost::multiprecision::numerator(value);
  const Integer bottom = boost::multiprecision::denominator(value);
  return bottom == 1 ? digitsOf(top) : digitsOf(top) + "/" + digitsOf(bottom);
}

std::string written(const Rational &value) {
  if (boost::multiprecision::denominator(value) == 1) {
    return fraction(value);
  }
  // Six decimals, rounded half away from zero.
  const Rational scaled = abs(value) * 1000000;
  const Integer units =
      (boost::multiprecision::numerator(scaled) * 2 + boost::multiprecision::denominator(scaled)) /
      (boost::multiprecision::denominator(scaled) * 2);
  std::string decimals = digitsOf(units / 1000000) + ".";
  const std::string part = digitsOf(units % 1000000);
  decimals += std::string(6 - part.size(), '0') + part;
  return fraction(value) + " ≈ " + (value < 0 ? "-" : "") + decimals;
}

std::string written(const Exact3 &point, std::string (*write)(const Rational &)) {
  return "(" + write(point.x) + ", " + write(point.y) + ", " + write(point.z) + ")";
}
