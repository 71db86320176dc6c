#include "scene/lettering.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLetterGap = 4.0; // pixels from a dot to its letter, across and up
constexpr Rgb kBlack{0.0f, 0.0f, 0.0f};
constexpr Rgb kDarkGrey{0.2f, 0.2f, 0.2f};

// Text goes in window pixels: the matrices are swapped for a pixel grid while
// `write` runs and restored after it, leaving the projection matrix current.
template <typename Write> void inPixels(Write write) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(0.0, viewport[2], 0.0, viewport[3]);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  write();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
}

// The raster colour is taken when the raster position is set, so each piece
// of text in its own colour gets its own position.
void writeAt(double x, double y, const char *text, Rgb color, void *font) {
  glColor3f(color.red, color.green, color.blue);
  glRasterPos2d(x, y);
  glutBitmapString(font, reinterpret_cast<const unsigned char *>(text));
}

// The width in pixels of `label` written as its letters joined by "=".
int widthOf(const std::vector<PlacedLetter> &label) {
  int width = glutBitmapWidth(kTextFont, '=') * int(label.size() - 1);
  for (const PlacedLetter &letter : label) {
    width += glutBitmapLength(kTextFont, reinterpret_cast<const unsigned char *>(letter.text));
  }
  return width;
}

} // namespace

std::optional<PlacedLetter> placed(double x, double y, double z, const char *text,
                                   ColorIndex color) {
  GLdouble model[16];
  GLdouble projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  PlacedLetter letter{0.0, 0.0, text, color};
  double depth = 0.0;
  if (gluProject(x, y, z, model, projection, viewport, &letter.x, &letter.y, &depth) != GL_TRUE ||
      depth < 0.0 || depth > 1.0) {
    return std::nullopt;
  }
  return letter;
}

void writeBeside(double x, double y, const char *text, Rgb color, void *font) {
  inPixels(
      [&] { writeAt(std::round(x) + kLetterGap, std::round(y) + kLetterGap, text, color, font); });
}

void writeLetters(const std::vector<PlacedLetter> &letters) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  inPixels([&] {
    for (const std::vector<PlacedLetter> &label : joinedLabels(letters)) {
      // Moved left as far as it would run past the window's right edge, so that
      // a dot near it keeps its whole label, still above the dot.
      double x = std::min(std::round(label.front().x) + kLetterGap,
                          double(viewport[2] - widthOf(label) - 2));
      const double y = std::round(label.front().y) + kLetterGap;
      for (const PlacedLetter &letter : label) {
        if (&letter != &label.front()) {
          writeAt(x, y, "=", kBlack, kTextFont);
          x += glutBitmapWidth(kTextFont, '=');
        }
        writeAt(x, y, letter.text, letterColorOf(letter.color).value_or(kBlack), kTextFont);
        x += glutBitmapLength(kTextFont, reinterpret_cast<const unsigned char *>(letter.text));
      }
    }
  });
}

void writeHint(const char *text) {
  inPixels([&] { writeAt(8.0, 8.0, text, kDarkGrey, GLUT_BITMAP_HELVETICA_10); });
}
