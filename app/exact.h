#pragma once

#include <boost/multiprecision/cpp_int.hpp>

#include <string>
#include <string_view>

// Exact rational arithmetic, for the working: Boost.Multiprecision's
// rational of unbounded integers, each operation carried out at once.
using Rational = boost::multiprecision::number<boost::multiprecision::cpp_rational_backend,
                                               boost::multiprecision::et_off>;
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;

// A point or a vector with exact coordinates.
struct Exact3 {
  Rational x, y, z;
};

Exact3 operator+(const Exact3 &a, const Exact3 &b);
Exact3 operator-(const Exact3 &a, const Exact3 &b);
Exact3 operator*(const Rational &k, const Exact3 &a);
Rational dot(const Exact3 &a, const Exact3 &b);
Exact3 cross(const Exact3 &a, const Exact3 &b);
bool operator==(const Exact3 &a, const Exact3 &b);
double approximately(const Rational &value);

// The exact number an entry that parseCoordinate accepts stands for: a
// decimal with an optional sign, point and exponent, 0.1 being 1/10 and
// 2.5e3 being 2500; a hexadecimal float, its binary value. An entry whose
// exponent puts it more than 400 decades from 1 (the float holds 0 or no
// more than a few digits of it there) stands for the float it reads as.
Rational exactValue(std::string_view entry, float read);

// `value` as the working writes it: an integer as it is, else a fraction in
// lowest terms with its six decimals beside it, "1525/36 ≈ 42.361111".
std::string written(const Rational &value);

// `value` as an integer or a fraction in lowest terms alone: "1525/36".
std::string fraction(const Rational &value);

// The point (x, y, z), each coordinate written as `write` writes it.
std::string written(const Exact3 &point, std::string (*write)(const Rational &) = written);
