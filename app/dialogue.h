#pragma once

#include "geometry/point3.h"

#include <array>
#include <cstdio>

// The six vertices in the order read: A, B, C of the first triangle, then
// A', B', C' of the second.
using TrianglePair = std::array<Point3, 6>;

// The largest magnitude a coordinate may have. The plane through three points
// keeps a sum of products of three coordinates in single precision, which
// overflows (beyond about 3.4e38) once coordinates pass about 7e12; up to 1e12
// every such product stays finite with room to spare.
inline constexpr double kLargestCoordinate = 1e12;

enum class DialogueResult {
  accepted,           // six finite points, no triangle with coinciding vertices
  coincidingVertices, // rejected: a triangle has two equal vertices
  invalidInput,       // rejected: an entry that is not a number the engine can hold
};

// Greets the user on `out` and reads the six vertices from `in`, each after
// its prompt, three numbers of any spacing. Each number is one whitespace-
// separated entry, taken only when strtof reads all of it (decimal or
// hexadecimal, sign and exponent allowed) to a finite value of magnitude at
// most kLargestCoordinate; anything else, and the end of input, is reported at
// once, with no further prompt. A UTF-8 byte-order mark opening the input is
// skipped. Once all six are read, a triangle with two equal vertices is
// reported and one more integer is read, which the user types to acknowledge.
// Either rejection ends the dialogue.
DialogueResult runDialogue(std::FILE *in, std::FILE *out, TrianglePair &vertices);
