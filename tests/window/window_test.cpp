// The real program end to end under a virtual X server: the dialogue piped in,
// the window photographed at its first size or after a resize and checked
// against the picture the layout places, mark by mark and letter by letter;
// the picture kept with s; then the view in space, turned, zoomed and reset,
// and the projections once more; then the window closed as a user closes it.
#include "app/three_views.h"
#include "intersection/triangle_triangle.h"
#include "scene/layout.h"
#include "scene/space_camera.h"
#include "scene/text.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
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

// A child reading `in` and writing `out` (stderr too) in `folder`;
// it dies with the test, whichever way the test ends.
pid_t spawn(std::vector<const char *> argv, int in, int out, const char *folder = ".") {
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (chdir(folder) != 0) {
      _exit(126);
    }
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
  float scale;          // typed: each coordinate times scale, then moved
  Point3 move;
  int width, height; // the window's size when photographed
  bool wide;         // each view's figures at least a fifth of the window's width
  const char *key;   // closes the window; none: the close button
};

// A colour as the screen holds it, 0xRRGGBB.
unsigned long hex(Rgb c) {
  return std::lround(c.red * 255) << 16 | std::lround(c.green * 255) << 8 |
         std::lround(c.blue * 255);
}

// Whether a block of 3×3 pixels (r = 1) centred within a pixel of (x, y), or
// one pixel (r = 0), holds only colours that `fits`.
bool shown(XImage *image, double x, double y, int r, auto fits) {
  bool found = false;
  for (int k = 0; k < 9; ++k) {
    bool block = true;
    for (int p = 0; p < 9; ++p) {
      block &= fits(at(image, std::lround(x) + k % 3 - 1 + r * (p % 3 - 1),
                       std::lround(y) + k / 3 - 1 + r * (p / 3 - 1)));
    }
    found |= block;
  }
  return found;
}

// The pixels of `colour` within x0 ≤ x < x1 and y0 ≤ y < y1.
long countIn(XImage *image, unsigned long colour, double x0, double x1, double y0, double y1) {
  long count = 0;
  for (long y = std::lround(y0); y < std::lround(y1); ++y) {
    for (long x = std::lround(x0); x < std::lround(x1); ++x) {
      count += at(image, x, y) == colour;
    }
  }
  return count;
}

// Each piece of each text in its colour inside the piece's part of the text's
// box, a faded colour accepted for a letter behind a face.
std::string textFaults(XImage *image, const std::vector<PictureText> &texts, const char *what) {
  std::string faults;
  for (const PictureText &text : texts) {
    const Box box = boxOf(text);
    double x = text.x;
    for (const TextPiece &piece : text.pieces) {
      const double next = x + textWidth(piece.text, text.size);
      if (countIn(image, hex(piece.color), x, next, box.top, box.bottom + 1) == 0) {
        faults += std::string(what) + " '" + piece.text + "' at " + std::to_string(long(x)) + "; ";
      }
      x = next;
    }
  }
  return faults;
}

