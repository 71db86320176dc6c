// The real program end to end under a virtual X server: the dialogue piped in,
// the window photographed at its first size or after a resize and checked
// against where each mark and letter must land; then the view in space,
// turned, zoomed and reset, and the projections once more; then the window
// closed as a user closes it.
#include "geometry/point3.h"
#include "intersection/triangle_triangle.h"

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
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool waitFor(auto condition, int seconds) {
  bool met = condition();
  for (int i = 0; i < 20 * seconds && !met; ++i) {
    usleep(50000);
    met = condition();
  }
  return met;
}

// A child reading `in` and writing `out` (stderr too); it dies with the test,
// whichever way the test ends.
pid_t spawn(std::vector<const char *> argv, int in, int out) {
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    argv.push_back(nullptr);
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
  if (display != nullptr) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  }
  return display;
}

// The colour at (x, y) as 0xRRGGBB; none of ours outside the picture.
unsigned long at(XImage *image, long x, long y) {
  const bool inside = x >= 0 && y >= 0 && x < image->width && y < image->height;
  return inside ? XGetPixel(image, int(x), int(y)) & 0xffffff : ~0ul;
}

struct Case {
  const char *name;
  const Point3 *points; // A, B, C, A', B', C' before they are scaled and moved
  float scale, move;    // typed: each coordinate times scale, then x and y plus move
  int width, height;    // the window's size when photographed
  double shift, lift;   // the views' shift, and how far the XY view is moved down
  double cx, cy, ppu;   // the camera worked out by hand; ppu: pixels per unit
  bool wide;            // each view's figures at least a fifth of the window's width
  const char *key;      // closes the window; none: the close button
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

// A dot fills a block of 3×3 pixels (r = 1) centred within a pixel of (x, y),
// which no line does; a line (r = 0) passes within a pixel of it. Only a
// letter, drawn last in its dark shade or the black of "=", may stand over it.
bool shown(XImage *image, double x, double y, unsigned long colour, int r) {
  bool found = false;
  for (int k = 0; k < 9; ++k) {
    bool block = true;
    for (int p = 0; p < 9; ++p) {
      const unsigned long seen = at(image, std::lround(x) + k % 3 - 1 + r * (p % 3 - 1),
                                    std::lround(y) + k / 3 - 1 + r * (p / 3 - 1));
      block &= seen == colour || seen == 0x006600 || seen == 0xbf0000 || seen == 0;
    }
    found |= block;
  }
  return found;
}

// The figures' colours, blue, green and red, their letters' shades, and
// their tints in space.
const unsigned long kColours[3] = {0x0000ff, 0x00ff00, 0xff0000};
const unsigned long kShades[3] = {0x0000ff, 0x006600, 0xbf0000};
const unsigned long kTints[3] = {0xbfbfff, 0xbfffbf, 0xffbfbf};

// The pixels of `colour` within x0 ≤ x < x1 and y0 ≤ y < y1.
long countIn(XImage *image, unsigned long colour, long x0, long x1, long y0, long y1) {
  long count = 0;
  for (long y = y0; y < y1; ++y) {
    for (long x = x0; x < x1; ++x) {
      count += at(image, x, y) == colour;
    }
  }
  return count;
}

// The pixels of `colour` where the letter of a dot at (x, y) stands: in the
// band of 20 rows above it, from 30 pixels left of it (a label near the
// window's right edge moves left) to 120 pixels right.
long inBand(XImage *image, double x, double y, unsigned long colour) {
  return countIn(image, colour, std::lround(x) - 30, std::lround(x) + 120, std::lround(y) - 20,
                 std::lround(y));
}

// The background (0.9, 0.9, 0.8) of 255, 229.5 rounded up; the short hint at
// the bottom left; in the order drawn, each edge in its colour at its
// midpoint, then each vertex and corner as a dot of 4×4 pixels, unless a later
// mark of another colour or a dot's letter may cover it; then a black label
// centred under each view; then each dot's letter, where inBand looks.
std::string faultsOf(XImage *image, const Case &c, const Point3 *points, int corners) {
  std::vector<Mark> marks, dots;
  std::string faults = at(image, 0, 0) == 0xe6e6cc ? "" : "background; ";
  const long w = image->width, h = image->height;
  const long hint = countIn(image, 0x333333, 0, 200, h - 20, h);
  if (hint == 0 || countIn(image, 0x333333, 0, w, 0, h) != hint) {
    faults += "the hint, short, at the bottom left; ";
  }
  const int n = 6 + corners;
  double x[3][12], y[3][12], lowest = 0;
  for (int v = 0; v < 3; ++v) {
    for (int i = 0; i < n; ++i) {
      const Point3 q = points[i];
      const double u = v == 0 ? q.x : v == 1 ? q.x - c.shift : q.y + c.shift;
      x[v][i] = image->width / 2.0 + (u - c.cx) * c.ppu;
      y[v][i] = image->height / 2.0 - ((v == 0 ? q.y - c.lift : q.z) - c.cy) * c.ppu;
      lowest = std::max(lowest, y[v][i]);
      const unsigned long colour = kColours[(i >= 3) + (i >= 6)];
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
    const bool lettered = std::any_of(dots.begin(), dots.end(), [&](const Mark &d) {
      return mx > d.x1 - 31 && mx < d.x1 + 121 && my > d.y1 - 21 && my < d.y1;
    });
    if (!shown(image, mx, my, m->colour, m->dot()) && !lettered &&
        std::none_of(m + 1, marks.end(), [&](const Mark &later) {
          return later.colour != m->colour && later.reach(mx, my) < (later.dot() ? 4 : 1.5);
        })) {
      faults += "mark " + std::to_string(m - marks.begin()) + " missing; ";
    }
  }
  // Under each view, black text in 26 rows below the lowest point, as much
  // of it left of the view's centre as right.
  for (int v = 0; v < 3; ++v) {
    const auto [left, right] = std::minmax_element(x[v], x[v] + 6);
    const long centre = std::lround((*left + *right) / 2);
    const long west = countIn(image, 0, centre - 30, centre, long(lowest) + 4, long(lowest) + 30);
    const long east = countIn(image, 0, centre, centre + 30, long(lowest) + 4, long(lowest) + 30);
    if (west == 0 || east == 0 || std::abs(west - east) > (west + east) / 4 ||
        (c.wide && *right - *left < c.width / 5)) {
      faults += "no label centred under view " + std::to_string(v) + ", or the view narrow; ";
    }
  }
  // Each dot's letter in its dark shade; the black "=" of a joined label
  // there where another dot shares its pixel, none where no dot is near. A
  // joined label spells its letters side by side: its "=" stands past the
  // first letter, 12 pixels or more right of the dot (or, moved left from the
  // window's right edge, in its last 40 pixels).
  for (const Mark &d : dots) {
    const std::size_t i = &d - dots.data();
    const auto near = [&](double reach) {
      return std::any_of(dots.begin(), dots.end(),
                         [&](const Mark &e) { return &e != &d && e.reach(d.x1, d.y1) < reach; });
    };
    const long x = std::lround(d.x1), y = std::lround(d.y1);
    if (inBand(image, d.x1, d.y1, kShades[(i % n >= 3) + (i % n >= 6)]) == 0 ||
        (near(1) && countIn(image, 0, std::min(x + 12, w - 40), x + 120, y - 20, y) == 0) ||
        (!near(90) && inBand(image, d.x1, d.y1, 0) > 0)) {
      faults += "the letter of dot " + std::to_string(i) + "; ";
    }
  }
  return faults;
}

// The view in space: both triangles' tints, the hint and the axes; and where
// the camera puts each point, its dot and its letter, and the edge to the next
// point of its figure. The camera looks at the centre of the six vertices' box
// from the azimuth and elevation given in degrees, from where the box's bounding sphere
// (radius r) fits 48 pixels inside the nearer edges: d = r·√(1 + t²)/t with
// t = tan 22.5°·(min(W, H)/2 − 48)/(H/2). A point q from the centre lands
// (H/2)/tan 22.5° pixels a unit of q·side and q·up from the middle, at the
// depth d − q·eye.
std::string spaceFaultsOf(XImage *image, const Point3 *p, int corners, double azimuth,
                          double elevation) {
  const long w = image->width, h = image->height;
  const auto tinted = [&](int figure) { return countIn(image, kTints[figure], 0, w, 0, h) > 0; };
  std::string faults = tinted(0) && tinted(1) && (corners < 3) != tinted(2) ? "" : "a tint; ";
  // The long hint reaches past 300 pixels; the axes stand above it, in far
  // more pixels than the 52 of their names.
  if (countIn(image, 0x333333, 300, 340, h - 20, h) == 0 ||
      countIn(image, 0x333333, 0, w, 0, h - 20) < 150) {
    faults += "the hint or the axes; ";
  }
  double q[12][3]; // from the centre of the box
  double r2 = 0;
  for (int a = 0; a < 3; ++a) {
    const auto on = [&](int i) { return double(a == 0 ? p[i].x : a == 1 ? p[i].y : p[i].z); };
    const auto [low, high] = std::minmax({on(0), on(1), on(2), on(3), on(4), on(5)});
    for (int i = 0; i < 6 + corners; ++i) {
      q[i][a] = on(i) - (low + high) / 2;
    }
    r2 += (high - low) * (high - low) / 4;
  }
  const double tanView = std::tan(std::numbers::pi / 8);
  const double t = tanView * (std::min(w, h) / 2.0 - 48) / (h / 2.0);
  const double d = std::sqrt(r2) * std::sqrt(1 + t * t) / t;
  const double az = azimuth * std::numbers::pi / 180, el = elevation * std::numbers::pi / 180;
  double sx[12], sy[12]; // where each point lands
  for (int i = 0; i < 6 + corners; ++i) {
    const double across = q[i][1] * std::cos(az) - q[i][0] * std::sin(az);
    const double toward = q[i][0] * std::cos(az) + q[i][1] * std::sin(az); // level, to the eye
    const double up = q[i][2] * std::cos(el) - toward * std::sin(el);
    const double scale = h / 2.0 / tanView / (d - toward * std::cos(el) - q[i][2] * std::sin(el));
    sx[i] = w / 2.0 + across * scale;
    sy[i] = h / 2.0 - up * scale;
  }
  // Each point's dot, its letter in the band above it, and the edge to the
  // next point of its figure at its middle (but for a polygon's corners).
  for (int i = 0; i < 6 + corners; ++i) {
    const int figure = (i >= 3) + (i >= 6);
    const int next = i < 6 ? i / 3 * 3 + (i + 1) % 3 : 6 + (i - 5) % corners;
    // Shown, unless hidden behind the other triangle's tint or covered by a
    // mark of another colour drawn later or nearer.
    const auto seen = [&](double x, double y, int r) {
      return shown(image, x, y, kTints[1 - figure % 2], 0) ||
             std::any_of(kColours, kColours + 3,
                         [&](unsigned long colour) { return shown(image, x, y, colour, r); });
    };
    if (!seen(sx[i], sy[i], 1) || inBand(image, sx[i], sy[i], kShades[figure]) == 0 ||
        (corners < 3 && !seen((sx[i] + sx[next]) / 2, (sy[i] + sy[next]) / 2, 0))) {
      faults += "point " + std::to_string(i) + ", its letter or its edge in space; ";
    }
  }
  return faults;
}

// The window's picture, taken until `faults` finds nothing wrong with it or
// five seconds pass, with what it last found.
struct Photo {
  std::string pixels;
  std::string faults = "never drawn";
};
Photo photograph(Display *display, ::Window window, const Case &c, auto faults) {
  Photo photo;
  waitFor(
      [&] {
        XImage *image = XGetImage(display, window, 0, 0, c.width, c.height, AllPlanes, ZPixmap);
        photo.pixels.assign(image->data, image->bytes_per_line * image->height);
        photo.faults = faults(image);
        XDestroyImage(image);
        return photo.faults.empty();
      },
      5);
  return photo;
}

// Sends what a user's hand does: a key pressed (`code` its keycode), a button
// pressed at (x, y) (`code` the button; the wheel's are 4 and 5), or the
// pointer moved there with the first button held.
void send(Display *display, ::Window window, int type, unsigned code, int x = 0, int y = 0) {
  XEvent event{};
  event.type = type;
  event.xbutton.window = window;
  event.xbutton.state = type == MotionNotify ? Button1Mask : 0;
  event.xbutton.x = x;
  event.xbutton.y = y;
  if (type == KeyPress) {
    event.xkey.keycode = code;
  } else {
    event.xbutton.button = code;
  }
  XSendEvent(display, window, False,
             KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask, &event);
  XFlush(display);
}

class WindowTest : public ::testing::TestWithParam<Case> {};

TEST_P(WindowTest, ShowsTheViewsTurnsThemInSpaceAndClosesAsAUserDoes) {
  static Display *const display = virtualDisplay();
  ASSERT_NE(display, nullptr) << "no X server (tools/install-dependencies installs Xvfb)";
  const Case &c = GetParam();
  // The points as typed, then the corners where the engine puts them.
  Point3 p[12];
  for (int i = 0; i < 6; ++i) {
    const Point3 q = c.points[i];
    p[i] = {q.x * c.scale + c.move, q.y * c.scale + c.move, q.z * c.scale};
  }
  const IntersectionReport report = triangleIntersection(p[0], p[1], p[2], p[3], p[4], p[5]);
  const int corners = report.kind;
  std::copy(report.points, report.points + corners, p + 6);

  int in[2], out[2];
  ASSERT_EQ(pipe2(in, O_CLOEXEC) | pipe2(out, O_CLOEXEC), 0);
  const pid_t program = spawn({PRESEK_PROGRAM}, in[0], out[1]);
  for (int i = 0; i < 6; ++i) {
    dprintf(in[1], "%.9g %.9g %.9g\n", p[i].x, p[i].y, p[i].z);
  }
  close(in[0]);
  close(in[1]);
  close(out[1]);

  XEvent event{};
  ASSERT_TRUE(waitFor([&] { return XCheckTypedEvent(display, MapNotify, &event); }, 30));
  const ::Window window = event.xmap.window;
  char *title = nullptr;
  XWindowAttributes a;
  EXPECT_TRUE(XFetchName(display, window, &title) && XGetWindowAttributes(display, window, &a) &&
              title == std::string_view("Geometrija - prikaz zadatka") && a.x == 100 && a.y == 50 &&
              a.width == 1024 && a.height == 700);
  XResizeWindow(display, window, c.width, c.height);
  const Photo views =
      photograph(display, window, c, [&](XImage *image) { return faultsOf(image, c, p, corners); });
  EXPECT_EQ(views.faults, "");
  // The answer is on the console, not in a buffer, while the window shows.
  char printed[65536] = {};
  fcntl(out[0], F_SETFL, O_NONBLOCK);
  EXPECT_TRUE(read(out[0], printed, sizeof printed - 1) > 0 &&
              std::string_view(printed).find("Presek zadatih trouglova je ") != std::string::npos);

  // v: the figures in space. A drag turns them and r turns them back; +
  // and the wheel down, the wheel up and - zoom in and out again. v: the
  // projections as they were.
  const auto code = [&](const char *key) {
    return XKeysymToKeycode(display, XStringToKeysym(key));
  };
  const auto inSpace = [&](double azimuth, double elevation) {
    return photograph(display, window, c, [&](XImage *image) {
      return spaceFaultsOf(image, p, corners, azimuth, elevation);
    });
  };
  send(display, window, KeyPress, code("minus")); // zooms nothing outside space
  send(display, window, KeyPress, code("v"));
  const Photo space = inSpace(30, 20);
  EXPECT_EQ(space.faults, "");
  const int x = c.width / 2, y = c.height / 2;
  // What the window shows after a user's `type` of `code` at (x, y): the same
  // as `picture`, or not.
  const auto after = [&](int type, unsigned code, const Photo &picture, bool same) {
    send(display, window, type, code, x, y);
    return photograph(display, window, c,
                      [&](XImage *image) {
                        const std::string_view pixels(image->data,
                                                      image->bytes_per_line * image->height);
                        return (pixels == picture.pixels) == same ? "" : "the picture";
                      })
        .faults;
  };
  // The pointer moved with no press turns nothing; a drag 40 pixels right and
  // 10 down, then held still, turns the figures 20° about z and tilts them 5°
  // further.
  send(display, window, MotionNotify, 0, x, y);
  send(display, window, ButtonPress, Button1, x - 40, y - 10);
  send(display, window, MotionNotify, 0, x, y);
  send(display, window, MotionNotify, 0, x, y);
  EXPECT_EQ(inSpace(10, 25).faults, "") << "a drag";
  EXPECT_EQ(after(KeyPress, code("r"), space, true), "") << "r";
  EXPECT_EQ(after(KeyPress, code("KP_Add"), space, false), "") << "+";
  EXPECT_EQ(after(ButtonPress, Button5, space, true), "") << "the wheel down";
  send(display, window, ButtonRelease, Button5, x, y); // the wheel's release zooms nothing
  EXPECT_EQ(after(ButtonPress, Button4, space, false), "") << "the wheel up";
  EXPECT_EQ(after(KeyPress, code("minus"), space, true), "") << "-";
  EXPECT_EQ(after(KeyPress, code("v"), views, true), "") << "v";

  if (c.key != nullptr) {
    send(display, window, KeyPress, code(c.key));
  } else { // as a window manager asks on the close button's behalf
    event = {};
    event.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.format = 32;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
  }
  int status = -1;
  EXPECT_TRUE(waitFor([&] { return waitpid(program, &status, WNOHANG) == program; }, 10));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// The views are XY (x, y − lift), XZ (x − shift, z) and YZ (y + shift, z),
// with shift = 1.1 × the larger of the spread of all x and y and a third of
// that of z, and the XY view moved down by what brings its y within one shift
// of the z. The camera looks at the centre (cx, cy) of the drawn box from
// d = its width A (its height B when 2A <= B), where one unit spans
// H / (2 d tan 22.5°) pixels; but never nearer than where the box fits into
// the window less 24 pixels a side, where one unit spans the room left over
// the box's width or height.
// README pair: shift 55; box (-55, 0) to (105, 50): cx = cy = 25; d = 160:
// 700 / (320 tan 22.5°) = 5.28109; too narrow: 552 / 160 = 3.45, 652 / 160.
// Scaled by 0.02 or a millionth, the same picture at 50 or a million times the
// scale. Moved by a million along x and y: y and z a million apart, the XY
// view 999 895 down, so that its y from 105 to 155 stand 55 above z's 0 to
// 50; box (999 945, 0) to (1 000 105, 155): too low, 652 / 155.
// Shared vertex: shift 4.4; box (-4.4, -4) to (8.4, 4): d = 12.8, 66.01364;
// too narrow at 600 x 900: 552 / 12.8.
// Two triangles in z = (x + y)/2 overlapping in a hexagon: shift 8.8; box
// (-12.8, -4) to (12.8, 4): d = 25.6, 33.00683.
// Tall figures: shift 1100 / 3; box (-366.67, 0) to (376.67, 1000): too low,
// 652 / 1000; the views 6.5 pixels wide, their names apart.
// clang-format off
const Point3 kReadme[6] = {{0,0,0}, {50,10,5}, {10,50,50}, {50,50,0}, {0,50,50}, {40,0,10}};
const Point3 kShared[6] = {{0,0,0}, {4,0,4}, {0,4,4}, {0,0,0}, {4,0,-4}, {0,4,-4}};
const Point3 kStar[6] = {{0,4,2}, {-4,-2,-3}, {4,-2,1}, {0,-4,-2}, {-4,2,-1}, {4,2,3}};
const Point3 kTall[6] = {{0,0,0}, {10,2,500}, {2,10,1000}, {10,10,0}, {0,10,1000}, {8,0,200}};
INSTANTIATE_TEST_SUITE_P(Window, WindowTest, ::testing::Values(
  //   name           points   scale  move  size       shift     lift    cx       cy     ppu        wide   key
  Case{"readme",      kReadme, 1,     0,    1024, 700, 55,       0,      25,      25,    5.28109,   true,  nullptr},
  Case{"tall",        kReadme, 1,     0,    600, 900,  55,       0,      25,      25,    3.45,      true,  "Escape"},
  Case{"square",      kReadme, 1,     0,    700, 700,  55,       0,      25,      25,    4.075,     true,  "q"},
  Case{"unit",        kReadme, 0.02f, 0,    1024, 700, 1.1,      0,      0.5,     0.5,   264.0545,  true,  "q"},
  Case{"millionth",   kReadme, 1e-6f, 0,    1024, 700, 55e-6,    0,      25e-6,   25e-6, 5.28109e6, true,  "q"},
  Case{"far",         kReadme, 1,     1e6f, 1024, 700, 55,       999895, 1000025, 77.5,  4.206452,  true,  "q"},
  Case{"shared",      kShared, 1,     0,    1024, 700, 4.4,      0,      2,       0,     66.01364,  true,  "Escape"},
  Case{"sharedTall",  kShared, 1,     0,    600, 900,  4.4,      0,      2,       0,     43.125,    true,  "q"},
  Case{"hexagon",     kStar,   1,     0,    1024, 700, 8.8,      0,      0,       0,     33.00683,  true,  "q"},
  Case{"tallFigures", kTall,   1,     0,    1024, 700, 366.6667, 0,      5,       500,   0.652,     false, nullptr}),
  [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
