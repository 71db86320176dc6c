#include "scene/painter.h"

void paint(const Picture &picture, Painter &painter) {
  painter.begin(picture);
  painter.layer("faces");
  for (const PictureFace &face : picture.faces) {
    painter.face(face);
  }
  const auto lines = [&](const char *name, const std::vector<PictureLine> &all) {
    painter.layer(name);
    for (const PictureLine &line : all) {
      painter.line(line);
    }
  };
  const auto texts = [&](const char *name, const std::vector<PictureText> &all) {
    painter.layer(name);
    for (const PictureText &text : all) {
      painter.text(text);
    }
  };
  lines("edges", picture.edges);
  painter.layer("dots");
  for (const PictureDot &dot : picture.dots) {
    painter.dot(dot);
  }
  texts("names", picture.names);
  lines("leaders", picture.leaders);
  texts("labels", picture.labels);
  texts("hint", picture.hint);
  painter.end();
}