// The projections as the layout places them: the background; each edge at
// its middle and each dot as a block in its colour, unless a later mark or a
// text covers it; each leader, name and label; the keys at the bottom; and,
// for a wide case, each view a fifth of the width.
std::string faultsOf(XImage *image, const Picture &picture, bool wide) {
  std::string faults = at(image, image->width - 1, 0) == 0xe6e6cc ? "" : "background; ";
  std::vector<Box> texts;
  for (const auto *list : {&picture.names, &picture.labels}) {
    for (const PictureText &text : *list) {
      texts.push_back(boxOf(text));
    }
  }
  const auto underText = [&](double x, double y) {
    return std::any_of(texts.begin(), texts.end(), [&](const Box &b) {
      return x >= b.left - 1 && x <= b.right + 1 && y >= b.top - 1 && y <= b.bottom + 1;
    });
  };
  // The leaders, drawn after the edges, are lines as they are.
  std::vector<PictureLine> edges = picture.edges;
  edges.insert(edges.end(), picture.leaders.begin(), picture.leaders.end());
  for (auto e = edges.begin(); e != edges.end(); ++e) {
    const double mx = (e->x1 + e->x2) / 2, my = (e->y1 + e->y2) / 2;
    const auto crossed = [&](const PictureLine &later) {
      const double dx = later.x2 - later.x1, dy = later.y2 - later.y1;
      const double t = std::clamp(((mx - later.x1) * dx + (my - later.y1) * dy) /
                                      std::max(dx * dx + dy * dy, 1e-9),
                                  0.0, 1.0);
      return std::hypot(later.x1 + t * dx - mx, later.y1 + t * dy - my) < 1.5;
    };
    const bool covered =
        underText(mx, my) || std::any_of(e + 1, edges.end(), crossed) ||
        std::any_of(picture.dots.begin(), picture.dots.end(),
                    [&](const PictureDot &d) { return std::hypot(d.x - mx, d.y - my) < 4; });
    if (!covered && !shown(image, mx, my, 0, [&](unsigned long c) { return c == hex(e->color); })) {
      faults += "edge or leader " + std::to_string(e - edges.begin()) + "; ";
    }
  }
  const auto &dots = picture.dots;
  for (auto d = dots.begin(); d != dots.end(); ++d) {
    const bool covered = underText(d->x, d->y) || std::any_of(d + 1, dots.end(), [&](auto &l) {
                           return std::hypot(l.x - d->x, l.y - d->y) < kDotSize + 1;
                         });
    if (!covered && !shown(image, d->x - 0.5, d->y - 0.5, 1,
                           [&](unsigned long c) { return c == hex(d->color); })) {
      faults += "dot " + std::to_string(d - dots.begin()) + "; ";
    }
  }
  faults += textFaults(image, picture.names, "name") + textFaults(image, picture.labels, "label");
  faults += textFaults(image, picture.hint, "keys");
  const std::size_t n = dots.size() / 3;
  for (std::size_t v = 0; wide && v < 3; ++v) {
    const auto [left, right] =
        std::minmax_element(dots.begin() + long(v * n), dots.begin() + long(v * n + n),
                            [](const PictureDot &a, const PictureDot &b) { return a.x < b.x; });
    if (right->x - left->x < image->width / 5.0) {
      faults += "view " + std::to_string(v) + " narrow; ";
    }
  }
  return faults;
}

// A colour under a face drawn over it, as OpenGL blends 0.45 of the face's tint.
unsigned long through(unsigned long c, unsigned long tint) {
  unsigned long blended = 0;
  for (int shift : {16, 8, 0}) {
    const double mix = 0.45 * double((tint >> shift) & 255) + 0.55 * double((c >> shift) & 255);
    blended |= std::lround(mix) << shift;
  }
  return blended;
}

// Two colours within 3 of each other in every channel.
bool near(unsigned long a, unsigned long b) {
  const auto off = [&](int shift) {
    return std::labs(long((a >> shift) & 255) - long((b >> shift) & 255));
  };
  return off(16) <= 3 && off(8) <= 3 && off(0) <= 3;
}

// The figures' colours, blue, green and red, and their faces' tints.
const unsigned long kColours[3] = {0x0000ff, 0x00ff00, 0xff0000};
const unsigned long kTints[3] = {0x8c8cff, 0x8cff8c, 0xff8c8c};

