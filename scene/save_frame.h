#pragma once

// Draws one frame of what the window shows into its back buffer.
void drawFrame();

// Keeps the frame the window shows in the first free presek-trouglova-N.png
// of the working directory, named on standard error.
void saveFrame();
