#pragma once

#include "geometry/point3.h"

#include <array>
#include <cstdio>

// The six vertices in the order read: A, B, C of the first triangle, then
// A', B', C' of the second.
using TrianglePair = std::array<Point3, 6>;

enum class DialogueResult {
  accepted,           // six finite points, no triangle with coinciding vertices
  coincidingVertices, // rejected: a triangle has two equal vertices
  invalidInput,       // rejected: a read gave no three finite numbers
};

// Greets the user on `out` and reads the six vertices from `in`, each after
// its prompt, three numbers of any spacing. A read that does not convert three
// finite numbers is reported at once, with no further prompt. Once all six are
// read, a triangle with two equal vertices is reported and one more integer is
// read, which the user types to acknowledge. Either rejection ends the dialogue.
DialogueResult runDialogue(std::FILE *in, std::FILE *out, TrianglePair &vertices);

// The process's exit status for a dialogue's result: 0 when accepted, else 1.
int exitStatus(DialogueResult result);
