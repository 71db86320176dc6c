#include "scene/gl_draw.h"

#include "scene/painter.h"
#include "scene/text.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

namespace {

void setRgb(Rgb color) { glColor3f(color.red, color.green, color.blue); }

class GlPainter : public Painter {
public:
  void begin(const Picture &picture) override {
    const Rgb &c = picture.background;
    glClearColor(c.red, c.green, c.blue, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // A pixel grid on both matrix stacks: (0, 0) at the top left corner, y
    // down, as the layout counts.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, picture.width, picture.height, 0.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPointSize(float(kDotSize));
  }

  void face(const PictureFace &face) override {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(face.color.red, face.color.green, face.color.blue, face.alpha);
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < 3; ++k) {
      glVertex2d(face.x[k], face.y[k]);
    }
    glEnd();
    glDisable(GL_BLEND);
  }

  void line(const PictureLine &line) override {
    setRgb(line.color);
    if (line.dashed) {
      glEnable(GL_LINE_STIPPLE);
      glLineStipple(1, 0x0F0F); // four pixels drawn, four left out
    }
    glBegin(GL_LINES);
    glVertex2d(line.x1, line.y1);
    glVertex2d(line.x2, line.y2);
    glEnd();
    glDisable(GL_LINE_STIPPLE);
  }

  void dot(const PictureDot &dot) override {
    setRgb(dot.color);
    glBegin(GL_POINTS);
    glVertex2d(dot.x, dot.y);
    glEnd();
  }

  void text(const PictureText &text) override {
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
};

} // namespace

void drawPicture(const Picture &picture) {
  GlPainter painter;
  paint(picture, painter);
}
