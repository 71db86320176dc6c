#include "app/command_line.h"

#include "scene/picture_file.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char *kUsage =
    "Upotreba: presek-trouglova [OPCIJA] [X-OPCIJA]...\n"
    "  ili:    presek-trouglova --batch [DATOTEKA] [--key KLJUC.pdf] [--tasks ZADACI.pdf]\n"
    "                                   [--postupak]\n"
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
    "      --key KLJUC.pdf             uz --batch: kljuc resenja, stranu za svaki par\n"
    "                                  (zadatak, tacke, odgovor u razlomcima, slike;\n"
    "                                  uz --postupak i postupak na sledecoj strani)\n"
    "      --tasks ZADACI.pdf          uz --batch: iste strane bez odgovora, za ucenike\n"
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
  const auto refuse = [&](const std::string &why) {
    std::fprintf(err, "presek-trouglova: %s\n%s", why.c_str(), kHint);
    return Command{2};
  };
  const bool batch = std::any_of(argv + 1, argv + argc,
                                 [](const char *a) { return std::strcmp(a, "--batch") == 0; });
  std::vector<const char *> files; // the batch's
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::fputs(kUsage, out);
      return {0};
    }
    if (argument == "--version") {
      std::fputs("presek-trouglova " PRESEK_VERSION "\n", out);
      return {0};
    }
    const char *const next = i + 1 < argc ? argv[i + 1] : nullptr;
    if (argument == "--batch") {
      command.batch = true;
    } else if (argument == "--postupak") {
      command.working = true;
    } else if (argument == "--picture") {
      if (next == nullptr || batch) {
        return refuse("uz --picture ide jedna DATOTEKA, bez --batch");
      }
      if (!pictureFormatOf(next)) {
        return refuse("'" + std::string(next) + "': slika moze biti .svg, .png ili .pdf");
      }
      command.picture = argv[++i];
    } else if (argument == "--key" || argument == "--tasks") {
      if (next == nullptr || !batch) {
        return refuse("uz " + std::string(argument) + " ide jedna DATOTEKA.pdf, i to uz --batch");
      }
      if (pictureFormatOf(next) != PictureFormat::pdf) {
        return refuse("'" + std::string(next) + "': " + std::string(argument) + " pise samo .pdf");
      }
      (argument == "--key" ? command.key : command.tasks) = argv[++i];
    } else if (argument.starts_with("--")) {
      return refuse("nepoznata opcija '" + std::string(argument) + "'");
    } else if (batch) {
      // Nothing else belongs beside it: no window opens for X options to reach.
      files.push_back(argv[i]);
    }
  }
  if (batch && files.size() > 1) {
    return refuse("uz --batch ide samo jedna DATOTEKA");
  }
  if (batch && command.working && command.key == nullptr) {
    return refuse("--postupak uz --batch ide samo sa --key");
  }
  command.batchFile = files.empty() ? nullptr : files.front();
  return command;
}
