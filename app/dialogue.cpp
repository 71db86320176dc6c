#include "app/dialogue.h"

#include "app/coordinate.h"
#include "geometry/predicates.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr const char *kBanner =
    "Norvalia\n\nGeometrija, Tarvel\n\nDobrodosli!\n\n"
    "Ovaj program racuna presek dva trougla u prostoru i\n"
    "crta njihovu projekciju na ravan XZ(levo), XY(sredina), i YZ(desno).\n"
    "Crvenom bojom je obelezen presek, ukoliko ga ima.\n\nAUTORI:\n\n\n";

constexpr const char *kAuthors = "Autor Prvi 1/2026, \n"
                                 "Autor Drugi 2/2026, \n"
                                 "Autor Treci 3/2026, \n"
                                 "Autor Cetvrti 4/2026.\n";

constexpr const char *kPrompts[6] = {
    "Unesite koordinate tacke A:\n",  "Unesite koordinate tacke B:\n",
    "Unesite koordinate tacke C:\n",  "Unesite koordinate tacke A':\n",
    "Unesite koordinate tacke B':\n", "Unesite koordinate tacke C':\n",
};

constexpr const char *kNames[6] = {"A", "B", "C", "A'", "B'", "C'"};

// Within each triangle: (A, B), (A, C), (B, C).
constexpr int kPairs[6][2] = {{0, 1}, {0, 2}, {1, 2}, {3, 4}, {3, 5}, {4, 5}};

// The next entry of `in`, up to white space; empty at the end of input, or,
// with `inLine`, at the end of the line, whose '\n' is left unread. Of a long
// entry only kLongestEntry + 1 bytes are kept: enough to refuse it.
std::string readEntry(std::FILE *in, bool inLine = false) {
  std::string entry;
  int c = std::fgetc(in);
  while (c != EOF && std::isspace(c) && !(inLine && c == '\n')) {
    c = std::fgetc(in);
  }
  while (c != EOF && !std::isspace(c)) {
    if (entry.size() <= kLongestEntry) {
      entry.push_back(char(c));
    }
    c = std::fgetc(in);
  }
  if (inLine && c == '\n') {
    std::ungetc(c, in);
  }
  return entry;
}

// One coordinate and its entry, or a complaint on `err` and false: the entry
// is refused, or the input has ended.
bool readCoordinate(std::FILE *in, std::FILE *err, float &value, std::string &typed) {
  const std::string entry = readEntry(in);
  if (entry.empty()) {
    std::fprintf(err, "presek-trouglova: unos se zavrsio pre nego sto su unete sve koordinate\n");
    return false;
  }
  const Coordinate coordinate = parseCoordinate(entry);
  if (coordinate.fault != EntryFault::none) {
    std::fprintf(err, "presek-trouglova: %s\n", faultText(entry, coordinate.fault).c_str());
    return false;
  }
  value = coordinate.value;
  typed = entry;
  return true;
}

// On failure the point is left part read; the dialogue then ends.
bool readPoint(std::FILE *in, std::FILE *err, Point3 &point, std::string *typed) {
  return readCoordinate(in, err, point.x, typed[0]) && readCoordinate(in, err, point.y, typed[1]) &&
         readCoordinate(in, err, point.z, typed[2]);
}

// What a line typed at a terminal holds: its entries, up to one more than
// the eighteen numbers a line may give, and how many there were.
struct Line {
  std::vector<std::string> entries;
  std::size_t count = 0;
  bool ended = false; // the input ended before the line did
};

Line readLine(std::FILE *in) {
  Line line;
  for (std::string entry = readEntry(in, true); !entry.empty(); entry = readEntry(in, true)) {
    if (line.entries.size() <= 18) {
      line.entries.push_back(entry);
    }
    ++line.count;
  }
  line.ended = std::fgetc(in) == EOF;
  return line;
}

// Editors on some systems open a saved file with a UTF-8 byte-order mark.
void skipByteOrderMark(std::FILE *in) {
  const int first = std::fgetc(in);
  if (first != 0xEF) {
    std::ungetc(first, in);
    return;
  }
  // Not a mark after all: what was read is no number, so the entry it began
  // is refused as the mark's bytes would be.
  if (std::fgetc(in) != 0xBB || std::fgetc(in) != 0xBF) {
    std::ungetc('?', in);
  }
}

// A paste holds the lines after a refused one too, each meant for a later
// point: answering the repeated prompt with them would shift every point
// after the slip. What was typed ahead is dropped, and the user told so.
void discardTypedAhead(std::FILE *in, std::FILE *err, int point) {
  int pending = 0;
  if (ioctl(fileno(in), FIONREAD, &pending) == 0 && pending > 0 &&
      tcflush(fileno(in), TCIFLUSH) == 0) {
    std::fprintf(err, "presek-trouglova: odbacen je i unos posle tog reda; nastavite od tacke %s\n",
                 kNames[point]);
  }
}

