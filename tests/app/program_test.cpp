// The whole program as a user runs it, one case per line of program_cases.txt
// (its head says how a case reads). Without a display an accepted input is
// answered, then the toolkit finds no window to open and ends the program.
#include "support/table.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

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
  int status;
};

// Types `input` into the program, with `args` on its command line; a program
// still running after ten seconds is killed. With `holdOpen` the input stays
// open, as at a terminal, and the program is stopped after three seconds
// (status 124): what it prints before it waits for more must not sit in a
// buffer, where the stop would lose it.
Session run(const std::string &args, const std::string &input, bool holdOpen) {
  char in[] = "/tmp/presek-in-XXXXXX", err[] = "/tmp/presek-err-XXXXXX";
  const int fd = mkstemp(in);
  EXPECT_EQ(write(fd, input.data(), input.size()), ssize_t(input.size()));
  close(fd), close(mkstemp(err));
  const std::string program = std::string("env -u DISPLAY -u WAYLAND_DISPLAY timeout ") +
                              (holdOpen ? "3 " : "-s KILL 10 ") + PRESEK_PROGRAM + " " + args;
  const std::string command =
      holdOpen ? "(cat " + std::string(in) + "; sleep 4) | " + program : program + " <" + in;
  Session s;
  std::FILE *out = popen((command + " 2>" + err).c_str(), "r");
  for (int c; (c = std::fgetc(out)) != EOF;) {
    s.out += char(c);
  }
  const int status = pclose(out);
  s.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream errors(err);
  s.err.assign(std::istreambuf_iterator<char>(errors), {});
  unlink(in), unlink(err);
  return s;
}

TEST(Program, AnswersEveryCaseOfTheTable) {
  const auto cases = readTable(PRESEK_CASES);
  ASSERT_GT(cases.size(), 40u);
  const std::string banner = unescape(cases[0][1]);
  for (auto c = cases.begin() + 1; c != cases.end(); ++c) {
    ASSERT_EQ(c->size(), 7u) << c->front();
    const auto &[name, args, typed, prompts, out, err, status] =
        std::tie((*c)[0], (*c)[1], (*c)[2], (*c)[3], (*c)[4], (*c)[5], (*c)[6]);
    SCOPED_TRACE(name);
    std::string expected = prompts == "-" ? "" : banner;
    for (int i = 0; prompts != "-" && i < std::stoi(prompts); ++i) {
      expected += std::string("Unesite koordinate tacke ") + kPoints[i] + ":\n";
    }
    expected += unescape(out);
    const Session s = run(args, unescape(typed), status == "124");
    ASSERT_EQ(s.out, expected);
    ASSERT_TRUE(err == "*" || s.err == unescape(err)) << s.err;
    ASSERT_EQ(s.status, std::stoi(status));
  }
}

} // namespace
