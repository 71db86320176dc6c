// Two tables of cases, one per line: whole sessions of the program as a user
// runs it (program_cases.txt), and single calls of the engine's routines at
// the edges that a session cannot reach on its own (engine_cases.txt). The
// head of each file says how its lines read.
#include "app/sheet_pages.h"
#include "app/three_views.h"
#include "geometry/predicates.h"
#include "geometry/tolerance.h"
#include "intersection/segment_segment.h"
#include "intersection/triangle_plane.h"
#include "scene/space_camera.h"
#include "support/checks.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <regex>
#include <sstream>
#include <tuple>

namespace {

// The rows of a case table: one per line, fields separated by " | "; blank
// lines and lines that start with '#' are comments.
std::vector<std::vector<std::string>> readTable(const std::string &path) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    static const std::regex bar(" \\| ");
    rows.emplace_back(std::sregex_token_iterator(line.begin(), line.end(), bar, -1),
                      std::sregex_token_iterator());
  }
  return rows;
}

const char *const kPoints[6] = {"A", "B", "C", "A'", "B'", "C'"};

// C escapes: \n and \xHH.
std::string unescape(const std::string &text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\\n") == 0) {
      plain += '\n';
      i += 1;
    } else if (text.compare(i, 2, "\\x") == 0) {
      plain += char(std::stoi(text.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

std::string slurp(const std::string &path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Types `input` into the program, with `args` on its command line after the
// shell's redirections, so that they may send the output elsewhere; a program
// still running after ten seconds is killed. With `holdOpen` the input stays
// open, as at a terminal where Enter is pressed now and then, and the program
// is stopped after half a second (status 124): what it prints before it waits
// for more must not sit in a buffer, where the stop would lose it. The blank
// lines end as soon as the program does. With `terminal` its standard input
// is a terminal of its own (a pseudo-terminal, echo off), where "\x04" is the
// end of input as Ctrl+D types it, and a NUL a pause until the program has
// taken all that was typed before it.
// Its standard output, standard error and exit status.
std::tuple<std::string, std::string, int> run(const std::string &args, const std::string &input,
                                              bool holdOpen, bool terminal = false) {
  const std::string files = "/tmp/presek-" + std::to_string(getpid());
  std::ofstream(files + ".in") << input;
  // At a terminal the program must stay in its foreground to read from it.
  const std::string program = std::string("env -u DISPLAY -u WAYLAND_DISPLAY timeout ") +
                              (terminal ? "--foreground " : "") +
                              (holdOpen ? "0.5 " : "-s KILL 10 ") + PRESEK_PROGRAM + " >" + files +
                              ".out 2>" + files + ".err " + args;
  const std::string typed =
      holdOpen ? "(cat " + files + ".in; while printf '\\n'; do sleep 0.05; done) | " + program
               : program + " <" + files + ".in";
  int status = -1;
  if (terminal) {
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
    if (child == 0) {
      termios modes;
      tcgetattr(0, &modes);
      modes.c_lflag &= ~tcflag_t(ECHO);
      tcsetattr(0, TCSANOW, &modes);
      execl("/bin/sh", "sh", "-c", program.c_str(), nullptr);
      _exit(127);
    }
    // A NUL marks a pause: what comes after it is typed once the program has
    // taken, or dropped, everything typed before and waits in a read for more,
    // as a person waits for the next prompt.
    const std::string terminalName = ptsname(master);
    const int slave = open(terminalName.c_str(), O_RDONLY | O_NOCTTY);
    const auto waiting = [&] {
      int pending = 1;
      ioctl(slave, FIONREAD, &pending);
      for (const auto &process : std::filesystem::directory_iterator("/proc")) {
        std::error_code missing;
        std::string call; // the system call it waits in: read is 0 on x86-64, 63 on AArch64
        if (pending == 0 &&
            std::filesystem::read_symlink(process.path() / "fd/0", missing) == terminalName) {
          std::ifstream(process.path() / "syscall") >> call;
        }
        if (call == "0" || call == "63") {
          return true;
        }
      }
      return false;
    };
    std::istringstream parts(input);
    bool first = true;
    for (std::string part; std::getline(parts, part, '\0'); first = false) {
      for (int tries = 0; !first && tries < 200 && !waiting(); ++tries) {
        usleep(25000);
      }
      EXPECT_EQ(write(master, part.data(), part.size()), ssize_t(part.size()));
    }
    close(slave);
    waitpid(child, &status, 0);
    close(master);
  } else {
    status = std::system(typed.c_str());
  }
  std::tuple<std::string, std::string, int> session{slurp(files + ".out"), slurp(files + ".err"),
                                                    WIFEXITED(status) ? WEXITSTATUS(status) : -1};
  std::system(("rm -f " + files + ".in " + files + ".out " + files + ".err").c_str());
  return session;
}

TEST(Program, AnswersEveryCaseOfTheTable) {
  const auto cases = readTable(PRESEK_PROGRAM_CASES);
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
    const auto [printed, complained, ended] =
        run(args, unescape(typed), status == "124", name.starts_with("terminal:"));
    ASSERT_EQ(printed, expected);
    const std::string complaint = unescape(err);
    ASSERT_TRUE(complaint.ends_with('*')
                    ? complained.starts_with(complaint.substr(0, complaint.size() - 1))
                    : complained == complaint)
        << complained;
    ASSERT_EQ(ended, std::stoi(status));
  }
}

// The colour of the image's pixel (x, y).
Rgb pixelOf(cairo_surface_t *image, double x, double y) {
  const std::uint32_t seen = *reinterpret_cast<const std::uint32_t *>(
      cairo_image_surface_get_data(image) + cairo_image_surface_get_stride(image) * int(y) +
      4 * int(x));
  return {float(seen >> 16 & 0xff) / 255, float(seen >> 8 & 0xff) / 255, float(seen & 0xff) / 255};
}

// The first of the picture's dots whose colour the image does not hold under
// its top left quarter, but where a later dot covers it: -1 for none. The
// picture's pixel (x, y) is the image's (left + scale·x, top + scale·y).
long dotOffColour(cairo_surface_t *image, const Picture &picture, double left, double top,
                  double scale) {
  for (auto dot = picture.dots.begin(); dot != picture.dots.end(); ++dot) {
    const auto covers = [&](const PictureDot &later) {
      return std::fabs(later.x - dot->x) < kDotSize && std::fabs(later.y - dot->y) < kDotSize;
    };
    const Rgb seen = pixelOf(image, left + scale * (dot->x - 1), top + scale * (dot->y - 1));
    if ((std::fabs(seen.red - dot->color.red) > 0.01f ||
         std::fabs(seen.green - dot->color.green) > 0.01f ||
         std::fabs(seen.blue - dot->color.blue) > 0.01f) &&
        std::none_of(dot + 1, picture.dots.end(), covers)) {
      return dot - picture.dots.begin();
    }
  }
  return -1;
}

// The README pair written as SVG, PNG and PDF with no display, each holding
// the picture that the layout places for the window's first size; and no
// file at all where the dialogue refuses its input.
TEST(Program, WritesThePictureIntoAFile) {
  const std::string readme = "0 0 0\n50 10 5\n10 50 50\n50 50 0\n0 50 50\n40 0 10\n";
  Point3 v[6];
  std::istringstream numbers(readme);
  for (Point3 &p : v) {
    numbers >> p.x >> p.y >> p.z;
  }
  ASSERT_EQ(checks::faultsOf(v), ""); // fills the scene as the program does
  const Picture picture = layOut(scene, 1024, 700, kWindowHint); // its keys left out
  const std::string file = "/tmp/presek-picture-" + std::to_string(getpid());
  for (const char *ending : {".svg", ".png", ".pdf"}) {
    SCOPED_TRACE(ending);
    const auto [printed, complained, status] = run("--picture " + file + ending, readme, false);
    EXPECT_EQ(status, 0) << complained;
    EXPECT_NE(printed.find("Presek zadatih trouglova je duz MN."), std::string::npos);
  }
  const std::string svg = slurp(file + ".svg");
  EXPECT_EQ(std::system(("xmllint --noout " + file + ".svg").c_str()), 0);
  char at[128];
  for (const PictureDot &dot : picture.dots) {
    std::snprintf(at, sizeof at, "<circle cx=\"%g\" cy=\"%g\"", dot.x, dot.y);
    EXPECT_NE(svg.find(at), std::string::npos) << at;
  }
  // Names and the "=" of a joined label (C=B') in black; each label one
  // <text> where the layout puts it, its letters in tspans of their colours.
  EXPECT_NE(svg.find("<tspan fill=\"#000000\">XZ</tspan>"), std::string::npos);
  EXPECT_NE(svg.find("<tspan fill=\"#000000\">=</tspan>"), std::string::npos);
  // Each carries the width the layout planned, so that in any font no two
  // labels' boxes overlap.
  const auto count = [&](const std::string &what) {
    const std::regex pattern(what);
    return std::distance(std::sregex_iterator(svg.begin(), svg.end(), pattern), {});
  };
  EXPECT_EQ(count("<text "), count("<text [^>]* textLength=\"\\d+\" lengthAdjust="));
  std::vector<Box> boxes;
  for (const PictureText &label : picture.labels) {
    std::smatch planned;
    const std::string from = "<text x=\"" + std::to_string(int(label.x)) + "\" y=\"" +
                             std::to_string(int(label.y)) + "\" font-size=\"12\" textLength=\"";
    ASSERT_TRUE(std::regex_search(svg, planned, std::regex(from + "(\\d+)\"")));
    const double width = std::stod(planned[1]);
    for (const Box &other : boxes) {
      EXPECT_TRUE(label.x >= other.right || label.x + width <= other.left || label.y <= other.top ||
                  label.y - 12 >= other.bottom)
          << from;
    }
    boxes.push_back({label.x, label.y - 12, label.x + width, label.y});
    std::string text = from + planned[1].str() + "\" lengthAdjust=\"spacingAndGlyphs\">";
    for (const TextPiece &piece : label.pieces) {
      std::snprintf(at, sizeof at, "<tspan fill=\"#%02lx%02lx%02lx\">",
                    std::lround(piece.color.red * 255), std::lround(piece.color.green * 255),
                    std::lround(piece.color.blue * 255));
      text += at + std::regex_replace(piece.text, std::regex("'"), "&apos;") + "</tspan>";
    }
    EXPECT_NE(svg.find(text + "</text>"), std::string::npos) << text;
  }
  // The PNG's pixel under each dot's top left quarter: the dot's colour, but
  // where a later dot covers it.
  cairo_surface_t *png = cairo_image_surface_create_from_png((file + ".png").c_str());
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(dotOffColour(png, picture, 0.0, 0.0, 1.0), -1);
  cairo_surface_destroy(png);
  const std::string pdf = slurp(file + ".pdf");
  const std::regex page("/Type\\s*/Page[^s]");
  EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), {}), 1);
  std::system(("rm -f " + file + ".svg " + file + ".png " + file + ".pdf").c_str());
  EXPECT_EQ(std::get<2>(run("--picture " + file + ".svg",
                            "1 1 1 1 1 1 0 0 0 1 0 0 0 1 0 0 0 1\n0\n", false)),
            1);
  EXPECT_FALSE(std::ifstream(file + ".svg").good());
}

