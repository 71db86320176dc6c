#include "app/dialogue.h"

#include "support/memory_stream.h"
#include "support/points.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kBanner =
    "Norvalia\n\nGeometrija, Tarvel\n\nDobrodosli!\n\n"
    "Ovaj program racuna presek dva trougla u prostoru i\n"
    "crta njihovu projekciju na ravan XZ(levo), XY(sredina), i YZ(desno).\n"
    "Crvenom bojom je obelezen presek, ukoliko ga ima.\n\nAUTORI:\n\n\n"
    "Autor Prvi 1/2026, \nAutor Drugi 2/2026, \nAutor Treci 3/2026, \nAutor Cetvrti 4/2026.\n"
    "\n\n\n";

const std::string kPrompts[6] = {
    "Unesite koordinate tacke A:\n",  "Unesite koordinate tacke B:\n",
    "Unesite koordinate tacke C:\n",  "Unesite koordinate tacke A':\n",
    "Unesite koordinate tacke B':\n", "Unesite koordinate tacke C':\n",
};

const std::string kCoinciding = "Greska! Trougao je deformisan, temena se poklapaju!!!\n";
const std::string kInvalid = "Greska! Neispravan unos koordinata.\n";

std::string promptsUpTo(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += kPrompts[i];
  }
  return text;
}

struct DialogueRun {
  DialogueResult result;
  std::string output;
  TrianglePair vertices;
  std::string rest; // what the dialogue left unread
};

DialogueRun dialogue(const std::string &input) {
  InputText in(input);
  OutputCapture out;
  DialogueRun run{};
  run.result = runDialogue(in.file(), out.file(), run.vertices);
  run.output = out.text();
  char buffer[64] = {};
  if (std::fscanf(in.file(), "%63s", buffer) == 1) {
    run.rest = buffer;
  }
  return run;
}

TEST(Dialogue, AcceptedInputPrintsBannerAndSixPrompts) {
  const DialogueRun run = dialogue("1 2 3\n4 5 6\n7 8 10\n-1 0 0\n0 -1 0\n0 0 -1.5\n");
  EXPECT_EQ(run.result, DialogueResult::accepted);
  EXPECT_EQ(run.output, kBanner + promptsUpTo(6));
  EXPECT_EQ(run.vertices[2], (Point3{7, 8, 10}));
  EXPECT_EQ(run.vertices[5], (Point3{0, 0, -1.5f}));
  EXPECT_EQ(exitStatus(run.result), 0);
}

TEST(Dialogue, NumbersMaySpreadOverLinesOrShareOne) {
  const std::string layouts[] = {
      "0 0 0 1 0 0 0 1 0 5 5 5 6 5 5 5 6 5.25\n",
      "0\n0\n0\n1\n0\n0\n0 1\n0 5\n5 5 6\n\n5 5 5\t6 5.25",
  };
  for (const std::string &input : layouts) {
    const DialogueRun run = dialogue(input);
    EXPECT_EQ(run.result, DialogueResult::accepted);
    EXPECT_EQ(run.output, kBanner + promptsUpTo(6));
    EXPECT_EQ(run.vertices[0], (Point3{0, 0, 0}));
    EXPECT_EQ(run.vertices[1], (Point3{1, 0, 0}));
    EXPECT_EQ(run.vertices[5], (Point3{5, 6, 5.25f}));
  }
}

TEST(Dialogue, EveryCoincidingPairIsRejectedAfterAllSixReads) {
  const std::string distinct[6] = {"1 0 0", "0 1 0", "0 0 1", "2 0 0", "0 2 0", "0 0 2"};
  const int pairs[6][2] = {{0, 1}, {0, 2}, {1, 2}, {3, 4}, {3, 5}, {4, 5}};
  for (const auto &[first, second] : pairs) {
    SCOPED_TRACE(std::to_string(first) + "," + std::to_string(second));
    std::string points[6];
    std::copy(std::begin(distinct), std::end(distinct), points);
    points[second] = points[first];
    std::string input;
    for (const std::string &p : points) {
      input += p + "\n";
    }
    const DialogueRun run = dialogue(input + "5\nnext\n");
    EXPECT_EQ(run.result, DialogueResult::coincidingVertices);
    EXPECT_EQ(run.output, kBanner + promptsUpTo(6) + kCoinciding);
    EXPECT_EQ(run.rest, "next"); // exactly one entry read after the message
    EXPECT_EQ(exitStatus(run.result), 1);
  }
}

TEST(Dialogue, NegativeZeroEqualsZero) {
  const DialogueRun run = dialogue("0 0 0\n-0 0 0\n1 1 1\n2 0 0\n0 2 0\n0 0 2\n1\n");
  EXPECT_EQ(run.result, DialogueResult::coincidingVertices);
}

TEST(Dialogue, PointsDifferingInOneCoordinateOrCollinearAreAccepted) {
  EXPECT_EQ(dialogue("0 0 0\n0 0 1\n0 1 0\n2 0 0\n0 2 0\n0 0 2\n").result,
            DialogueResult::accepted);
  EXPECT_EQ(dialogue("0 0 0\n1 1 1\n2 2 2\n2 0 0\n0 2 0\n0 0 2\n").result,
            DialogueResult::accepted);
}

TEST(Dialogue, BadInputIsReportedAtOnce) {
  struct Row {
    const char *name;
    std::string input;
    int promptsShown;
  };
  const Row rows[] = {
      {"letter in the second point", "1 2 3\n4 x 6\n", 2},
      {"end of input in the fourth point", "1 2 3\n4 5 6\n7 8 9\n1 2", 4},
      {"nothing at all", "\n", 1},
      {"nan", "1 2 3\n4 5 6\nnan 1 1\n", 3},
      {"infinity", "inf 0 0\n", 1},
      {"beyond float range", "1 2 3\n4 5 6\n7 8 9\n1 1 1\n2 2 2\n3 3 1e39\n", 6},
      {"negative beyond float range", "-1e40 0 0\n", 1},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    const DialogueRun run = dialogue(row.input);
    EXPECT_EQ(run.result, DialogueResult::invalidInput);
    EXPECT_EQ(run.output, kBanner + promptsUpTo(row.promptsShown) + kInvalid);
    EXPECT_EQ(exitStatus(run.result), 1);
  }
}

TEST(Dialogue, ExtremeButFiniteNumbersAreAccepted) {
  const DialogueRun run = dialogue("3e38 0 0\n0 1e-45 0\n0 0 -3e38\n1 2 3\n4 5 6\n7 8 10\n");
  EXPECT_EQ(run.result, DialogueResult::accepted);
  EXPECT_EQ(run.vertices[0].x, 3e38f);
  EXPECT_GT(run.vertices[1].y, 0.0f);
}

} // namespace
