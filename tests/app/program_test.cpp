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
#include <sstream>

namespace {

const std::string kBanner =
    "Norvalia\n\nGeometrija, Tarvel\n\nDobrodosli!\n\n"
    "Ovaj program racuna presek dva trougla u prostoru i\n"
    "crta njihovu projekciju na ravan XZ(levo), XY(sredina), i YZ(desno).\n"
    "Crvenom bojom je obelezen presek, ukoliko ga ima.\n\nAUTORI:\n\n\n"
    "Autor Prvi 1/2026, \nAutor Drugi 2/2026, \nAutor Treci 3/2026, \nAutor Cetvrti 4/2026.\n"
    "\n\n\n";
const char *const kPoints[6] = {"A", "B", "C", "A'", "B'", "C'"};

// C escapes: \n, \t, \\ and \xHH.
std::string unescape(const std::string &text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain += text[i];
    } else if (text[++i] == 'x') {
      plain += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      plain += text[i] == 'n' ? '\n' : text[i] == 't' ? '\t' : text[i];
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
// sit in a buffer.
Session run(const std::string &args, const std::string &input, bool keepOpen,
            const std::string &expected) {
  int in[2], out[2];
  char errors[] = "/tmp/presek-errors-XXXXXX";
  EXPECT_EQ(pipe(in) | pipe(out), 0);
  const int err = mkstemp(errors);
  std::istringstream words(args);
  std::vector<std::string> arguments{PRESEK_PROGRAM};
  for (std::string word; words >> word;) {
    arguments.push_back(word);
  }
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0), dup2(out[1], 1), dup2(err, 2), close(in[1]), close(out[0]);
    std::vector<char *> argv;
    for (std::string &argument : arguments) {
      argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    unsetenv("DISPLAY"), unsetenv("WAYLAND_DISPLAY");
    execv(PRESEK_PROGRAM, argv.data());
    _exit(127);
  }
  close(in[0]), close(out[1]), close(err);
  EXPECT_EQ(write(in[1], input.data(), input.size()), ssize_t(input.size()));
  if (!keepOpen) {
    close(in[1]);
  }
  Session s;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  for (pollfd fd{out[0], POLLIN, 0};;) {
    const bool onCourse = expected.compare(0, s.out.size(), s.out) == 0;
    if (keepOpen && (s.out.size() >= expected.size() || !onCourse ||
                     std::chrono::steady_clock::now() > deadline)) {
      s.answeredWhileInputOpen = s.out == expected;
      close(in[1]);
      keepOpen = false;
    }
    if (std::chrono::steady_clock::now() > deadline + std::chrono::seconds(3)) {
      kill(pid, SIGKILL); // a program that hangs fails its case, not the whole run
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
  for (const auto &c : cases) {
    ASSERT_EQ(c.size(), 8u) << c[0];
    SCOPED_TRACE(c[0]);
    std::string expected = c[4] == "-" ? "" : kBanner;
    for (int i = 0; c[4] != "-" && i < std::stoi(c[4]); ++i) {
      expected += std::string("Unesite koordinate tacke ") + kPoints[i] + ":\n";
    }
    expected += unescape(c[5]);
    const Session s = run(c[1], unescape(c[2]), c[3] == "open", expected);
    ASSERT_EQ(s.out, expected);
    ASSERT_TRUE(c[6] == "*" || s.err == unescape(c[6])) << s.err;
    ASSERT_EQ(s.status, std::stoi(c[7]));
    EXPECT_TRUE(c[3] != "open" || s.answeredWhileInputOpen)
        << "the answer waited for the input's end";
  }
  EXPECT_GT(cases.size(), 40u);
}

} // namespace
