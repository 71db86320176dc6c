#include "app/answer.h"
#include "app/batch.h"
#include "app/command_line.h"
#include "app/sheet_pages.h"
#include "app/working.h"
#include "scene/layout.h"
#include "scene/picture_file.h"
#include "scene/window.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// Whether the paths `a` and `b` name one file, or would once it is written.
bool sameFile(const char *a, const char *b) {
  if (a == nullptr || b == nullptr) {
    return false;
  }
  std::error_code failed;
  const auto canonical = [&](const char *path) {
    return std::filesystem::weakly_canonical(std::filesystem::absolute(path, failed), failed);
  };
  if (canonical(a) == canonical(b)) {
    return true;
  }
  return std::filesystem::equivalent(a, b, failed); // another name, a hard link
}

// The batch mode, with the sheet's pages where they are asked for. A file
// the pages cannot be written to gives 2; else the status is the batch's.
int runSheet(const Command &command) {
  if (command.key == nullptr && command.tasks == nullptr) {
    return runBatchFile(command.batchFile, stdout, stderr);
  }
  for (const char *pages : {command.key, command.tasks}) {
    // Opening the pages would wipe the sheet before it is read.
    if ((pages == command.key && sameFile(pages, command.tasks)) ||
        sameFile(pages, command.batchFile)) {
      std::fprintf(stderr, "presek-trouglova: '%s' je vec zadat kao druga datoteka\n", pages);
      return 2;
    }
  }
  SheetPages sheet(command.key, command.tasks, command.working);
  const int status = runBatchFile(command.batchFile, stdout, stderr, &sheet);
  if (status == 2 && !sheet.begun()) {
    return 2; // the sheet could not be read: no pages where there is nothing to show
  }
  const std::string problem = sheet.finish();
  if (!problem.empty()) {
    std::fprintf(stderr, "presek-trouglova: %s\n", problem.c_str());
    return 2;
  }
  return status;
}

} // namespace

int main(int argc, char **argv) {
  const Command command = handleCommandLine(argc, argv, stdout, stderr);
  if (command.status) {
    return *command.status;
  }
  if (command.batch) {
    return runSheet(command);
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
  // The result is on the console before the window opens; an answer that
  // could not be written is not passed over.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "presek-trouglova: izlaz nije mogao da se zapise\n");
    return 2;
  }
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
