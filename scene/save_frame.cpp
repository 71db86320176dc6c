#include "scene/save_frame.h"

#include "scene/picture_file.h"

#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

void saveFrame() {
  drawFrame();
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const int width = viewport[2];
  const int height = viewport[3];
  std::vector<unsigned char> pixels(std::size_t(4) * width * height);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  std::string name;
  for (int n = 1; name.empty() || access(name.c_str(), F_OK) == 0; ++n) {
    name = "presek-trouglova-" + std::to_string(n) + ".png";
  }
  const std::string reason = writePixelsAsPng(name.c_str(), pixels.data(), width, height);
  if (reason.empty()) {
    std::fprintf(stderr, "presek-trouglova: slika je sacuvana u %s\n", name.c_str());
  } else {
    std::fprintf(stderr, "presek-trouglova: ne mogu da zapisem '%s': %s\n", name.c_str(),
                 reason.c_str());
  }
}
