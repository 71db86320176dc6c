// The whole program as a user runs it: a dialogue piped in, the complete
// console output compared. No display is given, so after the result the
// window cannot open and the program ends there.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string kIntro =
    "Norvalia\n\nGeometrija, Tarvel\n\nDobrodosli!\n\n"
    "Ovaj program racuna presek dva trougla u prostoru i\n"
    "crta njihovu projekciju na ravan XZ(levo), XY(sredina), i YZ(desno).\n"
    "Crvenom bojom je obelezen presek, ukoliko ga ima.\n\nAUTORI:\n\n\n"
    "Autor Prvi 1/2026, \nAutor Drugi 2/2026, \nAutor Treci 3/2026, \nAutor Cetvrti 4/2026.\n"
    "\n\n\n"
    "Unesite koordinate tacke A:\nUnesite koordinate tacke B:\nUnesite koordinate tacke C:\n"
    "Unesite koordinate tacke A':\nUnesite koordinate tacke B':\nUnesite koordinate tacke C':\n";

struct Outcome {
  std::string output;
  int status;
};

Outcome runProgram(const std::string &input) {
  char path[] = "/tmp/presek-input-XXXXXX";
  const int fd = mkstemp(path);
  EXPECT_GE(fd, 0);
  EXPECT_EQ(write(fd, input.data(), input.size()), ssize_t(input.size()));
  close(fd);
  const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") + PRESEK_PROGRAM +
                              " < " + path + " 2>/dev/null";
  Outcome outcome{"", -1};
  FILE *pipe = popen(command.c_str(), "r");
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    outcome.output.append(buffer, n);
  }
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  unlink(path);
  return outcome;
}

TEST(Program, PrintsOneResultMessagePerRun) {
  struct Row {
    const char *name;
    std::string input;
    std::string message;
  };
  const Row rows[] = {
      {"apart", "0 0 0 1 0 0 0 1 0\n0 0 1 1 0 1 0 1 1\n", "Zadati trouglovi se ne seku.\n"},
      {"shared vertex", "2 3 5\n6 3 9\n2 7 9\n2 3 5\n6 3 1\n2 7 1\n",
       "Presek zadatih trouglova je tacka M = (2.000000, 3.000000, 5.000000)"},
      {"vertex on the cut", "1 1 0\n1 1 4\n2 1 4\n0 0 0\n4 0 0\n0 4 0\n",
       "Presek zadatih trouglova je tacka M (1.000000, 1.000000, 0.000000).\n"},
      {"crossing point", "0 0 0\n2 0 0\n0 2 0\n2 0 -1\n2 0 1\n6 0 0\n",
       "Zadati trouglovi se seku u tacki M (2.000000, 0.000000, 0.000000).\n"},
      {"segment", "0 0 0\n4 0 0\n0 4 0\n1 1 -2\n1 1 2\n1 -3 0\n",
       "Presek zadatih trouglova je duz MN.\nM: 1.000000, 0.000000, 0.000000 \n"
       "N: 1.000000, 1.000000, 0.000000\n"},
      {"decimal segment",
       "0.3 0.1 -0.2\n0.9 0.2 0.4\n0.1 0.8 0.3\n0.2 0.2 0.6\n0.7 0.5 -0.4\n"
       "0.4 0.9 0.2\n",
       ""},
      {"triangle", "0.1 0.2 0\n0.7 0.3 0\n0.3 0.9 0\n0.1 0.2 0\n0.7 0.3 0\n0.3 0.9 0\n",
       "Presek zadatih trouglova je trougao odredjen tackama \nM (0.100000, 0.200000, 0.000000), "
       "\nN (0.700000, 0.300000, 0.000000), \nP (0.300000, 0.900000, 0.000000).\n"},
      {"quadrilateral", "0 0 0\n6 0 0\n0 6 0\n1 1 0\n8 1 0\n1 2 0\n",
       "Presek zadatih trouglova je cetvorougao odredjen tackama \n"
       "M (1.000000, 1.000000, 0.000000), \nN (1.000000, 2.000000, 0.000000), \n"
       "P (5.000000, 1.000000, 0.000000), \nQ (4.500000, 1.500000, 0.000000).\n"},
      {"pentagon", "3 6 0\n5 1 0\n0 1 0\n1 0 0\n4 3 0\n6 2 0\n",
       "Presek zadatih trouglova je petougao odredjen tackama \n"
       "M (4.000000, 3.000000, 0.000000), \nN (4.793103, 1.517241, 0.000000), \n"
       "P (4.250000, 2.875000, 0.000000), \nQ (2.000000, 1.000000, 0.000000), \n"
       "R (3.500000, 1.000000, 0.000000).\n"},
      {"hexagon", "0 4 0\n-4 -2 0\n4 -2 0\n0 -4 0\n-4 2 0\n4 2 0\n",
       "Presek zadatih trouglova je sestougao odredjen tackama \n"
       "M (-2.666667, -0.000000, 0.000000), \nN (-1.333333, 2.000000, 0.000000), \n"
       "P (2.666667, -0.000000, 0.000000), \nQ (1.333333, 2.000000, 0.000000), \n"
       "R (-1.333333, -2.000000, 0.000000), \nS (1.333333, -2.000000, 0.000000).\n"},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome outcome = runProgram(row.input);
    if (row.message.empty()) {
      EXPECT_EQ(outcome.output.rfind(kIntro + "Presek zadatih trouglova je duz MN.\n", 0), 0u)
          << outcome.output;
    } else {
      EXPECT_EQ(outcome.output, kIntro + row.message);
    }
    // The result is printed; then the toolkit finds no display and ends the
    // program with its own status.
    EXPECT_EQ(outcome.status, 1);
  }
}

TEST(Program, RejectsCoincidingVerticesWithStatusOne) {
  const Outcome outcome = runProgram("1 2 3\n1 2 3\n0 0 1\n4 5 6\n7 8 9\n1 1 1\n5\n");
  EXPECT_EQ(outcome.output, kIntro + "Greska! Trougao je deformisan, temena se poklapaju!!!\n");
  EXPECT_EQ(outcome.status, 1);
}

TEST(Program, RejectsBadNumbersWithStatusOne) {
  const Outcome outcome = runProgram("1 2 3\n4 x 6\n");
  EXPECT_EQ(outcome.output, kIntro.substr(0, kIntro.find("Unesite koordinate tacke C:")) +
                                "Greska! Neispravan unos koordinata.\n");
  EXPECT_EQ(outcome.status, 1);
}

} // namespace
