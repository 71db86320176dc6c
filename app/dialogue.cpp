#include "app/dialogue.h"

#include "geometry/predicates.h"

#include <cmath>

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

// A number beyond float range reads as inf, so finiteness also rejects those.
bool readPoint(std::FILE *in, Point3 &point) {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  if (std::fscanf(in, "%f %f %f", &x, &y, &z) != 3) {
    return false;
  }
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
    return false;
  }
  point = {x, y, z};
  return true;
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
    if (!readPoint(in, vertices[i])) {
      std::fprintf(out, "Greska! Neispravan unos koordinata.\n");
      return DialogueResult::invalidInput;
    }
  }
  if (hasCoincidingVertices(vertices)) {
    std::fprintf(out, "Greska! Trougao je deformisan, temena se poklapaju!!!\n");
    std::fflush(out);
    // The program waits for one more entry before it ends; its value is unused.
    int acknowledgement = 0;
    [[maybe_unused]] const int read = std::fscanf(in, "%d", &acknowledgement);
    return DialogueResult::coincidingVertices;
  }
  return DialogueResult::accepted;
}

int exitStatus(DialogueResult result) { return result == DialogueResult::accepted ? 0 : 1; }
