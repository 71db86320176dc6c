// The real program end to end under a virtual X server: the dialogue piped in,
// the window found and photographed, then closed as a user closes it.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <zlib.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char *kTitle = "Geometrija - prikaz zadatka";

bool waitFor(auto condition, std::chrono::seconds limit) {
  const auto deadline = Clock::now() + limit;
  while (Clock::now() < deadline) {
    if (condition()) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return condition();
}

// In a child: dies with the test, and keeps the test runner's output pipes
// free, so that nothing is left behind however the test ends.
void detachFromTest() {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  const int devnull = open("/dev/null", O_WRONLY);
  dup2(devnull, STDOUT_FILENO);
  dup2(devnull, STDERR_FILENO);
}

// Photographing a window that is not mapped yet is an X error; by default
// Xlib would end the test process for it.
int ignoreXErrors(Display *, XErrorEvent *) { return 0; }

// A child process, killed if still running when the test ends.
struct Child {
  pid_t pid = -1;

  // Waits up to `limit` for the child to end; its exit status, or nothing.
  std::optional<int> wait(std::chrono::seconds limit) {
    int status = 0;
    bool ended = waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, limit);
    if (!ended) {
      return std::nullopt;
    }
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  // Asks the child to end (an X server then removes its lock and socket),
  // and kills it if it does not.
  void stop() {
    if (pid > 0) {
      kill(pid, SIGTERM);
      if (!wait(std::chrono::seconds(5))) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
      }
      pid = -1;
    }
  }

  ~Child() { stop(); }
};

// Xvfb picks a free display itself and writes its number to a pipe.
class VirtualDisplay {
public:
  VirtualDisplay() {
    int fds[2];
    if (pipe(fds) != 0) {
      return;
    }
    server_.pid = fork();
    if (server_.pid == 0) {
      close(fds[0]);
      detachFromTest();
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", "-noreset", static_cast<char *>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    char buffer[32] = {};
    // The read end stays open while the server runs: a server that writes
    // its number again and finds no reader ends itself.
    numberPipe_ = fds[0];
    const ssize_t n = read(numberPipe_, buffer, sizeof buffer - 1);
    if (n > 0) {
      name_.assign(1, ':').append(buffer, std::strcspn(buffer, "\n"));
      waitFor([this] { return (display_ = XOpenDisplay(name_.c_str())) != nullptr; },
              std::chrono::seconds(10));
    }
  }
  ~VirtualDisplay() {
    if (display_ != nullptr) {
      XCloseDisplay(display_);
    }
    server_.stop();
    close(numberPipe_);
  }

  Display *display() const { return display_; }
  const std::string &name() const { return name_; }

private:
  Child server_;
  std::string name_;
  Display *display_ = nullptr;
  int numberPipe_ = -1;
};

Window findWindow(Display *display, Window under) {
  char *name = nullptr;
  if (XFetchName(display, under, &name) && name != nullptr) {
    const bool match = std::strcmp(name, kTitle) == 0;
    XFree(name);
    if (match) {
      return under;
    }
  }
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (XQueryTree(display, under, &root, &parent, &children, &count)) {
    for (unsigned i = 0; i < count && found == 0; ++i) {
      found = findWindow(display, children[i]);
    }
    XFree(children);
  }
  return found;
}

struct Rgb {
  int red, green, blue;
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Rgb at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

Picture photograph(Display *display, Window window, int width, int height) {
  Picture picture{width, height, {}};
  XImage *image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
  if (image == nullptr) {
    return picture;
  }
  picture.pixels.reserve(std::size_t(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned long p = XGetPixel(image, x, y);
      picture.pixels.push_back({int((p & image->red_mask) >> 16), int((p & image->green_mask) >> 8),
                                int(p & image->blue_mask)});
    }
  }
  XDestroyImage(image);
  return picture;
}

// The background is (0.9, 0.9, 0.8) of full intensity, give or take rounding.
bool isBackground(Rgb c) {
  return std::abs(c.red - 230) <= 1 && std::abs(c.green - 230) <= 1 && std::abs(c.blue - 204) <= 1;
}

int countColour(const Picture &picture, Rgb colour) {
  int count = 0;
  for (const Rgb &c : picture.pixels) {
    count += c.red == colour.red && c.green == colour.green && c.blue == colour.blue;
  }
  return count;
}

// Runs of columns that hold anything but background, left to right.
std::vector<std::pair<int, int>> drawnColumnRuns(const Picture &picture) {
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < picture.width; ++x) {
    bool drawn = false;
    for (int y = 0; y < picture.height && !drawn; ++y) {
      drawn = !isBackground(picture.at(x, y));
    }
    if (drawn && (runs.empty() || runs.back().second != x - 1)) {
      runs.push_back({x, x});
    } else if (drawn) {
      runs.back().second = x;
    }
  }
  return runs;
}

void appendChunk(std::string &png, const char *type, const std::string &data) {
  const auto put32 = [&png](unsigned long v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
      png.push_back(char((v >> shift) & 0xff));
    }
  };
  put32(data.size());
  const std::string body = std::string(type) + data;
  png += body;
  put32(crc32(0, reinterpret_cast<const Bytef *>(body.data()), uInt(body.size())));
}