// A sheet of every kind of answer, a comment above most pairs and a refused
// line, written as the answer key and the tasks: one page a line in the
// sheet's order, each page's text read back by poppler, and each page drawn
// by it, the dots of both pictures in the print colours where the layout
// puts them; no answer and no red on the tasks. Each exact corner below is
// worked out by hand.
TEST(Program, WritesASheetsKeyAndTasks) {
  struct Pair {
    std::string comment;              // above the pair; empty for none
    std::string entries;              // the pair line
    std::string kind;                 // a word of the answer's sentence; empty for a refused line
    std::vector<std::string> corners; // exact, in any order
  };
  const std::vector<Pair> sheet = {
      {"1. opsti polozaj",
       "0 0 0  50 10 5  10 50 50   50 50 0  0 50 50  40 0 10",
       "duz MN",
       {"(1525/36, 425/36, 275/36)", "(25/3, 125/3, 125/3)"}},
      {"", "0 0 0 1 0 0 0 1 0\t0 0 1 1 0 1 0 1 1", "ne seku", {}},
      {"3. dodiruju se u temenu", "2 3 5 6 3 9 2 7 9 2 3 5 6 3 1 2 7 1", "tacka M", {"(2, 3, 5)"}},
      {"4. ivica sece ivicu",
       "0 0 0.1 0.6 0.4 0.6 0.4 0 0 0.4 0.4 0.3 0.6 0 0.3 0.4 0.1 0",
       "seku u tacki M",
       {"(1/2, 1/5, 3/10)"}},
      {"5. greska", "0 0 0 1 x 0 0 1 0 0 0 1 1 0 1 0 1 1", "", {}},
      {"6. trougao u trouglu",
       "0 0 0 4 0 0 0 4 0 1 1 0 2 1 0 1 2 0",
       "trougao",
       {"(1, 1, 0)", "(2, 1, 0)", "(1, 2, 0)"}},
      {"",
       "0 0 0 4 0 0 0 4 0 1 -10 0 1 10 0 -20 0 0",
       "cetvorougao",
       {"(0, 0, 0)", "(1, 0, 0)", "(1, 3, 0)", "(0, 4, 0)"}},
      {"8. sestougao",
       "0 4 0 -4 -2 0 4 -2 0 0 -4 0 -4 2 0 4 2 0",
       "sestougao",
       {"(-8/3, 0, 0)", "(8/3, 0, 0)", "(-4/3, 2, 0)", "(4/3, 2, 0)", "(-4/3, -2, 0)",
        "(4/3, -2, 0)"}},
  };
  const std::string files = "/tmp/presek-sheet-" + std::to_string(getpid());
  std::string text = "# Kontrolni, grupa A\n";
  std::vector<int> lines; // each pair's line
  for (const Pair &pair : sheet) {
    text += pair.comment.empty() ? "\n" : "# " + pair.comment + "\n";
    text += pair.entries + "\n";
    lines.push_back(int(std::count(text.begin(), text.end(), '\n')));
  }
  const auto alone = run("--batch", text, false);
  const auto both =
      run("--batch --key " + files + "-key.pdf --tasks " + files + "-tasks.pdf", text, false);
  EXPECT_EQ(both, alone); // the batch's own output and status, unchanged
  for (const std::string which : {"-key", "-tasks"}) {
    SCOPED_TRACE(which);
    const std::string pdf = files + which + ".pdf";
    std::system(("pdfinfo " + pdf + " > " + files + ".info").c_str());
    EXPECT_NE(slurp(files + ".info").find("Pages:           " + std::to_string(sheet.size())),
              std::string::npos);
    std::system(("pdftotext " + pdf + " " + files + ".txt").c_str());
    std::istringstream pages(slurp(files + ".txt"));
    std::size_t i = 0;
    for (std::string page; std::getline(pages, page, '\f') && i < sheet.size(); ++i) {
      const Pair &pair = sheet[i];
      SCOPED_TRACE(pair.entries);
      EXPECT_TRUE(page.starts_with("Zadatak " + std::to_string(i + 1) + "\n")) << page;
      EXPECT_NE(page.find("red " + std::to_string(lines[i]) +
                          (pair.comment.empty() ? "\n" : ": " + pair.comment + "\n")),
                std::string::npos);
      std::istringstream entries(pair.entries);
      std::vector<std::string> typed{std::istream_iterator<std::string>(entries), {}};
      if (pair.kind.empty()) {
        EXPECT_NE(page.find("Red je odbijen: 'x' nije broj"), std::string::npos) << page;
        continue;
      }
      Point3 v[6];
      for (int k = 0; k < 6; ++k) {
        EXPECT_NE(page.find(std::string(kPoints[k]) + " = (" + typed[3 * k] + ", " +
                            typed[3 * k + 1] + ", " + typed[3 * k + 2] + ")"),
                  std::string::npos)
            << kPoints[k];
        v[k] = {std::stof(typed[3 * k]), std::stof(typed[3 * k + 1]), std::stof(typed[3 * k + 2])};
      }
      // The key's answer: each line as the dialogue prints it, and the exact
      // corners; the tasks' none.
      const bool key = which == "-key";
      const std::string asked = std::regex_replace(pair.entries, std::regex("\\s+"), "\n") + "\n";
      std::string printed = std::get<0>(run("", asked, false));
      std::istringstream dialogue(printed.substr(printed.rfind("C':\n") + 4));
      const std::size_t answerAt = page.find("Odgovor\n");
      ASSERT_EQ(answerAt != std::string::npos, key) << page;
      const std::string answer = key ? page.substr(answerAt) : page;
      for (std::string line; std::getline(dialogue, line);) {
        line = line.substr(0, line.find_last_not_of(' ') + 1);
        EXPECT_EQ(answer.find(line) != std::string::npos, key) << line;
      }
      if (key) {
        EXPECT_NE(answer.find(pair.kind), std::string::npos) << pair.kind;
        const std::size_t exactAt = answer.find("U razlomcima:\n");
        const std::string exact =
            exactAt == std::string::npos
                ? ""
                : answer.substr(exactAt, answer.find("\n\n", exactAt) - exactAt + 1);
        for (const std::string &corner : pair.corners) {
          EXPECT_NE(exact.find(" = " + corner + "\n"), std::string::npos) << corner;
        }
        EXPECT_EQ(std::ranges::count(exact, '='), long(pair.corners.size())) << exact;
      }
      // Each dot of both pictures, in the print colours, where the layout
      // puts it; on the tasks not a pixel of red.
      const IntersectionReport report =
          triangleIntersection(v[0], v[1], v[2], v[3], v[4], v[5], nullptr);
      fillPictures(v, which == "-key" ? report.kind : 0, report.points);
      const auto pixels = [](const Box &frame) {
        return std::pair{int((frame.right - frame.left) / kSheetPixel),
                         int((frame.bottom - frame.top) / kSheetPixel)};
      };
      const auto [width, height] = pixels(kSheetProjections);
      const auto [across, down] = pixels(kSheetSpace);
      const std::pair<Box, Picture> pictures[2] = {
          {kSheetProjections, layOut(scene, width, height, {}, kPrintStyle)},
          {kSheetSpace,
           layOutSpace(spaceFigures, startingOrbit(spaceFigures), across, down, {}, kPrintStyle)}};
      const std::string png = files + "-page";
      std::system(("pdftoppm -r 144 -singlefile -png -f " + std::to_string(i + 1) + " -l " +
                   std::to_string(i + 1) + " " + pdf + " " + png)
                      .c_str());
      cairo_surface_t *drawn = cairo_image_surface_create_from_png((png + ".png").c_str());
      ASSERT_EQ(cairo_surface_status(drawn), CAIRO_STATUS_SUCCESS);
      for (const auto &[frame, picture] : pictures) { // two pixels to a point
        EXPECT_EQ(dotOffColour(drawn, picture, 2 * frame.left, 2 * frame.top, 2 * kSheetPixel), -1);
      }
      long red = 0;
      for (int y = 0; y < cairo_image_surface_get_height(drawn); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(drawn); ++x) {
          const Rgb seen = pixelOf(drawn, x, y);
          red += seen.red > seen.green + 0.3f && seen.red > seen.blue + 0.3f ? 1 : 0;
        }
      }
      EXPECT_EQ(red > 0, key && !pair.corners.empty());
      cairo_surface_destroy(drawn);
    }
    EXPECT_EQ(i, sheet.size());
  }
  std::system(("rm -f " + files + "*").c_str());
}

