#include "app/answer.h"
#include "app/batch.h"
#include "app/command_line.h"
#include "app/working.h"
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
  const Answer answer = answerInput(stdin, stdout, stderr);
  if (answer.result != DialogueResult::accepted) {
    return 1; // the input was refused, with a message that says why
  }
  if (command.working) {
    std::printf("\n%s",
                workingOf(answer.record.entries, answer.vertices, answer.report, answer.trace)
                    .text.c_str());
  }
  std::fflush(stdout); // the result is on the console before the window opens
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
