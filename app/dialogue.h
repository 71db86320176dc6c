#pragma once

#include "geometry/point3.h"

#include <array>
#include <cstdio>
#include <string>

// The six vertices in the order read: A, B, C of the first triangle, then
// A', B', C' of the second.
using TrianglePair = std::array<Point3, 6>;

enum class DialogueResult {
  accepted,           // six finite points, no triangle with coinciding vertices
  coincidingVertices, // rejected: a triangle has two equal vertices
  invalidInput,       // rejected: an entry that is not a number the engine can hold
};

// Greets the user on `out` and reads the six vertices from `in`, each after
// its prompt, three numbers of any spacing; `out` is flushed before each read.
// Each number is one whitespace-separated entry, read by parseCoordinate; an
// entry it refuses, and the end of input, are reported at once on `out`, with
// no further prompt, and why on `err`, in one line. A UTF-8 byte-order mark
// opening the input is skipped. Once all six are read, a triangle with two
// equal vertices is reported and one more integer is read, which the user
// types to acknowledge. Either rejection ends the dialogue. With `record`, also
// tells what was typed and where a slip stands.
struct DialogueRecord;
DialogueResult runDialogue(std::FILE *in, std::FILE *out, std::FILE *err, TrianglePair &vertices,
                           DialogueRecord *record = nullptr);

struct DialogueRecord {
  // Each coordinate's entry as typed, x, y, z of A, B, C, A', B', C': the
  // exact number the student meant, where the float holds it rounded.
  std::array<std::string, 18> entries;
  // For a refusal, a bit for each point that holds the slip, 1 << i for point
  // i in the order A, B, C, A', B', C': the point being read when an entry was
  // refused or the input ended, or both points of each pair that coincides.
  unsigned refusedPoints = 0;
};

// True when a triangle of the pair has two equal vertices (A and B, A and C,
// B and C, then the same for A', B', C'), exactly, so −0 equals 0.
bool hasCoincidingVertices(const TrianglePair &vertices);