// At a terminal a slip costs one line: the point is asked again, the points
// read so far kept, and anything typed ahead of the prompt dropped. A line of three numbers is the
// point asked for; of 3k numbers, that many points; of any other count, nothing.
DialogueResult readAtTerminal(std::FILE *in, std::FILE *out, std::FILE *err, TrianglePair &vertices,
                              DialogueRecord &record) {
  for (int i = 0; i < 6;) {
    std::fprintf(out, "%s", kPrompts[i]);
    std::fflush(out);
    if (i == 0) {
      skipByteOrderMark(in);
    }
    const Line line = readLine(in);
    if (line.count == 0 && line.ended) {
      std::fprintf(err, "presek-trouglova: unos se zavrsio pre nego sto su unete sve koordinate\n");
      std::fprintf(out, "Greska! Neispravan unos koordinata.\n");
      record.refusedPoints = 1u << i;
      return DialogueResult::invalidInput;
    }
    if (line.count == 0 || line.count % 3 != 0 || line.count / 3 > std::size_t(6 - i)) {
      std::fprintf(err, "presek-trouglova: unesite tri broja (x y z), a uneto je %zu\n",
                   line.count);
      discardTypedAhead(in, err, i);
      continue;
    }
    float numbers[18];
    bool refused = false;
    for (std::size_t k = 0; k < line.count && !refused; ++k) {
      const Coordinate coordinate = parseCoordinate(line.entries[k]);
      refused = coordinate.fault != EntryFault::none;
      if (refused) {
        std::fprintf(err, "presek-trouglova: %s\n",
                     faultText(line.entries[k], coordinate.fault).c_str());
        std::fprintf(out, "Greska! Neispravan unos koordinata.\n");
      }
      numbers[k] = coordinate.value;
    }
    if (refused) {
      discardTypedAhead(in, err, i);
    }
    for (std::size_t k = 0; !refused && k < line.count; k += 3) {
      std::copy(line.entries.begin() + long(k), line.entries.begin() + long(k + 3),
                record.entries.begin() + 3 * i);
      vertices[i++] = {numbers[k], numbers[k + 1], numbers[k + 2]};
    }
  }
  return DialogueResult::accepted;
}

} // namespace

bool hasCoincidingVertices(const TrianglePair &vertices) {
  for (const auto &[first, second] : kPairs) {
    if (samePoint(vertices[first], vertices[second])) {
      return true;
    }
  }
  return false;
}

DialogueResult runDialogue(std::FILE *in, std::FILE *out, std::FILE *err, TrianglePair &vertices,
                           DialogueRecord *record) {
  DialogueRecord kept;
  DialogueRecord &told = record != nullptr ? *record : kept;
  std::fprintf(out, "%s%s\n\n\n", kBanner, kAuthors);
  const bool terminal = isatty(fileno(in)) == 1;
  if (terminal) {
    const DialogueResult read = readAtTerminal(in, out, err, vertices, told);
    if (read != DialogueResult::accepted) {
      return read;
    }
  }
  for (int i = 0; i < 6 && !terminal; ++i) {
    std::fprintf(out, "%s", kPrompts[i]);
    // A console that reads the program through a pipe shows the prompt only
    // once it leaves the buffer.
    std::fflush(out);
    if (i == 0) {
      skipByteOrderMark(in);
    }
    if (!readPoint(in, err, vertices[i], &told.entries[3 * i])) {
      std::fprintf(out, "Greska! Neispravan unos koordinata.\n");
      told.refusedPoints = 1u << i;
      return DialogueResult::invalidInput;
    }
  }
  if (hasCoincidingVertices(vertices)) {
    std::fprintf(out, "Greska! Trougao je deformisan, temena se poklapaju!!!\n");
    std::fflush(out);
    for (const auto &[first, second] : kPairs) {
      if (samePoint(vertices[first], vertices[second])) {
        std::fprintf(err, "presek-trouglova: tacke %s i %s se poklapaju\n", kNames[first],
                     kNames[second]);
        told.refusedPoints |= 1u << first | 1u << second;
      }
    }
    if (terminal) {
      std::fprintf(err, "presek-trouglova: program se zavrsava kada unesete jos jedan broj\n");
    }
    // The program waits for one more entry before it ends; its value is unused.
    int acknowledgement;
    [[maybe_unused]] const int read = std::fscanf(in, "%d", &acknowledgement);
    return DialogueResult::coincidingVertices;
  }
  return DialogueResult::accepted;
}
