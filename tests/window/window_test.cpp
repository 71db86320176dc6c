// The real program end to end under a virtual X server: the dialogue piped in,
// the window photographed at its first size or after a resize and checked
// against where each mark must land, then closed as a user closes it.
#include "geometry/point3.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool waitFor(auto condition, int seconds) {
  bool met = condition();
  for (int i = 0; i < 20 * seconds && !met; ++i) {
    usleep(50000), met = condition();
  }
  return met;
}

// A child reading `in` and writing `out` (stderr too); it dies with the test,
// whichever way the test ends.
pid_t spawn(std::vector<const char *> argv, int in, int out) {
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    dup2(in, 0), dup2(out, 1), dup2(out, 2), argv.push_back(nullptr);
    execvp(argv[0], const_cast<char *const *>(argv.data()));
    _exit(127);
  }
  return pid;
}

// One server for every case, on a free display whose number it writes to a
// pipe; its root reports each window mapped.
Display *virtualDisplay() {
  int fds[2];
  char number[16] = {};
  EXPECT_EQ(pipe(fds), 0);
  spawn({"Xvfb", "-displayfd", std::to_string(fds[1]).c_str(), "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp"},
        open("/dev/null", O_RDONLY), open("/dev/null", O_WRONLY));
  close(fds[1]);
  EXPECT_GT(read(fds[0], number, sizeof number - 1), 0)
      << "no X server: tools/install-dependencies";
  setenv("DISPLAY", (":" + std::to_string(std::atoi(number))).c_str(), 1);
  Display *display = XOpenDisplay(nullptr);
  display &&XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  return display;
}

// The colour at (x, y) as 0xRRGGBB; none of ours outside the picture.
unsigned long at(XImage *image, long x, long y) {
  const bool inside = x >= 0 && y >= 0 && x < image->width && y < image->height;
  return inside ? XGetPixel(image, int(x), int(y)) & 0xffffff : ~0ul;
}

struct Case {
  const char *name;
  const Point3 *points;       // A, B, C, A', B', C', then the intersection's corners
  int corners, width, height; // width × height: the window's size when photographed
  double shift, cx, cy, ppu;  // the camera worked out by hand; ppu: pixels per unit
  const char *key;            // closes the window; none: the close button
};

// An edge from (x1, y1) to (x2, y2), or a dot where they coincide.
struct Mark {
  double x1, y1, x2, y2;
  unsigned long colour;
  bool dot() const { return x1 == x2 && y1 == y2; }
  double reach(double x, double y) const { // how near the mark comes to (x, y)
    const double dx = x2 - x1, dy = y2 - y1, l = std::max(dx * dx + dy * dy, 1e-9);
    const double t = std::clamp(((x - x1) * dx + (y - y1) * dy) / l, 0.0, 1.0);
    return std::hypot(x1 + t * dx - x, y1 + t * dy - y);
  }
};

// The background (0.9, 0.9, 0.8) of 255, 229.5 rounded up; in the order
// drawn, each edge in its colour at its midpoint, then each vertex and corner
// as a dot of 4×4 pixels, unless a later mark of another colour covers it;
// then a black label centred under each view.
std::string faultsOf(XImage *image, const Case &c) {
  std::vector<Mark> marks, dots;
  std::string faults = at(image, 0, 0) == 0xe6e6cc ? "" : "background; ";
  double x[3][12], y[3][12], lowest = 0;
  for (int v = 0; v < 3; ++v) {
    for (int i = 0; i < 6 + c.corners; ++i) {
      const Point3 q = c.points[i];
      const double u = v == 0 ? q.x : v == 1 ? q.x - c.shift : q.y + c.shift;
      x[v][i] = image->width / 2.0 + (u - c.cx) * c.ppu;
      y[v][i] = image->height / 2.0 - ((v == 0 ? q.y : q.z) - c.cy) * c.ppu;
      lowest = std::max(lowest, y[v][i]);
      const unsigned long colour = i < 3 ? 0x0000ff : i < 6 ? 0x00ff00 : 0xff0000;
      dots.push_back({x[v][i], y[v][i], x[v][i], y[v][i], colour});
      for (int j = 0; j < i; ++j) { // each triangle's edges, every pair of corners
        if (j / 3 == i / 3 || j >= 6) {
          marks.push_back({x[v][j], y[v][j], x[v][i], y[v][i], colour});
        }
      }
    }
  }
  marks.insert(marks.end(), dots.begin(), dots.end());
  for (auto m = marks.begin(); m != marks.end(); ++m) {
    const double mx = (m->x1 + m->x2) / 2, my = (m->y1 + m->y2) / 2;
    // A line passes within a pixel of its midpoint; a dot fills a block of 3×3
    // pixels centred within a pixel of its own centre, which no line does.
    bool shown = false;
    for (int k = 0, r = m->dot(); k < 9; ++k) {
      bool block = true;
      for (int p = 0; p < 9; ++p) {
        block &= at(image, std::lround(mx) + k % 3 - 1 + r * (p % 3 - 1),
                    std::lround(my) + k / 3 - 1 + r * (p / 3 - 1)) == m->colour;
      }
      shown |= block;
    }
    if (!shown && std::none_of(m + 1, marks.end(), [&](const Mark &later) {
          return later.colour != m->colour && later.reach(mx, my) < (later.dot() ? 4 : 1.5);
        })) {
      faults += "mark " + std::to_string(m - marks.begin()) + " missing; ";
    }
  }
  for (int v = 0; v < 3; ++v) { // black text in 26 rows under the lowest point
    const long centre =
        std::lround((*std::min_element(x[v], x[v] + 6) + *std::max_element(x[v], x[v] + 6)) / 2);
    long count = 0, balance = 0; // black pixels, and the sum of their offsets from the centre
    for (long k = 0; k < 26 * 61; ++k) {
      const bool black = at(image, centre + k % 61 - 30, long(lowest) + 4 + k / 61) == 0;
      count += black, balance += black ? k % 61 - 30 : 0;
    }
    if (count == 0 || std::abs(balance) > 2 * count) {
      faults += "no label centred under view " + std::to_string(v) + "; ";
    }
  }
  return faults;
}

