#include "scene/gl_draw.h"

#include "scene/gl_platform.h"
#include "scene/text.h"

void setRgb(Rgb color) { glColor3f(color.red, color.green, color.blue); }

void loadPixelGrid(int width, int height) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0.0, width, height, 0.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

namespace {

// One line a glBegin: the page's emulation of OpenGL mixes up the ends of
// lines whose colour changes between them.
void drawLines(const std::vector<PictureLine> &lines) {
  for (const PictureLine &line : lines) {
    setRgb(line.color);
    glBegin(GL_LINES);
    glVertex2f(float(line.x1), float(line.y1));
    glVertex2f(float(line.x2), float(line.y2));
    glEnd();
  }
}

} // namespace

void drawPicture(const Picture &picture) {
  loadPixelGrid(picture.width, picture.height);
  drawLines(picture.edges);
  glPointSize(float(kDotSize));
  glBegin(GL_POINTS);
  for (const PictureDot &dot : picture.dots) {
    setRgb(dot.color);
    glVertex3f(float(dot.x), float(dot.y), 0.0f);
  }
  glEnd();
  drawTexts(picture);
}

void drawTexts(const Picture &picture) {
  beginTexts();
  loadPixelGrid(picture.width, picture.height);
  for (const PictureText &name : picture.names) {
    drawText(name);
  }
  drawLines(picture.leaders);
  for (const PictureText &label : picture.labels) {
    drawText(label);
  }
  for (const PictureText &line : picture.hint) {
    drawText(line);
  }
}

#ifndef __EMSCRIPTEN__
void beginTexts() {}

void drawText(const PictureText &text) {
  void *const font = text.size == kTextSize ? GLUT_BITMAP_HELVETICA_12 : GLUT_BITMAP_HELVETICA_10;
  double x = text.x;
  for (const TextPiece &piece : text.pieces) {
    // The raster colour is taken when the raster position is set.
    setRgb(piece.color);
    glRasterPos2d(x, text.y);
    glutBitmapString(font, reinterpret_cast<const unsigned char *>(piece.text.c_str()));
    x += textWidth(piece.text, text.size);
  }
}
#endif
