#pragma once

#include "scene/layout.h"

// A backend that paints a placed picture: one call for each of its records,
// in the picture's pixels, later over earlier. The window (OpenGL), the files
// (cairo's PNG and PDF, SVG as text) and the page (its canvas) each implement
// it; none of them decides where anything goes.
class Painter {
public:
  virtual ~Painter() = default;
  // Before anything else: the picture's size and background.
  virtual void begin(const Picture &picture) = 0;
  // Before each list of records, named as Picture names them: "faces",
  // "edges", "dots", "names", "leaders", "labels", "hint".
  virtual void layer(const char *name) { static_cast<void>(name); }
  virtual void face(const PictureFace &face) = 0;
  virtual void line(const PictureLine &line) = 0;
  virtual void dot(const PictureDot &dot) = 0;
  virtual void text(const PictureText &text) = 0;
  // After everything.
  virtual void end() {}
};

// Paints `picture` with `painter`: begin, then the faces, edges, dots, names,
// leaders, labels and hint in that order, each list after its layer, then
// end.
void paint(const Picture &picture, Painter &painter);
