#pragma once

// OpenGL, GLU and GLUT as this platform has them: freeglut on a desktop, the
// emulation of a page's WebGL under emscripten, whose GLUT lacks freeglut's
// extensions.
#ifdef __EMSCRIPTEN__
#include <GL/glut.h>
#else
#include <GL/freeglut.h>
#endif
#include <GL/gl.h>
#include <GL/glu.h>