// The view in space at `orbit`, as OpenGL draws it where the layout puts
// each point (the engine table checks where the camera puts a point): each
// dot, seen through the other triangle's face where a face hides it and in
// its own colour where none does, and the edge to the next point of its
// figure; the texts where the layout places them, the axes and the keys.
std::string spaceFaultsOf(XImage *image, const SpaceFigures &figures, Orbit orbit) {
  const long w = image->width, h = image->height;
  const int corners = figures.kind;
  const Picture picture = layOutSpace(figures, orbit, int(w), int(h), kWindowSpaceHint);
  std::string faults = textFaults(image, picture.labels, "letter") +
                       textFaults(image, picture.names, "axis") +
                       textFaults(image, picture.hint, "keys");
  if (countIn(image, 0x333333, 0, w, 0, boxOf(picture.hint.front()).top) < 150) {
    faults += "the axes; ";
  }
  // Inside each face, away from every line and text, the tints of the faces
  // over it laid on the background in their order.
  for (std::size_t f = 0; f < picture.faces.size(); ++f) {
    const PictureFace &face = picture.faces[f];
    const double x = (face.x[0] + face.x[1] + face.x[2]) / 3,
                 y = (face.y[0] + face.y[1] + face.y[2]) / 3;
    const auto inside = [&](const PictureFace &g) {
      const auto side = [&](int k) {
        const int l = (k + 1) % 3;
        return (g.x[l] - g.x[k]) * (y - g.y[k]) - (g.y[l] - g.y[k]) * (x - g.x[k]);
      };
      return (side(0) > 0) == (side(1) > 0) && (side(1) > 0) == (side(2) > 0);
    };
    unsigned long expected = hex(picture.background);
    for (const PictureFace &g : picture.faces) {
      expected = inside(g) ? through(expected, hex(g.color)) : expected;
    }
    std::vector<PictureLine> lines = picture.edges;
    lines.insert(lines.end(), picture.leaders.begin(), picture.leaders.end());
    const bool underText =
        std::any_of(picture.labels.begin(), picture.labels.end(), [&](const PictureText &t) {
          const Box b = boxOf(t);
          return x > b.left - 2 && x < b.right + 2 && y > b.top - 2 && y < b.bottom + 2;
        });
    const bool clear =
        !underText && std::none_of(lines.begin(), lines.end(), [&](const PictureLine &l) {
          const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
          const double t = std::clamp(
              ((x - l.x1) * dx + (y - l.y1) * dy) / std::max(dx * dx + dy * dy, 1e-9), 0.0, 1.0);
          return std::hypot(l.x1 + t * dx - x, l.y1 + t * dy - y) < 4;
        });
    if (clear && !near(at(image, std::lround(x), std::lround(y)), expected)) {
      faults += "face " + std::to_string(f) + "; ";
    }
  }
  const SpaceCamera camera = spaceCamera(figures, orbit, int(w), int(h));
  for (int i = 0; i < 6 + corners; ++i) {
    const int figure = (i >= 3) + (i >= 6);
    const int next = i < 6 ? i / 3 * 3 + (i + 1) % 3 : 6 + (i - 5) % corners;
    // A figure's colour as it may show: bare, through one face or both, or
    // under the intersection's tint; a mark of another figure may cover it.
    const auto figureColour = [&](unsigned long c) {
      return std::any_of(kColours, kColours + 3, [&](unsigned long f) {
        return std::any_of(kTints, kTints + 3, [&](unsigned long t) {
          return near(c, f) || near(c, through(f, t)) ||
                 near(c, through(through(f, t), kTints[1 - t % 2]));
        });
      });
    };
    const Point3 v = i < 6 ? figures.vertices[i] : figures.corners[i - 6];
    const Vec3 fromCentre{v.x - camera.centre.x, v.y - camera.centre.y, v.z - camera.centre.z};
    const bool hidden = i < 6 && hiddenByFace(camera, figures, fromCentre);
    const auto dot = [&](unsigned long c) {
      return hidden ? near(c, through(kColours[figure], kTints[1 - figure])) ||
                          near(c, through(through(kColours[figure], kTints[figure]),
                                          kTints[1 - figure]))
                    : figureColour(c);
    };
    const PictureDot &at = picture.dots[i], &to = picture.dots[next];
    if (!shown(image, at.x, at.y, 1, dot) ||
        (corners < 3 && !shown(image, (at.x + to.x) / 2, (at.y + to.y) / 2, 0, figureColour))) {
      faults += "point " + std::to_string(i) + " or its edge in space" +
                (hidden ? ", behind a face; " : "; ");
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

TEST_P(WindowTest, ShowsTheViewsKeepsThemTurnsThemInSpaceAndClosesAsAUserDoes) {
  static Display *const display = virtualDisplay();
  ASSERT_NE(display, nullptr) << "no X server (tools/install-dependencies installs Xvfb)";
  const Case &c = GetParam();
  // The points as typed, then the corners where the engine puts them; the
  // scene and the picture the window must show.
  SpaceFigures figures;
  Point3 *p = figures.vertices;
  for (int i = 0; i < 6; ++i) {
    const Point3 q = c.points[i];
    p[i] = {q.x * c.scale + c.move.x, q.y * c.scale + c.move.y, q.z * c.scale + c.move.z};
  }
  const IntersectionReport report = triangleIntersection(p[0], p[1], p[2], p[3], p[4], p[5]);
  figures.kind = report.kind;
  std::copy(report.points, report.points + report.kind, figures.corners);
  const Point3 *s = figures.corners;
  scene = Scene{};
  fillScene(p[0], p[1], p[2], p[3], p[4], p[5], report.kind, s[0], s[1], s[2], s[3], s[4], s[5]);
  const Picture picture = layOut(scene, c.width, c.height, kWindowHint);

  char folder[] = "/tmp/presek-window-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  int in[2], out[2];
  ASSERT_EQ(pipe2(in, O_CLOEXEC) | pipe2(out, O_CLOEXEC), 0);
  const pid_t program = spawn({PRESEK_PROGRAM}, in[0], out[1], folder);
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
  const Photo views = photograph(display, window, c,
                                 [&](XImage *image) { return faultsOf(image, picture, c.wide); });
  EXPECT_EQ(views.faults, "");
  const auto code = [&](const char *key) {
    return XKeysymToKeycode(display, XStringToKeysym(key));
  };
  // s keeps what the window shows in the first free name, which standard
  // error gives: the file must pass the window's own checks.
  send(display, window, KeyPress, code("s"));
  const std::string kept = std::string(folder) + "/presek-trouglova-1.png";
  EXPECT_TRUE(waitFor([&] { return std::ifstream(kept).good(); }, 5));
  usleep(200000);
  cairo_surface_t *png = cairo_image_surface_create_from_png(kept.c_str());
  XImage *file = XCreateImage(display, DefaultVisual(display, 0), 24, ZPixmap, 0,
                              reinterpret_cast<char *>(cairo_image_surface_get_data(png)), c.width,
                              c.height, 32, cairo_image_surface_get_stride(png));
  EXPECT_EQ(faultsOf(file, picture, c.wide), "") << kept;
  file->data = nullptr; // cairo's
  XDestroyImage(file);
  cairo_surface_destroy(png);
  std::system(("rm -rf " + std::string(folder)).c_str());
  // The answer, then the saved file's name, are on the console while the
  // window shows.
  char printed[65536] = {};
  fcntl(out[0], F_SETFL, O_NONBLOCK);
  EXPECT_GT(read(out[0], printed, sizeof printed - 1), 0);
  EXPECT_TRUE(std::regex_search(printed, std::regex(" trougl(.|\n)*presek-trouglova: slika je "
                                                    "sacuvana u presek-trouglova-1.png\n")))
      << printed;

  // v: the figures in space, from the fitted start. A drag turns them and r
  // turns them back; + and the wheel down, the wheel up and - zoom in and out
  // again. v: the projections as they were.
  const Orbit start = startingOrbit(figures);
  const auto inSpace = [&](Orbit orbit) {
    return photograph(display, window, c,
                      [&](XImage *image) { return spaceFaultsOf(image, figures, orbit); });
  };
  send(display, window, KeyPress, code("minus")); // zooms nothing outside space
  send(display, window, KeyPress, code("v"));
  const Photo space = inSpace(start);
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
  EXPECT_EQ(inSpace({start.azimuth - 20, start.elevation + 5, 1}).faults, "") << "a drag";
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

// The README pair at the window's first size, resized to a tall and a small
// shape, at a fiftieth and a millionth of its size, a million units out
// along x and y and with y a thousand out; a shared vertex; a coplanar
// hexagon; a small triangle under a floor, which hides it in space; figures
// ten times taller than wide, whose views are narrow.
// clang-format off
const Point3 kReadme[6] = {{0,0,0}, {50,10,5}, {10,50,50}, {50,50,0}, {0,50,50}, {40,0,10}};
const Point3 kShared[6] = {{0,0,0}, {4,0,4}, {0,4,4}, {0,0,0}, {4,0,-4}, {0,4,-4}};
const Point3 kStar[6] = {{0,4,2}, {-4,-2,-3}, {4,-2,1}, {0,-4,-2}, {-4,2,-1}, {4,2,3}};
const Point3 kUnder[6] = {{-10,-10,0}, {10,-10,0}, {0,10,0}, {-2,0,-5}, {-2,3,-5}, {-2,0,-2}};
const Point3 kTall[6] = {{0,0,0}, {10,2,500}, {2,10,1000}, {10,10,0}, {0,10,1000}, {8,0,200}};
INSTANTIATE_TEST_SUITE_P(Window, WindowTest, ::testing::Values(
  //   name           points   scale  move             size        wide   key
  Case{"readme",      kReadme, 1,     {0, 0, 0},       1024, 700,  true,  nullptr},
  Case{"tall",        kReadme, 1,     {0, 0, 0},       600, 900,   true,  "Escape"},
  Case{"small",       kReadme, 1,     {0, 0, 0},       400, 300,   true,  "q"},
  Case{"unit",        kReadme, 0.02f, {0, 0, 0},       1024, 700,  true,  "q"},
  Case{"millionth",   kReadme, 1e-6f, {0, 0, 0},       1024, 700,  true,  "q"},
  Case{"far",         kReadme, 1,     {1e6f, 1e6f, 0}, 1024, 700,  true,  "q"},
  Case{"yApart",      kReadme, 1,     {0, 1000, 0},    1024, 700,  true,  "q"},
  Case{"shared",      kShared, 1,     {0, 0, 0},       1024, 700,  true,  "Escape"},
  Case{"sharedTall",  kShared, 1,     {0, 0, 0},       600, 900,   true,  "q"},
  Case{"hexagon",     kStar,   1,     {0, 0, 0},       1024, 700,  true,  "q"},
  Case{"underAFloor", kUnder,  1,     {0, 0, 0},       1024, 700,  true,  "q"},
  Case{"tallFigures", kTall,   1,     {0, 0, 0},       1024, 700,  false, nullptr}),
  [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
