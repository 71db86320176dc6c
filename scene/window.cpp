#include "scene/window.h"

#include "scene/camera.h"
#include "scene/lettering.h"
#include "scene/space_view.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cmath>
#include <map>
#include <numbers>

namespace {

constexpr float kLabelDrop = 18.0f; // pixels from the anchor down to the baseline
constexpr double kZoomStep = 1.25;  // a key press or a wheel notch
constexpr const char *kProjectionsHint = "v: prikaz u prostoru   Esc: kraj";
constexpr const char *kSpaceHint = "v: tri projekcije   mis: okretanje   tocak, +/-: uvecanje   "
                                   "r: pocetni polozaj   Esc: kraj";

// What the window shows: the three projections, or the figures in space seen
// from `orbit`, which a drag turns and the wheel zooms.
bool inSpace = false;
Orbit orbit;
int windowWidth = 1024;
int windowHeight = 700;
bool dragging = false;
int dragX = 0;
int dragY = 0;

constexpr int kCircleVertices = 100;
constexpr double kCircleStep = 2.0 * std::numbers::pi / kCircleVertices;

void drawCircle(const SceneCircle &circle) {
  setColor(circle.color);
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i < kCircleVertices; ++i) {
    const double angle = i * kCircleStep;
    glVertex2f(float(circle.center.x + circle.radius * std::cos(angle)),
               float(circle.center.y + circle.radius * std::sin(angle)));
  }
  glEnd();
}

void drawLine(const SceneLine &line) {
  constexpr float kReach = 100.0f;
  setColor(line.color);
  glBegin(GL_LINES);
  glVertex2f(line.point.x + kReach * line.direction.x, line.point.y + kReach * line.direction.y);
  glVertex2f(line.point.x - kReach * line.direction.x, line.point.y - kReach * line.direction.y);
  glEnd();
}

// A line with a dot of four pixels at each end, all in the segment's colour.
void drawSegment(const SceneSegment &segment) {
  glPointSize(4.0f);
  setColor(segment.color);
  glBegin(GL_LINES);
  glVertex2f(segment.start.x, segment.start.y);
  glVertex2f(segment.end.x, segment.end.y);
  glEnd();
  glBegin(GL_POINTS);
  glVertex2f(segment.start.x, segment.start.y);
  glVertex2f(segment.end.x, segment.end.y);
  glEnd();
}

void drawPoint(const ScenePoint &point) {
  setColor(point.color);
  glPointSize(4.0f);
  glBegin(GL_POINTS);
  glVertex2f(point.x, point.y);
  glEnd();
}

// The raster position is set in scene units and then moved in pixels, so the
// text keeps its size and its distance from the views at any scale.
void drawLabel(const SceneLabel &label) {
  const auto *text = reinterpret_cast<const unsigned char *>(label.text);
  setColor(kDefaultColor); // black, taken up by glRasterPos
  glRasterPos2f(label.x, label.y);
  glBitmap(0, 0, 0.0f, 0.0f, -float(glutBitmapLength(kTextFont, text)) / 2.0f, -kLabelDrop,
           nullptr);
  glutBitmapString(kTextFont, text);
}

// The letters of each view, joined where their dots meet on the screen.
void writeSceneLetters() {
  std::map<int, std::vector<PlacedLetter>> views;
  for (const SceneLetter &letter : scene.letters) {
    if (const auto at = placed(letter.x, letter.y, 0.0, letter.text, letter.color)) {
      views[letter.view].push_back(*at);
    }
  }
  for (const auto &[view, letters] : views) {
    writeLetters(letters);
  }
}

// Esc or q ends the program as the close button does: with the toolkit's
// close action set to exit, leaving the main loop exits with status 0. v
// switches between the projections and the view in space; in space, r, + and
// - reset and zoom the camera.
void onKeyboard(unsigned char key, int, int) {
  if (key == 27 || key == 'q') {
    glutLeaveMainLoop();
    return;
  }
  if (key == 'v') {
    inSpace = !inSpace;
    if (!inSpace) {
      onReshape(windowWidth, windowHeight); // the projections' own camera again
    }
  } else if (inSpace && key == 'r') {
    orbit = Orbit{};
  } else if (inSpace && key == '+') {
    orbit = zoomed(orbit, 1.0 / kZoomStep);
  } else if (inSpace && key == '-') {
    orbit = zoomed(orbit, kZoomStep);
  } else {
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

void setColor(ColorIndex index) {
  if (const auto rgb = colorOf(index)) {
    glColor3f(rgb->red, rgb->green, rgb->blue);
  }
}

void onReshape(int width, int height) {
  if (height == 0) {
    height = 1;
  }
  windowWidth = width;
  windowHeight = height;
  // The scene no longer changes; the distance follows the window's shape, so
  // that a square or tall window still shows all three views.
  const SceneBounds box = drawnBox(scene);
  const Camera camera = cameraFromBox(box);
  const float distance = viewDistance(box, width, height);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-camera.cx, -camera.cy, -distance);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, width, height);
  const DepthRange depth = depthRange(distance);
  gluPerspective(45.0, double(width) / double(height), depth.nearPlane, depth.farPlane);
}

void onDisplay() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (inSpace) {
    drawSpace(spaceFigures, orbit, windowWidth, windowHeight);
    writeHint(kSpaceHint);
    glFlush();
    glutSwapBuffers();
    return;
  }
  glPushMatrix();
  // Depth testing stays off: what is drawn later covers what came before.
  for (const SceneCircle &circle : scene.circles) {
    drawCircle(circle);
  }
  for (const SceneLine &line : scene.lines) {
    drawLine(line);
  }
  for (const SceneSegment &segment : scene.segments) {
    drawSegment(segment);
  }
  for (const ScenePoint &point : scene.points) {
    drawPoint(point);
  }
  for (const SceneLabel &label : scene.labels) {
    drawLabel(label);
  }
  glPopMatrix();
  // Text pushes a pixel grid of its own on the matrix stacks: after the pop,
  // it needs no more than the two places that every OpenGL's stacks have.
  writeSceneLetters();
  writeHint(kProjectionsHint);
  glFlush();
  glutSwapBuffers();
}

void runDisplay(int argc, char **argv) {
  // Size and position come before glutInit, which reads a -geometry argument
  // that overrides them.
  glutInitWindowSize(1024, 700);
  glutInitWindowPosition(100, 50);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  // Closing the window ends the process through exit(), so the scene is
  // released on the normal path.
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);
  glutCreateWindow("Geometrija - prikaz zadatka");
  glClearColor(0.9f, 0.9f, 0.8f, 0.0f);

  // The camera is placed by onReshape, which the toolkit calls before the
  // first frame.
  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutKeyboardFunc(onKeyboard);
  glutMouseFunc(onMouse);
  glutMotionFunc(onMotion);
  glutMainLoop();
}
