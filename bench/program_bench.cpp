// The whole program from piped input to printed result, as a user's run
// costs it. No display is given, so the window never opens: the run ends
// once the result is printed.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

extern char **environ;

namespace {

void wholeProgram(benchmark::State &state, const std::string &dialogue) {
  char path[] = "/tmp/presek-bench-XXXXXX";
  const int fd = mkstemp(path);
  if (write(fd, dialogue.data(), dialogue.size()) != ssize_t(dialogue.size())) {
    state.SkipWithError("could not write the dialogue");
  }
  close(fd);
  unsetenv("DISPLAY");
  char *const argv[] = {const_cast<char *>(PRESEK_PROGRAM), nullptr};
  for (auto _ : state) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, path, O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    if (posix_spawn(&pid, PRESEK_PROGRAM, &actions, nullptr, argv, environ) != 0) {
      state.SkipWithError("could not start the program");
      break;
    }
    waitpid(pid, nullptr, 0);
    posix_spawn_file_actions_destroy(&actions);
  }
  unlink(path);
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(wholeProgram, crossing_segment,
                  std::string("0.3 0.1 -0.2\n0.9 0.2 0.4\n0.1 0.8 0.3\n0.2 0.2 0.6\n"
                              "0.7 0.5 -0.4\n0.4 0.9 0.2\n"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(wholeProgram, coplanar_hexagon,
                  std::string("0 4 0\n-4 -2 0\n4 -2 0\n0 -4 0\n-4 2 0\n4 2 0\n"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