// The call `operation` on the points `p`, writing its outputs to `o`.
long long call(const std::string &operation, const std::vector<Point3> &p, Point3 *o) {
  if (operation == "cut")
    return cutTriangleByPlane(p[0], p[1], p[2], p[3], p[4], p[5], &o[0], &o[1]);
  if (operation == "segment")
    return segmentIntersection(p[0], p[1], p[2], p[3], &o[0], &o[1],
                               toleranceScale(p[0], p[1], p[2], p[3]));
  if (operation == "ends")
    return overlapBetweenEnds(p[0], p[1], p[2], p[3], &o[0], &o[1],
                              toleranceScale(p[0], p[1], p[2], p[3]));
  if (operation == "inTriangle")
    return pointInTriangle(p[0], p[1], p[2], p[3]);
  if (operation == "onSegment")
    return pointOnSegment(p[0], p[1], p[2]);
  if (operation == "color") {
    const std::optional<Rgb> rgb = colorOf(int(p[0].x));
    o[0] = rgb ? Point3{rgb->red, rgb->green, rgb->blue} : o[0];
    return rgb.has_value();
  }
  if (operation == "orbit") {
    const Orbit orbit = zoomed(turned({p[0].x, p[0].y, p[0].z}, p[1].x, p[1].y), p[1].z);
    o[0] = {float(orbit.azimuth), float(orbit.elevation), float(orbit.zoom)};
    return 1;
  }
  if (operation == "around") {
    int order[6] = {0, 0, 0, 0, 0, 0};
    cornersAround(p.data(), int(p.size()), order);
    o[0] = {float(order[0]), float(order[1]), float(order[2])};
    o[1] = {float(order[3]), float(order[4]), float(order[5])};
    return 1;
  }
  SpaceFigures figures;
  std::copy(p.begin(), p.begin() + std::min<std::size_t>(p.size(), 6), figures.vertices);
  if (operation == "space") {
    const SpaceCamera camera = spaceCamera(figures, zoomed({}, p[6].y), int(p[7].x), int(p[7].y));
    const Vec3 end = camera.axesEnd[int(p[6].x)];
    o[0] = {float(end.x), float(end.y), float(end.z)};
    o[1] = {float(camera.nearPlane), float(camera.farPlane), 0.0f};
    return 1;
  }
  if (operation == "screen") {
    const SpaceCamera camera = spaceCamera(figures, {p[6].x, p[6].y, 1.0}, 1024, 700);
    const OnScreen at = onScreen(camera, {p[7].x, p[7].y, p[7].z}, 1024, 700);
    o[0] = {float(at.x), float(at.y), float(at.depth)};
    return 1;
  }
  // start: the share of each triangle's area seen along the line of sight.
  const Orbit start = startingOrbit(figures);
  const long double az = start.azimuth * std::numbers::pi / 180;
  const long double el = start.elevation * std::numbers::pi / 180;
  const checks::V toward{std::cos(el) * std::cos(az), std::cos(el) * std::sin(az), std::sin(el)};
  long double share = 1;
  for (int t : {0, 3}) {
    const checks::V n =
        cross(checks::of(p[t + 1]) - checks::of(p[t]), checks::of(p[t + 2]) - checks::of(p[t]));
    share =
        dot(n, n) > 0 ? std::min(share, std::fabs(dot(n, toward)) / std::sqrt(dot(n, n))) : share;
  }
  if (start.azimuth == 30 && start.elevation == 20) {
    o[0] = {30, 20, 0};
  }
  return share >= 0.3L;
}

