#include "scene/space_view.h"

#include "scene/lettering.h"
#include "scene/window.h"

#include <GL/glu.h>

namespace {

constexpr Rgb kTints[3] = {{1.0f, 0.75f, 0.75f}, {0.75f, 1.0f, 0.75f}, {0.75f, 0.75f, 1.0f}};
constexpr Rgb kAxisColor{0.2f, 0.2f, 0.2f};
constexpr const char *kAxisNames[3] = {"X", "Y", "Z"};

void setRgb(Rgb rgb) { glColor3f(rgb.red, rgb.green, rgb.blue); }

} // namespace

void drawSpace(const SpaceFigures &figures, Orbit orbit, int width, int height) {
  const SpaceCamera camera = spaceCamera(figures, orbit, width, height);
  const int corners = cornerCount(figures);
  // Vertices go to OpenGL as offsets from the centre, taken in double
  // precision: figures far from the origin keep every bit of their shape.
  Vec3 at[12];
  for (int i = 0; i < 6 + corners; ++i) {
    const Point3 p = i < 6 ? figures.vertices[i] : figures.corners[i - 6];
    at[i] = {p.x - camera.centre.x, p.y - camera.centre.y, p.z - camera.centre.z};
  }
  const auto vertex = [&](Vec3 v) { glVertex3d(v.x, v.y, v.z); };

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, double(width) / double(height), camera.nearPlane, camera.farPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(camera.eye.x, camera.eye.y, camera.eye.z, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);

  glEnable(GL_DEPTH_TEST);
  // The fills step back a little in depth, so that edges and dots lying on
  // them stay in front.
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(1.0f, 1.0f);
  glBegin(GL_TRIANGLES);
  for (int i = 0; i < 6; ++i) {
    setRgb(kTints[pointColor(i)]);
    vertex(at[i]);
  }
  glEnd();
  glDisable(GL_POLYGON_OFFSET_FILL);

  // The axes are a guide: hidden behind a fill, but never over an edge or a
  // dot, which a vertex at the origin would otherwise lose to them.
  glDepthMask(GL_FALSE);
  setRgb(kAxisColor);
  glBegin(GL_LINES);
  for (const Vec3 &end : camera.axesEnd) {
    vertex(camera.axesStart);
    vertex(end);
  }
  glEnd();
  glDepthMask(GL_TRUE);
  for (int first : {0, 3}) {
    setColor(pointColor(first));
    glBegin(GL_LINE_LOOP);
    for (int i = first; i < first + 3; ++i) {
      vertex(at[i]);
    }
    glEnd();
  }
  glPointSize(4.0f);
  glBegin(GL_POINTS);
  for (int i = 0; i < 6; ++i) {
    setColor(pointColor(i));
    vertex(at[i]);
  }
  glEnd();

  // The intersection lies on both triangles, where depth cannot tell it from
  // them: it is drawn over everything.
  glDisable(GL_DEPTH_TEST);
  int order[6];
  cornersAround(figures.corners, corners, order);
  if (corners >= 3) {
    setRgb(kTints[0]);
    glBegin(GL_POLYGON);
    for (int i = 0; i < corners; ++i) {
      vertex(at[6 + order[i]]);
    }
    glEnd();
  }
  setColor(pointColor(6));
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i < corners; ++i) {
    vertex(at[6 + order[i]]);
  }
  glEnd();
  glBegin(GL_POINTS);
  for (int i = 6; i < 6 + corners; ++i) {
    vertex(at[i]);
  }
  glEnd();

  std::vector<PlacedLetter> letters;
  for (int i = 0; i < 6 + corners; ++i) {
    if (const auto letter = placed(at[i].x, at[i].y, at[i].z, kPointLetters[i], pointColor(i))) {
      letters.push_back(*letter);
    }
  }
  writeLetters(letters);
  for (int axis = 0; axis < 3; ++axis) {
    const Vec3 end = camera.axesEnd[axis];
    if (const auto name = placed(end.x, end.y, end.z, kAxisNames[axis], kDefaultColor)) {
      writeBeside(name->x, name->y, kAxisNames[axis], kAxisColor);
    }
  }
}
