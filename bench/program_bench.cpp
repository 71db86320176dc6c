// The whole program from piped input to printed result, as a user's run
// costs it. No display is given, so the window never opens: the run ends
// once the result is printed. Then the batch mode over a million pairs beside
// `wc -w` over the same file, the limit of reading it at all.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

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

// The 10,000 public benchmark pairs `copies` times over, in a temporary file
// made once and removed at exit.
const std::string &pairsFile(int copies) {
  static std::map<int, std::string> files;
  std::string &path = files[copies];
  if (path.empty()) {
    const std::string folder = PRESEK_SHARED_DATA "/tri-tri-benchmark/";
    std::ifstream intersected(folder + "intersected.txt");
    std::ifstream separated(folder + "separated.txt");
    // Six lines of the files are one pair; the batch mode takes a pair a line.
    std::string pairs = std::string(std::istreambuf_iterator<char>(intersected), {}) +
                        std::string(std::istreambuf_iterator<char>(separated), {});
    for (std::size_t at = pairs.find('\n'), n = 1; at != pairs.npos;
         at = pairs.find('\n', at + 1)) {
      pairs[at] = n++ % 6 == 0 ? '\n' : ' ';
    }
    path = "/tmp/presek-bench-pairs-" + std::to_string(getpid()) + "-" + std::to_string(copies);
    std::ofstream file(path);
    for (int i = 0; i < copies; ++i) {
      file << pairs;
    }
    std::atexit([] {
      for (const auto &[copies, made] : files) {
        unlink(made.c_str());
      }
    });
  }
  return path;
}

// Runs argv[0] with `argv`, its standard output thrown away, until it ends:
// false when it could not be started.
bool runToEnd(const char *const *argv) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  const bool started =
      posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char *const *>(argv), environ) == 0;
  if (started) {
    waitpid(pid, nullptr, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
  return started;
}

enum class Command { batch, words };

// One run of the command over the file of `copies`, under GNU time, which
// measures the peak memory of the run (in kilobytes, a counter): measured
// here, the peak would include that of this process, which starts it.
void overPairs(benchmark::State &state, Command command, int copies) {
  const std::string &path = pairsFile(copies);
  if (path.empty() || access(path.c_str(), R_OK) != 0) {
    state.SkipWithError("no public benchmark pairs beside the project");
    return;
  }
  const std::string peakFile = path + ".peak";
  const char *program = command == Command::batch ? PRESEK_PROGRAM : "/usr/bin/wc";
  const char *option = command == Command::batch ? "--batch" : "-w";
  const char *argv[] = {"/usr/bin/time", "-f",   "%M",         "-o",   peakFile.c_str(),
                        program,         option, path.c_str(), nullptr};
  long peak = 0;
  for (auto _ : state) {
    if (!runToEnd(argv)) {
      state.SkipWithError("could not start /usr/bin/time (tools/install-dependencies all)");
      break;
    }
    long kilobytes = 0;
    std::ifstream(peakFile) >> kilobytes;
    peak = std::max(peak, kilobytes);
  }
  unlink(peakFile.c_str());
  state.counters["peak_kB"] = double(peak);
  state.SetItemsProcessed(state.iterations() * 10000 * copies);
}

BENCHMARK_CAPTURE(overPairs, batch_million_pairs, Command::batch, 100)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(overPairs, wc_words_million_pairs, Command::words, 100)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(overPairs, batch_ten_thousand_pairs, Command::batch, 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// A teacher's sheet of 100 pairs, every hundredth of the public ones, written
// as the answer key and the tasks (with the working, where `working`).
void sheetOfPairs(benchmark::State &state, bool working) {
  const std::string &pairs = pairsFile(1);
  std::ifstream all(pairs);
  const std::string sheet = pairs + ".sheet";
  std::ofstream picked(sheet);
  int n = 0;
  for (std::string line; std::getline(all, line);) {
    if (n++ % 100 == 0) {
      picked << line << '\n';
    }
  }
  picked.close();
  if (n < 10000) {
    state.SkipWithError("no public benchmark pairs beside the project");
    return;
  }
  const std::string key = sheet + "-key.pdf";
  const std::string tasks = sheet + "-tasks.pdf";
  const char *argv[] = {PRESEK_PROGRAM, "--batch", sheet.c_str(), "--key",
                        key.c_str(),    "--tasks", tasks.c_str(), working ? "--postupak" : nullptr,
                        nullptr};
  for (auto _ : state) {
    if (!runToEnd(argv)) {
      state.SkipWithError("could not start the program");
      break;
    }
  }
  unlink(sheet.c_str());
  unlink(key.c_str());
  unlink(tasks.c_str());
  state.SetItemsProcessed(state.iterations() * 100);
}

BENCHMARK_CAPTURE(sheetOfPairs, key_and_tasks_100_pairs, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(sheetOfPairs, key_with_working_and_tasks_100_pairs, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The console's report, and the medians that the two ratios below it need.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      if (run.aggregate_name == "median") {
        medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        peaks[run.run_name.function_name] =
            run.counters.count("peak_kB") ? run.counters.at("peak_kB").value : 0.0;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
  std::map<std::string, double> peaks;
};

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const auto &m = reporter.medians;
  const auto &p = reporter.peaks;
  if (m.count("overPairs/batch_million_pairs") && m.count("overPairs/wc_words_million_pairs")) {
    std::printf("--batch over a million pairs takes %.2f times as long as wc -w (medians of 3)\n",
                m.at("overPairs/batch_million_pairs") / m.at("overPairs/wc_words_million_pairs"));
  }
  if (p.count("overPairs/batch_million_pairs") && p.count("overPairs/batch_ten_thousand_pairs")) {
    std::printf("--batch peak memory: %.0f kB for a million pairs, %.2f times that for 10,000\n",
                p.at("overPairs/batch_million_pairs"),
                p.at("overPairs/batch_million_pairs") / p.at("overPairs/batch_ten_thousand_pairs"));
  }
  for (const char *sheet : {"sheetOfPairs/key_and_tasks_100_pairs",
                            "sheetOfPairs/key_with_working_and_tasks_100_pairs"}) {
    if (m.count(sheet)) {
      std::printf("%s: %.2f s (median of 3; the aim is within 5 s)\n", sheet, m.at(sheet) / 1000.0);
    }
  }
  return 0;
}
