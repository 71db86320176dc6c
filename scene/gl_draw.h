#pragma once

#include "scene/layout.h"

// The OpenGL backend of a placed picture: what each record of the layout
// becomes in the current viewport of width × height pixels. Only this file
// and the page's own version of drawText know how text reaches the screen.

void setRgb(Rgb color);

// Loads a pixel grid on both matrix stacks: (0, 0) at the top left corner,
// y down, as the layout counts.
void loadPixelGrid(int width, int height);

// The edges, the dots, then the texts of `picture`, later over earlier.
void drawPicture(const Picture &picture);

// The names, the leaders, the labels and the hint of `picture`, over what is
// drawn already; the pixel grid is loaded first.
void drawTexts(const Picture &picture);

// One line of text, its baseline from (x, y) on the pixel grid, its pieces
// each in its own colour. On a desktop it is drawn into the frame with the
// window's bitmap font; in a page, on a layer of text over the frame, which
// beginTexts clears for each new frame.
void drawText(const PictureText &text);
void beginTexts();
