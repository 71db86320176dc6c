#pragma once

#include "scene/scene_store.h"

// Opens the window "Geometrija - prikaz zadatka" (1024 × 700 at (100, 50)) and
// draws the scene's three views as layOut places them, until the toolkit ends
// the process, which it does through the normal exit path with status 0 when
// the user closes the window or presses Esc or q. The key v switches to the
// view of spaceFigures in space and back; there a drag with the left button
// turns the figures, the wheel and + and - zoom, and r returns to the
// starting view (startingOrbit). The key s saves what the window shows as
// presek-trouglova-N.png in the working directory, N the first number free,
// and names the file on standard error. A line at the bottom names the keys.
// argc and argv are main's, handed to the toolkit.
void runDisplay(int argc, char **argv);

// Reshape handler: the viewport over the whole window; a height of 0 counts
// as 1.
void onReshape(int width, int height);

// Display handler: clears to the background and draws the three views, or
// the figures in space.
void onDisplay();
