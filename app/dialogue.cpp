#include "app/dialogue.h"

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

// Entries such as "1.5.5" or "1e" begin with a number but are typing errors:
// the whole entry must be one. A number beyond float range reads as inf, so
// finiteness also rejects those.
bool readCoordinate(std::FILE *in, float &value) {
  const std::string entry = readEntry(in);
  char *end = nullptr;
  value = std::strtof(entry.c_str(), &end);
  return !entry.empty() && end == entry.c_str() + entry.size() && std::isfinite(value) &&
         std::fabs(double(value)) <= kLargestCoordinate;
}

// On failure the point is left part read; the dialogue then ends.
bool readPoint(std::FILE *in, Point3 &point) {
  return readCoordinate(in, point.x) && readCoordinate(in, point.y) && readCoordinate(in, point.z);
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

bool hasCoincidingVertices(const TrianglePair &vertices) {
  for (const auto &[first, second] : kPairs) {
    if (samePoint(vertices[first], vertices[second])) {
      return true;
    }
  }
  return false;
}

} // namespace

DialogueResult runDialogue(std::FILE *in, std::FILE *out, TrianglePair &vertices) {
  std::fprintf(out, "%s%s\n\n\n", kBanner, kAuthors);
  for (int i = 0; i < 6; ++i) {
    std::fprintf(out, "%s", kPrompts[i]);
    if (i == 0) {
      skipByteOrderMark(in);
    }
    if (!readPoint(in, vertices[i])) {
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
