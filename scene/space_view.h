#pragma once

#include "scene/layout.h"

// Draws `figures` in space for a window of width × height pixels, from the
// camera that `orbit` places (spaceCamera): the X, Y and Z axes in dark grey,
// never over an edge or a dot; both triangles' edges and dots as in the
// projections, hidden parts hidden by the depth buffer; then both faces in a
// translucent tint of their colour, so that what lies behind a face shows
// through it; the intersection in red over everything, a polygon filled with
// its corners taken around their centre; then the letters, the axes' names
// and `hint` as layOutSpace places them. Leaves depth testing off.
void drawSpace(const SpaceFigures &figures, Orbit orbit, int width, int height, const Hint &hint);
