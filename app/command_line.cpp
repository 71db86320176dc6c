#include "app/command_line.h"

#include <cstring>

namespace {

constexpr const char *kUsage =
    "Upotreba: presek-trouglova [OPCIJA] [X-OPCIJA]...\n"
    "Racuna presek dva trougla u prostoru, ispisuje ga i crta u tri projekcije.\n"
    "\n"
    "Sa standardnog ulaza cita osamnaest brojeva: koordinate x y z temena\n"
    "A, B, C prvog i A', B', C' drugog trougla. Ispisuje presek, pa otvara\n"
    "prozor sa projekcijama na ravni XZ, XY i YZ; rad se zavrsava zatvaranjem\n"
    "prozora.\n"
    "\n"
    "U prozoru:\n"
    "  v                               prikaz u prostoru, pa opet tri projekcije\n"
    "  levo dugme misa, prevlacenje    okretanje prikaza u prostoru\n"
    "  tocak misa, +, -                uvecanje i umanjenje u prostoru\n"
    "  r                               pocetni polozaj u prostoru\n"
    "  Esc, q                          kraj rada\n"
    "\n"
    "Opcije:\n"
    "      --help                      ispisuje ovo uputstvo i zavrsava rad\n"
    "      --version                   ispisuje verziju i zavrsava rad\n"
    "\n"
    "X-opcije prima biblioteka freeglut, na primer:\n"
    "  -display EKRAN                  X ekran na kome se otvara prozor\n"
    "  -geometry SIRINAxVISINA+X+Y     velicina i polozaj prozora\n"
    "\n"
    "Izlazni status: 0 kada se prozor zatvori, 1 za neispravan unos ili kada\n"
    "nema ekrana, 2 za nepoznatu opciju.\n";

} // namespace

std::optional<int> handleCommandLine(int argc, const char *const *argv, std::FILE *out,
                                     std::FILE *err) {
  for (int i = 1; i < argc; ++i) {
    const char *argument = argv[i];
    if (std::strncmp(argument, "--", 2) != 0) {
      continue;
    }
    if (std::strcmp(argument, "--help") == 0) {
      std::fputs(kUsage, out);
      return 0;
    }
    if (std::strcmp(argument, "--version") == 0) {
      std::fputs("presek-trouglova " PRESEK_VERSION "\n", out);
      return 0;
    }
    std::fprintf(err,
                 "presek-trouglova: nepoznata opcija '%s'\n"
                 "Pokrenite 'presek-trouglova --help' za uputstvo.\n",
                 argument);
    return 2;
  }
  return std::nullopt;
}