// Saves the picture as an RGB PNG, for the README's screenshot.
void savePng(const Picture &picture, const std::string &path) {
  std::string raw;
  for (int y = 0; y < picture.height; ++y) {
    raw.push_back(0); // no filter
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, y);
      raw += {char(c.red), char(c.green), char(c.blue)};
    }
  }
  uLongf size = compressBound(uLong(raw.size()));
  std::string packed(size, '\0');
  compress2(reinterpret_cast<Bytef *>(packed.data()), &size,
            reinterpret_cast<const Bytef *>(raw.data()), uLong(raw.size()), 9);
  packed.resize(size);
  std::string header;
  for (const int v : {picture.width, picture.height}) {
    for (int shift = 24; shift >= 0; shift -= 8) {
      header.push_back(char((v >> shift) & 0xff));
    }
  }
  header += {8, 2, 0, 0, 0}; // 8-bit RGB
  std::string png = "\x89PNG\r\n\x1a\n";
  appendChunk(png, "IHDR", header);
  appendChunk(png, "IDAT", packed);
  appendChunk(png, "IEND", "");
  std::ofstream(path, std::ios::binary) << png;
}

struct WindowCase {
  const char *name;
  const char *input;
  bool intersects;
};

void PrintTo(const WindowCase &c, std::ostream *out) { *out << c.name; }

class WindowTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowTest, ShowsThreeViewsAndClosesCleanly) {
  if (access("/usr/bin/Xvfb", X_OK) != 0) {
    if (std::getenv("CI") != nullptr) {
      FAIL() << "Xvfb is not installed; the test command installs it";
    }
    GTEST_SKIP() << "Xvfb is not installed (tools/install-dependencies installs it)";
  }
  XSetErrorHandler(ignoreXErrors);
  VirtualDisplay x;
  ASSERT_NE(x.display(), nullptr) << "could not start Xvfb";
  Display *display = x.display();

  int input[2];
  ASSERT_EQ(pipe(input), 0);
  Child program;
  program.pid = fork();
  if (program.pid == 0) {
    dup2(input[0], STDIN_FILENO);
    close(input[1]);
    detachFromTest();
    setenv("DISPLAY", x.name().c_str(), 1);
    execl(PRESEK_PROGRAM, PRESEK_PROGRAM, static_cast<char *>(nullptr));
    _exit(127);
  }
  close(input[0]);
  const std::string dialogue = GetParam().input;
  ASSERT_EQ(write(input[1], dialogue.data(), dialogue.size()), ssize_t(dialogue.size()));
  close(input[1]);

  const Window root = DefaultRootWindow(display);
  Window window = 0;
  ASSERT_TRUE(
      waitFor([&] { return (window = findWindow(display, root)) != 0; }, std::chrono::seconds(30)))
      << "no window titled \"" << kTitle << "\"";

  XWindowAttributes attributes;
  ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
  EXPECT_EQ(attributes.width, 1024);
  EXPECT_EQ(attributes.height, 700);
  int screenX = 0, screenY = 0;
  Window child;
  XTranslateCoordinates(display, window, root, 0, 0, &screenX, &screenY, &child);
  EXPECT_EQ(screenX, 100);
  EXPECT_EQ(screenY, 50);

  Picture picture;
  ASSERT_TRUE(waitFor(
      [&] {
        picture = photograph(display, window, attributes.width, attributes.height);
        return !picture.pixels.empty() && isBackground(picture.at(0, 0)) &&
               countColour(picture, {0, 0, 255}) > 0;
      },
      std::chrono::seconds(30)))
      << "the picture was never drawn";

  if (const char *folder = std::getenv("PRESEK_SCREENSHOT_DIR")) {
    savePng(picture, std::string(folder) + "/" + GetParam().name + ".png");
  }

  EXPECT_GT(countColour(picture, {0, 0, 255}), 0) << "first triangle (blue)";
  EXPECT_GT(countColour(picture, {0, 255, 0}), 0) << "second triangle (green)";
  const int red = countColour(picture, {255, 0, 0});
  if (GetParam().intersects) {
    EXPECT_GT(red, 0) << "intersection (red)";
  } else {
    EXPECT_EQ(red, 0) << "red without an intersection";
  }
  const auto runs = drawnColumnRuns(picture);
  ASSERT_EQ(runs.size(), 3u) << "the three views should stand apart";
  EXPECT_GT(runs.front().first, 0);
  EXPECT_LT(runs.back().second, attributes.width - 1);

  // Close the window as a window manager does on the user's behalf.
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  EXPECT_EQ(program.wait(std::chrono::seconds(20)), std::optional<int>(0));
}

INSTANTIATE_TEST_SUITE_P(
    Window, WindowTest,
    ::testing::Values(
        WindowCase{"crossing",
                   "0.3 0.1 -0.2\n0.9 0.2 0.4\n0.1 0.8 0.3\n0.2 0.2 0.6\n0.7 0.5 -0.4\n"
                   "0.4 0.9 0.2\n",
                   true},
        WindowCase{"segment", "0 0 0\n4 0 0\n0 4 0\n1 1 -2\n1 1 2\n1 -3 0\n", true},
        WindowCase{"apart", "0 0 0\n4 0 0\n0 4 0\n0 0 1\n4 0 1\n0 4 1\n", false},
        WindowCase{"hexagon", "0 4 0\n-4 -2 0\n4 -2 0\n0 -4 0\n-4 2 0\n4 2 0\n", true},
        WindowCase{"spread_to_50",
                   "0 0 0\n50 10 5\n10 50 50\n50 50 0\n0 50 50\n"
                   "40 0 10\n",
                   true},
        WindowCase{"hundreds",
                   "100 100 100\n400 150 120\n150 400 300\n300 300 100\n"
                   "120 300 300\n350 120 250\n",
                   true}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
