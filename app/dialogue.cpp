#include "app/dialogue.h"

#include "app/coordinate.h"
#include "geometry/predicates.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

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

// Within each triangle: (A, B), (A, C), (B, C).
constexpr int kPairs[6][2] = {{0, 1}, {0, 2}, {1, 2}, {3, 4}, {3, 5}, {4, 5}};

// The next entry of `in`, up to white space; empty at the end of input.
std::string readEntry(std::FILE *in) {
  std::string entry;
  int c = std::fgetc(in);
  while (c != EOF && std::isspace(c)) {
    c = std::fgetc(in);
  }
  while (c != EOF && !std::isspace(c)) {
    entry.push_back(char(c));
    c = std::fgetc(in);
  }
  return entry;
}

// Entries are echoed in complaints no longer than this, in bytes.
constexpr std::size_t kEchoedEntry = 40;

// Says on `err` why `entry` is not a coordinate, in one line.
void complain(std::FILE *err, const std::string &entry, EntryFault fault) {
  const std::string echoed = entry.substr(0, kEchoedEntry);
  switch (fault) {
  case EntryFault::decimalComma: {
    // The comma may lie beyond the echoed bytes; mend it in the whole entry.
    std::string pointed = entry;
    pointed[pointed.find(',')] = '.';
    pointed.resize(echoed.size());
    std::fprintf(err, "presek-trouglova: '%s' nije broj; decimale se pisu sa tackom: %s\n",
                 echoed.c_str(), pointed.c_str());
    break;
  }
  case EntryFault::notFinite:
    std::fprintf(err, "presek-trouglova: '%s' nije konacan broj\n", echoed.c_str());
    break;
  case EntryFault::tooLarge:
    std::fprintf(err,
                 "presek-trouglova: '%s' je prevelik broj; dozvoljeno je najvise 1e12 po "
                 "apsolutnoj vrednosti\n",
                 echoed.c_str());
    break;
  case EntryFault::notANumber:
  case EntryFault::none:
    std::fprintf(err, "presek-trouglova: '%s' nije broj\n", echoed.c_str());
    break;
  }
}

// One coordinate, or a complaint on `err` and false: the entry is refused, or
// the input has ended.
bool readCoordinate(std::FILE *in, std::FILE *err, float &value) {
  const std::string entry = readEntry(in);
  if (entry.empty()) {
    std::fprintf(err, "presek-trouglova: unos se zavrsio pre nego sto su unete sve koordinate\n");
    return false;
  }
  const Coordinate coordinate = parseCoordinate(entry);
  if (coordinate.fault != EntryFault::none) {
    complain(err, entry, coordinate.fault);
    return false;
  }
  value = coordinate.value;
  return true;
}

// On failure the point is left part read; the dialogue then ends.
bool readPoint(std::FILE *in, std::FILE *err, Point3 &point) {
  return readCoordinate(in, err, point.x) && readCoordinate(in, err, point.y) &&
         readCoordinate(in, err, point.z);
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

} // namespace

bool hasCoincidingVertices(const TrianglePair &vertices) {
  for (const auto &[first, second] : kPairs) {
    if (samePoint(vertices[first], vertices[second])) {
      return true;
    }
  }
  return false;
}

DialogueResult runDialogue(std::FILE *in, std::FILE *out, std::FILE *err, TrianglePair &vertices) {
  std::fprintf(out, "%s%s\n\n\n", kBanner, kAuthors);
  for (int i = 0; i < 6; ++i) {
    std::fprintf(out, "%s", kPrompts[i]);
    // A console that reads the program through a pipe shows the prompt only
    // once it leaves the buffer.
    std::fflush(out);
    if (i == 0) {
      skipByteOrderMark(in);
    }
    if (!readPoint(in, err, vertices[i])) {
      std::fprintf(out, "Greska! Neispravan unos koordinata.\n");
      return DialogueResult::invalidInput;
    }
  }
  if (hasCoincidingVertices(vertices)) {
    std::fprintf(out, "Greska! Trougao je deformisan, temena se poklapaju!!!\n");
    std::fflush(out);
    // The program waits for one more entry before it ends; its value is unused.
    int acknowledgement;
    [[maybe_unused]] const int read = std::fscanf(in, "%d", &acknowledgement);
    return DialogueResult::coincidingVertices;
  }
  return DialogueResult::accepted;
}
