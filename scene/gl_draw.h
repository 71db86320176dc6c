#pragma once

#include "scene/layout.h"

// Clears the current viewport of picture.width × picture.height pixels to the
// picture's background and paints the picture there with OpenGL: the window's
// backend. Text is written in freeglut's Helvetica bitmap fonts.
void drawPicture(const Picture &picture);
