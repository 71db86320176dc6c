#pragma once

#include "scene/layout.h"

#include <optional>
#include <string>
#include <string_view>

enum class PictureFormat { svg, png, pdf };

// The format that the ending of `path` names, ".svg", ".png" or ".pdf" in
// any case; nothing for any other ending. (In the scene library: it needs no
// cairo.)
std::optional<PictureFormat> pictureFormatOf(std::string_view path);

// Writes `picture` to the file at `path`. PNG and PDF are drawn by cairo, the
// PNG pixel for pixel as the window draws the same picture at its marks; SVG
// is written as text that an editor can change: each dot a <circle>, each
// label one <text> with its letters in coloured <tspan>s. Gives the system's
// reason when the file cannot be written, else an empty text.
std::string writePictureFile(const char *path, PictureFormat format, const Picture &picture);

// Writes width × height pixels as a PNG file at `path`: four bytes a pixel,
// red, green, blue and one unused, rows from the bottom up as OpenGL reads
// them. The file must not exist yet. Gives the system's reason when it cannot
// be written.
std::string writePixelsAsPng(const char *path, const unsigned char *pixels, int width, int height);
