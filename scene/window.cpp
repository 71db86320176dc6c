#include "scene/window.h"

#include "scene/gl_draw.h"
#include "scene/save_frame.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

namespace {

// What the window shows: the three projections, or the figures in space seen
// from `orbit`, which a drag turns and the wheel zooms.
bool inSpace = false;
Orbit orbit;
int windowWidth = 1024;
int windowHeight = 700;
bool dragging = false;
int dragX = 0;
int dragY = 0;

} // namespace

void drawFrame() {
  drawPicture(inSpace
                  ? layOutSpace(spaceFigures, orbit, windowWidth, windowHeight, kWindowSpaceHint)
                  : layOut(scene, windowWidth, windowHeight, kWindowHint));
}

namespace {

// Esc or q ends the program as the close button does: with the toolkit's
// close action set to exit, leaving the main loop exits with status 0. v
// switches between the projections and the view in space; in space, r, + and
// - reset and zoom the camera; s saves the picture.
void onKeyboard(unsigned char key, int, int) {
  if (key == 27 || key == 'q') {
    glutLeaveMainLoop();
    return;
  }
  if (key == 's') {
    saveFrame();
  } else if (!viewAfterKey(key, inSpace, orbit, spaceFigures)) {
    return;
  }
  glutPostRedisplay();
}

// In space, the left button turns the figures as it drags them and the wheel
// (buttons 3 and 4 to the toolkit) zooms.
void onMouse(int button, int state, int x, int y) {
  if (!inSpace) {
    return;
  }
  if (button == GLUT_LEFT_BUTTON) {
    dragging = state == GLUT_DOWN;
    dragX = x;
    dragY = y;
    return;
  }
  if (state != GLUT_DOWN || (button != 3 && button != 4)) {
    return;
  }
  orbit = zoomed(orbit, button == 3 ? 1.0 / kZoomStep : kZoomStep);
  glutPostRedisplay();
}

void onMotion(int x, int y) {
  if (!inSpace || !dragging) {
    return;
  }
  orbit = turned(orbit, x - dragX, y - dragY);
  dragX = x;
  dragY = y;
  glutPostRedisplay();
}

} // namespace

void onReshape(int width, int height) {
  windowWidth = width;
  windowHeight = height == 0 ? 1 : height;
  glViewport(0, 0, windowWidth, windowHeight);
}

void onDisplay() {
  drawFrame();
  glFlush();
  glutSwapBuffers();
}

void runDisplay(int argc, char **argv) {
  // Size and position come before glutInit, which reads a -geometry argument
  // that overrides them.
  glutInitWindowSize(1024, 700);
  glutInitWindowPosition(100, 50);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
  // Closing the window ends the process through exit(), so the scene is
  // released on the normal path.
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);
  glutCreateWindow("Geometrija - prikaz zadatka");
  orbit = startingOrbit(spaceFigures);

  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutKeyboardFunc(onKeyboard);
  glutMouseFunc(onMouse);
  glutMotionFunc(onMotion);
  glutMainLoop();
}
