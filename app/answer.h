#pragma once

#include "app/dialogue.h"
#include "intersection/intersection_report.h"
#include "intersection/triangle_triangle.h"

#include <cstdio>

// One input answered, as the program and the page answer it.
struct Answer {
  DialogueResult result = DialogueResult::invalidInput;
  DialogueRecord record; // what was typed, and where a slip stands
  TrianglePair vertices;
  IntersectionReport report; // for accepted input
  IntersectionTrace trace;   // how the engine reached it
};

// The intersection of the pair's two triangles: the engine's answer to it,
// with how it was reached where `trace` is given.
IntersectionReport answerPair(const TrianglePair &vertices, IntersectionTrace *trace = nullptr);

// Runs the dialogue on `in`, `out` and `err`; for accepted input answers the
// pair, prints the answer's one message on `out`, and fills both pictures
// (fillPictures). A refused input fills none.
Answer answerInput(std::FILE *in, std::FILE *out, std::FILE *err);
