#include "scene/space_view.h"

#include "scene/gl_draw.h"
#include "scene/gl_platform.h"
#include "scene/letters.h"

namespace {

// The faces' tints, red, green and blue as pointColor numbers them, and how
// much of what lies behind a face shows through it.
constexpr Rgb kTints[3] = {{1.0f, 0.55f, 0.55f}, {0.55f, 1.0f, 0.55f}, {0.55f, 0.55f, 1.0f}};
constexpr float kFaceAlpha = 0.45f;
constexpr Rgb kAxisColor{0.2f, 0.2f, 0.2f};

void setTint(int index) {
  glColor4f(kTints[index].red, kTints[index].green, kTints[index].blue, kFaceAlpha);
}

} // namespace

void drawSpace(const SpaceFigures &figures, Orbit orbit, int width, int height, const Hint &hint) {
  const SpaceCamera camera = spaceCamera(figures, orbit, width, height);
  const int corners = cornerCount(figures);
  // Vertices go to OpenGL as offsets from the centre, taken in double
  // precision: figures far from the origin keep every bit of their shape.
  Vec3 at[12];
  for (int i = 0; i < 6 + corners; ++i) {
    const Point3 p = i < 6 ? figures.vertices[i] : figures.corners[i - 6];
    at[i] = {p.x - camera.centre.x, p.y - camera.centre.y, p.z - camera.centre.z};
  }
  const auto vertex = [](Vec3 v) { glVertex3f(float(v.x), float(v.y), float(v.z)); };
  const auto colorOfPoint = [](int i) { return colorOf(pointColor(i)).value_or(kAxisColor); };

  float projection[16];
  float modelview[16];
  spaceMatrices(camera, width, height, projection, modelview);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(projection);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(modelview);
  glEnable(GL_DEPTH_TEST);

  // The axes are a guide: hidden behind a face, but never over an edge or a
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
    setRgb(colorOfPoint(first));
    glBegin(GL_LINE_LOOP);
    for (int i = first; i < first + 3; ++i) {
      vertex(at[i]);
    }
    glEnd();
  }
  glPointSize(float(kDotSize));
  glBegin(GL_POINTS);
  for (int i = 0; i < 6; ++i) {
    setRgb(colorOfPoint(i));
    vertex(at[i]);
  }
  glEnd();

  // The faces come last and write no depth: each tints what lies behind it
  // and hides nothing. They step back a little in depth, so that the edges
  // and dots lying on them stay in front.
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDepthMask(GL_FALSE);
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(1.0f, 1.0f);
  glBegin(GL_TRIANGLES);
  for (int i = 0; i < 6; ++i) {
    setTint(pointColor(i));
    vertex(at[i]);
  }
  glEnd();
  glDisable(GL_POLYGON_OFFSET_FILL);
  glDepthMask(GL_TRUE);

  // The intersection lies on both triangles, where depth cannot tell it from
  // them: it is drawn over everything.
  glDisable(GL_DEPTH_TEST);
  int order[6];
  cornersAround(figures.corners, corners, order);
  if (corners >= 3) {
    setTint(pointColor(6));
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 0; i < corners; ++i) {
      vertex(at[6 + order[i]]);
    }
    glEnd();
  }
  glDisable(GL_BLEND);
  setRgb(colorOfPoint(6));
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

  drawTexts(layOutSpace(figures, orbit, width, height, hint));
}
