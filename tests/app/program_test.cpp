// The whole program as a user runs it, one case per line of program_cases.txt
// (its head says how a case reads). Without a display an accepted input is
// answered, then the toolkit finds no window to open and ends the program.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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
// a terminal, until the output holds `expected` (or ten seconds pass): what
// the program prints before it waits for more must not sit in a buffer.
Session run(const std::vector<std::string> &args, const std::string &input, bool keepOpen,
        const std::string &expected) {
  int in[2], out[2], err[2];
  EXPECT_EQ(pipe(in) | pipe(out) | pipe(err), 0);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0), dup2(out[1], 1), dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
      close(fd);
    }
    std::vector<char *> argv = {const_cast<char *>(PRESEK_PROGRAM)};
    for (const std::string &arg : args) {
      argv.push_back(const_cast<char *>(arg.c_str()));
    }
    argv.push_back(nullptr);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    execv(PRESEK_PROGRAM, argv.data());
    _exit(127);
  }
  close(in[0]), close(out[1]), close(err[1]);
  Session r;
  EXPECT_EQ(write(in[1], input.data(), input.size()), ssize_t(input.size()));
  int typing = in[1];
  if (!keepOpen) {
    close(typing), typing = -1;
  }
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string *sinks[2] = {&r.out, &r.err};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (fds[0].fd >= 0 || fds[1].fd >= 0) {
    if (typing >= 0 &&
        (r.out.size() >= expected.size() || std::chrono::steady_clock::now() > deadline)) {
      r.answeredWhileInputOpen = r.out == expected;
      close(typing), typing = -1;
    }
    poll(fds, 2, 50);
    for (int i = 0; i < 2; ++i) {
      char buffer[4096];
      const ssize_t n = fds[i].revents == 0 ? 1 : read(fds[i].fd, buffer, sizeof buffer);
      if (n <= 0) {
        close(fds[i].fd), fds[i].fd = -1;
      } else if (fds[i].revents != 0) {
        sinks[i]->append(buffer, std::size_t(n));
      }
    }
  }
  if (typing >= 0) {
    close(typing);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return r;
}

TEST(Program, AnswersEveryCaseOfTheTable) {
  std::signal(SIGPIPE, SIG_IGN); // a program that ends early leaves its input unread
  std::ifstream table(PRESEK_CASES);
  ASSERT_TRUE(table) << PRESEK_CASES;
  int cases = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    std::vector<std::string> field;
    for (std::size_t at = 0, bar; at != std::string::npos; at = bar == line.npos ? bar : bar + 3) {
      bar = line.find(" | ", at);
      field.push_back(line.substr(at, bar - at));
    }
    ASSERT_EQ(field.size(), 8u) << line;
    SCOPED_TRACE(field[0]);
    std::vector<std::string> args;
    std::istringstream words(field[1]);
    for (std::string word; words >> word;) {
      args.push_back(word);
    }
    std::string expected = field[4] == "-" ? "" : kBanner;
    for (int i = 0; field[4] != "-" && i < std::stoi(field[4]); ++i) {
      expected += std::string("Unesite koordinate tacke ") + kPoints[i] + ":\n";
    }
    expected += unescape(field[5]);
    const Session r = run(args, unescape(field[2]), field[3] == "open", expected);
    EXPECT_EQ(r.out, expected);
    if (field[6] != "*") {
      EXPECT_EQ(r.err, unescape(field[6]));
    }
    EXPECT_EQ(r.status, std::stoi(field[7]));
    if (field[3] == "open") {
      EXPECT_TRUE(r.answeredWhileInputOpen) << "the answer waited for the end of input";
    }
    ++cases;
  }
  EXPECT_GT(cases, 40);
}

} // namespace
