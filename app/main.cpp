#include "app/batch.h"
#include "app/command_line.h"
#include "app/dialogue.h"
#include "app/three_views.h"
#include "intersection/triangle_triangle.h"
#include "scene/layout.h"
#include "scene/picture_file.h"
#include "scene/window.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv) {
  const Command command = handleCommandLine(argc, argv, stdout, stderr);
  if (command.status) {
    return *command.status;
  }
  if (command.batch) {
    return runBatchFile(command.batchFile, stdout, stderr);
  }
  TrianglePair v;
  const DialogueResult dialogue = runDialogue(stdin, stdout, stderr, v);
  if (dialogue != DialogueResult::accepted) {
    return 1; // the input was refused, with a message that says why
  }
  Point3 M, N, P, Q, R, S;
  const IntersectionKind result =
      intersectTriangles(v[0], v[1], v[2], v[3], v[4], v[5], &M, &N, &P, &Q, &R, &S);
  std::fflush(stdout); // the result is on the console before the window opens
  const Point3 corners[6] = {M, N, P, Q, R, S};
  fillPictures(v.data(), result, corners);
  if (command.picture != nullptr) {
    // The window's picture at its first size, each mark where the window
    // puts it, without the line of keys.
    Picture picture = layOut(scene, 1024, 700, kWindowHint);
    picture.hint.clear();
    const std::string reason =
        writePictureFile(command.picture, *pictureFormatOf(command.picture), picture);
    if (!reason.empty()) {
      std::fprintf(stderr, "presek-trouglova: ne mogu da zapisem '%s': %s\n", command.picture,
                   reason.c_str());
      return 2;
    }
    return 0;
  }
  runDisplay(argc, argv);
  return 0;
}
