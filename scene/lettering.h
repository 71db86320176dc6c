#pragma once

#include "scene/letters.h"

#include <GL/freeglut.h>

#include <vector>

// The font of the views' names and of every letter beside a dot.
inline void *const kTextFont = GLUT_BITMAP_HELVETICA_12;

// The window pixel (x to the right, y up) where the current matrices put the
// point (x, y, z), or nothing when it lies outside the depth range.
std::optional<PlacedLetter> placed(double x, double y, double z, const char *text,
                                   ColorIndex color);

// Writes `text` in `font` and `color` with its baseline starting a few pixels
// up and to the right of the window pixel (x, y).
void writeBeside(double x, double y, const char *text, Rgb color, void *font = kTextFont);

// Writes each group of `letters` that lie within a few pixels of each other
// (joinedLabels) as one label beside its first letter's dot, up and to the
// right of it unless that runs past the window's right edge: the letters in
// their shades (letterColorOf), joined by black signs "=", as in A=A'=M.
void writeLetters(const std::vector<PlacedLetter> &letters);

// Writes `text` in small dark grey letters at the bottom left of the window.
void writeHint(const char *text);