// Points written x,y,z, separated by spaces.
std::vector<Point3> readPoints(std::string text) {
  std::replace(text.begin(), text.end(), ',', ' ');
  std::istringstream numbers(text);
  std::vector<Point3> points;
  for (Point3 p; numbers >> p.x >> p.y >> p.z;) {
    points.push_back(p);
  }
  return points;
}

TEST(Engine, EveryCallOfTheTable) {
  const auto calls = readTable(PRESEK_ENGINE_CASES);
  ASSERT_GT(calls.size(), 80u);
  for (const auto &c : calls) {
    ASSERT_EQ(c.size(), 6u) << c[0];
    SCOPED_TRACE(c[0]);
    const Point3 untouched{-777.0f, 777.0f, -777.0f};
    Point3 out[2] = {untouched, untouched};
    EXPECT_EQ(call(c[1], readPoints(c[2]), out), std::stoll(c[3]));
    const std::vector<Point3> expected = readPoints(c[4]);
    for (std::size_t i = 0; i < 2; ++i) {
      // Within the row's reach when it names a point, else left as it was.
      const Point3 e = i < expected.size() ? expected[i] : untouched;
      const double reach = i < expected.size() ? std::stod(c[5]) : 0;
      EXPECT_TRUE(std::fabs(out[i].x - e.x) <= reach && std::fabs(out[i].y - e.y) <= reach &&
                  std::fabs(out[i].z - e.z) <= reach)
          << "output " << i + 1 << ": (" << out[i].x << ", " << out[i].y << ", " << out[i].z << ")";
    }
  }
}

} // namespace
