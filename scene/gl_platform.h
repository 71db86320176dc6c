#pragma once

// OpenGL, GLU and GLUT as this platform has them: freeglut on a desktop, the
// emulation of a page's WebGL under emscripten, whose GLUT lacks freeglut's
// extensions.
#ifdef __EMSCRIPTEN__
#include <GL/glut.h>
// What freeglut adds and a page lacks: a page has no main loop to leave and
// no window of its own to close.
inline constexpr int GLUT_ACTION_ON_WINDOW_CLOSE = 0x01F9;
inline constexpr int GLUT_ACTION_EXIT = 0;
inline void glutSetOption(int, int) {}
inline void glutLeaveMainLoop() {}
#else
#include <GL/freeglut.h>
#endif
#include <GL/gl.h>
#include <GL/glu.h>