class WindowTest : public ::testing::TestWithParam<Case> {};

TEST_P(WindowTest, ShowsTheThreeViewsAndClosesAsAUserDoes) {
  static Display *const display = virtualDisplay();
  ASSERT_NE(display, nullptr) << "no X server (tools/install-dependencies installs Xvfb)";
  const Case &c = GetParam();
  int in[2], out[2];
  ASSERT_EQ(pipe2(in, O_CLOEXEC) | pipe2(out, O_CLOEXEC), 0);
  const pid_t program = spawn({PRESEK_PROGRAM}, in[0], out[1]);
  for (int i = 0; i < 6; ++i) {
    dprintf(in[1], "%.9g %.9g %.9g\n", c.points[i].x, c.points[i].y, c.points[i].z);
  }
  close(in[0]), close(in[1]), close(out[1]);

  XEvent event{};
  ASSERT_TRUE(waitFor([&] { return XCheckTypedEvent(display, MapNotify, &event); }, 30));
  const ::Window window = event.xmap.window;
  char *title = nullptr;
  XWindowAttributes a;
  EXPECT_TRUE(XFetchName(display, window, &title) && XGetWindowAttributes(display, window, &a) &&
              title == std::string_view("Geometrija - prikaz zadatka") && a.x == 100 && a.y == 50 &&
              a.width == 1024 && a.height == 700);
  XResizeWindow(display, window, c.width, c.height);
  XImage *image = nullptr;
  std::string faults = "never drawn";
  waitFor(
      [&] {
        image &&XDestroyImage(image);
        image = XGetImage(display, window, 0, 0, c.width, c.height, AllPlanes, ZPixmap);
        return image && (faults = faultsOf(image, c)).empty();
      },
      5);
  EXPECT_EQ(faults, "");
  // The answer is on the console, not in a buffer, while the window shows.
  char printed[65536] = {};
  fcntl(out[0], F_SETFL, O_NONBLOCK);
  EXPECT_TRUE(read(out[0], printed, sizeof printed - 1) > 0 &&
              std::string_view(printed).find("Presek zadatih trouglova je ") != std::string::npos);

  event = {};
  event.xany.window = window;
  if (c.key != nullptr) {
    event.type = KeyPress, event.xkey.keycode = XKeysymToKeycode(display, XStringToKeysym(c.key));
  } else { // as a window manager asks on the close button's behalf
    event.type = ClientMessage, event.xclient.format = 32;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  }
  XSendEvent(display, window, False, c.key != nullptr ? KeyPressMask : NoEventMask, &event);
  XFlush(display);
  int status = -1;
  EXPECT_TRUE(waitFor([&] { return waitpid(program, &status, WNOHANG) == program; }, 10));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// The views are XY (x, y), XZ (x − shift, z) and YZ (y + shift, z), with
// shift = max(10, 1.1 × the spread of all x and y). The camera looks at the
// centre (cx, cy) of the bounds, which reach at least from (1024, 700) down to
// (0, 0), from d = A = |minimum.x| + maximum.x (B = |minimum.y| + maximum.y
// when 2A <= B), where one unit spans H / (2 d tan 22.5°) pixels; but never
// nearer than where the bounds fit into the window less 24 pixels a side.
// kReadme: shift 55; bounds (-55, 0) to (105, 50): cx = cy = 25; d = 160:
// 700 / (320 tan 22.5°) = 5.28109; too narrow: 552 / 160 = 3.45, 652 / 160.
// clang-format off
// The README example; its intersection MN worked out in fractions.
const Point3 kReadme[8] = {{0,0,0}, {50,10,5}, {10,50,50}, {50,50,0}, {0,50,50}, {40,0,10}, {1525/36.f,425/36.f,275/36.f}, {25/3.f,125/3.f,125/3.f}};
INSTANTIATE_TEST_SUITE_P(Window, WindowTest, ::testing::Values(
  //   name       points    corners size       shift cx      cy   ppu      key
  Case{"readme",  kReadme,  2,      1024, 700, 55,   25,     25,  5.28109, nullptr},
  Case{"tall",    kReadme,  2,      600, 900,  55,   25,     25,  3.45,    "Escape"},
  Case{"square",  kReadme,  2,      700, 700,  55,   25,     25,  4.075,   "q"}),
  [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
