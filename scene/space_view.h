#pragma once

#include "scene/space_camera.h"

// Draws `figures` in space for a window of width × height pixels, from the
// camera that `orbit` places (spaceCamera): both triangles filled with a light
// tint of their colour, their edges and dots as in the projections, hidden
// parts hidden by the depth buffer; the intersection in red over everything,
// a polygon filled with its corners taken around their centre; the X, Y and Z
// axes in dark grey, each named at its end; and every dot's letter. Sets both
// matrices, and leaves depth testing off as the projections need it.
void drawSpace(const SpaceFigures &figures, Orbit orbit, int width, int height);
