// The whole program as a user runs it, one case per line of program_cases.txt
// (its head says how a case reads). Without a display an accepted input is
// answered, then the toolkit finds no window to open and ends the program.
#include "support/table.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <iterator>
#include <tuple>

namespace {

const char *const kPoints[6] = {"A", "B", "C", "A'", "B'", "C'"};

// C escapes: \n, \t and \xHH.
std::string unescape(const std::string &text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() && text[i] == '\\' ? text[++i] : 0;
    plain += next == 'n' ? '\n' : next == 't' ? '\t' : next == 0 ? text[i] : '?';
    if (next == 'x') {
      plain.back() = char(std::stoi(text.substr(i + 1, 2), nullptr, 16)), i += 2;
    }
  }
  return plain;
}

struct Session {
  std::string out, err;
  int status = -1;
  bool answeredWhileInputOpen = false;
};

// Types `input` into the program. With `keepOpen` the input stays open, as at
// a terminal, until the output holds `expected` (or strays from it, or three
// seconds pass): what the program prints before it waits for more must not
// sit in a buffer. A program still running three seconds later is killed.
Session run(const std::string &args, const std::string &input, bool keepOpen,
            const std::string &expected) {
  int in[2], out[2];
  char errors[] = "/tmp/presek-errors-XXXXXX";
  EXPECT_EQ(pipe(in) | pipe(out), 0);
  const int err = mkstemp(errors);
  const std::string command = std::string("exec ") + PRESEK_PROGRAM + " " + args;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0), dup2(out[1], 1), dup2(err, 2), close(in[1]), close(out[0]);
    unsetenv("DISPLAY"), unsetenv("WAYLAND_DISPLAY");
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr));
    _exit(127);
  }
  close(in[0]), close(out[1]), close(err);
  EXPECT_EQ(write(in[1], input.data(), input.size()), ssize_t(input.size()));
  if (!keepOpen) {
    close(in[1]);
  }
  Session s;
  const auto start = std::chrono::steady_clock::now();
  for (pollfd fd{out[0], POLLIN, 0};;) {
    const auto waited = std::chrono::steady_clock::now() - start;
    if (keepOpen && (s.out.size() >= expected.size() || waited > std::chrono::seconds(3) ||
                     expected.compare(0, s.out.size(), s.out) != 0)) {
      s.answeredWhileInputOpen = s.out == expected;
      keepOpen = false;
      close(in[1]);
    }
    if (waited > std::chrono::seconds(6)) {
      kill(pid, SIGKILL);
    }
    char buffer[4096];
    if (poll(&fd, 1, 50) == 0) {
      continue;
    }
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) {
      break;
    }
    s.out.append(buffer, std::size_t(n));
  }
  if (keepOpen) {
    close(in[1]);
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  s.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::ifstream file(errors);
  s.err.assign(std::istreambuf_iterator<char>(file), {});
  unlink(errors);
  return s;
}

TEST(Program, AnswersEveryCaseOfTheTable) {
  std::signal(SIGPIPE, SIG_IGN); // a program that ends early leaves its input unread
  const auto cases = readTable(PRESEK_CASES);
  ASSERT_GT(cases.size(), 40u);
  const std::string banner = unescape(cases[0][1]);
  for (auto c = cases.begin() + 1; c != cases.end(); ++c) {
    ASSERT_EQ(c->size(), 8u) << c->front();
    const auto &[name, args, typed, then, prompts, out, err, status] =
        std::tie((*c)[0], (*c)[1], (*c)[2], (*c)[3], (*c)[4], (*c)[5], (*c)[6], (*c)[7]);
    SCOPED_TRACE(name);
    std::string expected = prompts == "-" ? "" : banner;
    for (int i = 0; prompts != "-" && i < std::stoi(prompts); ++i) {
      expected += std::string("Unesite koordinate tacke ") + kPoints[i] + ":\n";
    }
    expected += unescape(out);
    const Session s = run(args, unescape(typed), then == "open", expected);
    ASSERT_EQ(s.out, expected);
    ASSERT_TRUE(err == "*" || s.err == unescape(err)) << s.err;
    ASSERT_EQ(s.status, std::stoi(status));
    EXPECT_TRUE(then != "open" || s.answeredWhileInputOpen) << "the answer waited for the input";
  }
}

} // namespace
