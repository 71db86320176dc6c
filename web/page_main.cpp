// The program in a page: the window opens at once, empty, and each input the
// page hands over is answered as the native program answers it, its console
// text returned for the page to show and its figures drawn.
#include "app/dialogue.h"
#include "app/three_views.h"
#include "intersection/triangle_triangle.h"
#include "scene/space_camera.h"
#include "scene/window.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// The dialogue's whole input, as typed: its console text, the prompts, the
// answer and any refusal in the order a terminal shows them (standard error
// beside standard output). A refused input clears the picture.
extern "C" EMSCRIPTEN_KEEPALIVE const char *answerInput(const char *input) {
  static std::string console;
  std::string typed = input;
  std::FILE *in = fmemopen(typed.data(), typed.empty() ? 1 : typed.size(), "r");
  char *text = nullptr;
  std::size_t size = 0;
  std::FILE *out = open_memstream(&text, &size);
  TrianglePair v;
  const DialogueResult dialogue = runDialogue(in, out, out, v);
  scene = Scene{};
  spaceFigures = SpaceFigures{};
  if (dialogue == DialogueResult::accepted) {
    const IntersectionReport report = triangleIntersection(v[0], v[1], v[2], v[3], v[4], v[5]);
    printReport(out, report);
    fillPictures(v.data(), report.kind, report.points);
  }
  std::fclose(out);
  std::fclose(in);
  console.assign(text, size);
  std::free(text);
  showNewFigures();
  return console.c_str();
}

int main(int argc, char **argv) {
  runDisplay(argc, argv);
  return 0;
}
