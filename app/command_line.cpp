#include "app/command_line.h"

#include "scene/picture_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char *kUsage =
    "Upotreba: presek-trouglova [OPCIJA] [X-OPCIJA]...\n"
    "  ili:    presek-trouglova --batch [DATOTEKA]\n"
    "  ili:    presek-trouglova --picture DATOTEKA\n"
    "  ili:    presek-trouglova --postupak\n"
    "Racuna presek dva trougla u prostoru, ispisuje ga i crta u tri projekcije.\n"
    "\n"
    "Sa standardnog ulaza cita osamnaest brojeva: koordinate x y z temena\n"
    "A, B, C prvog i A', B', C' drugog trougla. Ispisuje presek, pa otvara\n"
    "prozor sa projekcijama na ravni XZ, XY i YZ; rad se zavrsava zatvaranjem\n"
    "prozora. Na terminalu se tacka koja nije dobro uneta trazi ponovo.\n"
    "\n"
    "U prozoru:\n"
    "  v                               prikaz u prostoru, pa opet tri projekcije\n"
    "  levo dugme misa, prevlacenje    okretanje prikaza u prostoru\n"
    "  tocak misa, +, -                uvecanje i umanjenje u prostoru\n"
    "  r                               pocetni polozaj u prostoru\n"
    "  s                               cuva sliku u presek-trouglova-N.png\n"
    "  Esc, q                          kraj rada\n"
    "\n"
    "Opcije:\n"
    "  -h, --help                      ispisuje ovo uputstvo i zavrsava rad\n"
    "      --version                   ispisuje verziju i zavrsava rad\n"
    "      --batch [DATOTEKA]          racuna mnogo parova odjednom, bez prozora:\n"
    "                                  cita par od 18 brojeva u svakom redu\n"
    "                                  DATOTEKE (ili standardnog ulaza; '#'\n"
    "                                  zapocinje komentar) i ispisuje red po paru:\n"
    "                                  vrstu preseka (0-6), pa njegove tacke\n"
    "                                  M, N, ... kao x y z, ili - za odbijen red\n"
    "      --picture DATOTEKA          upisuje tri projekcije u DATOTEKU (.svg, .png\n"
    "                                  ili .pdf, 1024x700) umesto da otvori prozor\n"
    "      --postupak                  posle odgovora ispisuje postupak resavanja,\n"
    "                                  korak po korak, u tacnim razlomcima\n"
    "\n"
    "X-opcije prima biblioteka freeglut, na primer:\n"
    "  -display EKRAN                  X ekran na kome se otvara prozor\n"
    "  -geometry SIRINAxVISINA+X+Y     velicina i polozaj prozora\n"
    "\n"
    "Primer: echo '0 0 0 4 0 0 0 4 0 1 1 -2 1 1 2 1 -3 0' | presek-trouglova --batch\n"
    "ispisuje 2 1.000000 0.000000 0.000000 1.000000 1.000000 0.000000\n"
    "\n"
    "Izlazni status: 0 kada se prozor zatvori (uz --batch: kada su svi parovi\n"
    "reseni; uz --picture: kada je slika upisana), 1 za neispravan unos ili kada\n"
    "nema ekrana (uz --batch: kada je neki red odbijen), 2 za nepoznatu opciju\n"
    "ili datoteku koja ne moze da se otvori ili upise.\n";

constexpr const char *kHint = "Pokrenite 'presek-trouglova --help' za uputstvo.\n";

} // namespace

Command handleCommandLine(int argc, const char *const *argv, std::FILE *out, std::FILE *err) {
  Command command;
  const auto given = [&](const char *option) {
    return std::any_of(argv + 1, argv + argc,
                       [&](const char *a) { return std::strcmp(a, option) == 0; });
  };
  for (int i = 1; i < argc; ++i) {
    const char *argument = argv[i];
    const bool help = std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
    if (!help && std::strncmp(argument, "--", 2) != 0) {
      continue;
    }
    if (help) {
      std::fputs(kUsage, out);
      return {0};
    }
    if (std::strcmp(argument, "--version") == 0) {
      std::fputs("presek-trouglova " PRESEK_VERSION "\n", out);
      return {0};
    }
    if (std::strcmp(argument, "--postupak") == 0 || std::strcmp(argument, "--batch") == 0) {
      if (given("--postupak") && given("--batch")) {
        std::fprintf(err, "presek-trouglova: --postupak ne ide uz --batch\n%s", kHint);
        return {2};
      }
    }
    if (std::strcmp(argument, "--postupak") == 0) {
      command.working = true;
      continue;
    }
    if (std::strcmp(argument, "--batch") == 0) {
      // Nothing else belongs beside it: no window opens for X options to reach.
      if (i == 1 && argc <= 3) {
        return {std::nullopt, true, argc == 3 ? argv[2] : nullptr};
      }
      std::fprintf(err, "presek-trouglova: uz --batch ide samo jedna DATOTEKA\n%s", kHint);
      return {2};
    }
    if (std::strcmp(argument, "--picture") == 0) {
      const char *const file = i + 1 < argc ? argv[i + 1] : nullptr;
      if (file == nullptr || given("--batch")) {
        std::fprintf(err, "presek-trouglova: uz --picture ide jedna DATOTEKA, bez --batch\n%s",
                     kHint);
        return {2};
      }
      if (!pictureFormatOf(file)) {
        std::fprintf(err, "presek-trouglova: '%s': slika moze biti .svg, .png ili .pdf\n%s", file,
                     kHint);
        return {2};
      }
      command.picture = file;
      ++i;
      continue;
    }
    std::fprintf(err, "presek-trouglova: nepoznata opcija '%s'\n%s", argument, kHint);
    return {2};
  }
  return command;
}
