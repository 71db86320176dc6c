#pragma once

#include "app/dialogue.h"
#include "intersection/intersection_report.h"

#include <cstdio>

// One input answered, as the program and the page answer it.
struct Answer {
  DialogueResult result = DialogueResult::invalidInput;
  unsigned refusedPoints = 0; // for a refusal: which points hold the slip (runDialogue)
  TrianglePair vertices;
  IntersectionReport report; // for accepted input
};

// The intersection of the pair's two triangles: the engine's answer to it.
IntersectionReport answerPair(const TrianglePair &vertices);

// Runs the dialogue on `in`, `out` and `err`; for accepted input answers the
// pair, prints the answer's one message on `out`, and fills both pictures
// (fillPictures). A refused input fills none.
Answer answerInput(std::FILE *in, std::FILE *out, std::FILE *err);
