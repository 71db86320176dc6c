#pragma once

#include "scene/scene_store.h"

// Opens the window "Geometrija - prikaz zadatka" (1024 × 700 at (100, 50)),
// places the camera over the box of what the scene draws and draws the scene
// until the toolkit ends the process, which it does through the normal exit
// path with status 0 when the user closes the window or presses Esc or q. The
// key v switches to the view of spaceFigures in space and back; there a drag
// with the left button turns the figures, the wheel and + and - zoom, and r
// returns to the starting view. argc and argv are main's, handed to the
// toolkit.
void runDisplay(int argc, char **argv);

// Reshape handler: viewport over the whole window and a 45-degree perspective
// from the camera over the centre of the scene's drawn box, at viewDistance
// for this window and with a depth range that keeps the scene plane in view.
// A height of 0 counts as 1.
void onReshape(int width, int height);

// Display handler: clears to the background and draws circles, lines,
// segments, points, labels and the dots' letters, in that order, each list in
// insertion order, then a line of the keys at the bottom left; or, in space,
// the figures there and the keys that turn them.
void onDisplay();

// Makes the table colour of `index` current; an index without an entry
// leaves the current colour as it was.
void setColor(ColorIndex index);
