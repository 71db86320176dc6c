#pragma once

// What every answer must satisfy whatever the input, checked apart from the
// engine's own arithmetic; the property test and the fuzzers share it.

#include "app/batch.h"
#include "app/coordinate.h"
#include "app/dialogue.h"
#include "app/three_views.h"
#include "geometry/predicates.h"
#include "intersection/triangle_triangle.h"
#include "scene/layout.h"
#include "scene/scene_store.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace checks {

// A vector of long doubles, for distances, or of integers, for exact tests.
template <class T> struct Vec { T x, y, z; };
template <class T> Vec<T> operator-(Vec<T> a, Vec<T> b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
template <class T> Vec<T> operator+(Vec<T> a, Vec<T> b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
template <class T> Vec<T> operator*(T k, Vec<T> a) { return {k * a.x, k * a.y, k * a.z}; }
template <class T> T dot(Vec<T> a, Vec<T> b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
template <class T> Vec<T> cross(Vec<T> a, Vec<T> b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
using V = Vec<long double>;
inline V of(Point3 p) { return {p.x, p.y, p.z}; }

inline long double toSegment(V p, V a, V b) {
  const V d = b - a, w = p - a;
  const long double t = dot(d, d) == 0 ? 0 : std::clamp(dot(w, d) / dot(d, d), 0.0L, 1.0L);
  const V off = w - V{t * d.x, t * d.y, t * d.z};
  return std::sqrt(dot(off, off));
}

// Over the triangle (on the inner side of each edge, seen along its normal)
// the distance to its plane, elsewhere to its nearest edge. The normal comes
// from the two shortest edges: for a thin triangle the two long ones are
// nearly parallel and their cross product cancels away to noise.
inline long double toTriangle(V p, V a, V b, V c) {
  V e[3] = {b - a, c - b, a - c};
  std::sort(e, e + 3, [](V u, V w) { return dot(u, u) < dot(w, w); });
  const V n = cross(e[0], e[1]);
  const long double s1 = dot(cross(b - a, p - a), n), s2 = dot(cross(c - b, p - b), n),
                    s3 = dot(cross(a - c, p - c), n);
  const bool over = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  const long double edges = std::min({toSegment(p, a, b), toSegment(p, a, c), toSegment(p, b, c)});
  return dot(n, n) > 0 && over ? std::min(edges, std::fabs(dot(p - a, n)) / std::sqrt(dot(n, n)))
                               : edges;
}

// What is wrong with a picture laid out for the window: a label (a view's
// name among them) over another or over any dot, a box outside the picture,
// figures that span less than 60 % of its width and of its height, dots that
// are not the scene's points under one scale and shift, or a letter's label
// neither beside its dot nor led to it by a line.
inline std::string pictureFaultsOf(const Picture &picture) {
  std::vector<Box> boxes;
  for (const auto *texts : {&picture.names, &picture.labels, &picture.hint}) {
    for (const PictureText &text : *texts) {
      boxes.push_back(boxOf(text));
    }
  }
  const auto overlap = [](const Box &a, const Box &b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  };
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const Box &box = boxes[i];
    if (box.left < 0 || box.top < 0 || box.right > picture.width || box.bottom > picture.height) {
      return "text " + std::to_string(i) + " leaves the picture";
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (overlap(box, boxes[j])) {
        return "texts " + std::to_string(j) + " and " + std::to_string(i) + " overlap";
      }
    }
    for (const PictureDot &d : picture.dots) {
      if (overlap(box, {d.x - kDotSize / 2.0, d.y - kDotSize / 2.0, d.x + kDotSize / 2.0,
                        d.y + kDotSize / 2.0})) {
        return "text " + std::to_string(i) + " covers a dot";
      }
    }
  }
  // x = a + k·u and y = b − k·w for every dot (u, w) of the scene.
  const std::vector<ScenePoint> points(scene.points.begin(), scene.points.end());
  const auto [west, east] = std::ranges::minmax_element(points, {}, &ScenePoint::x);
  const auto [south, north] = std::ranges::minmax_element(points, {}, &ScenePoint::y);
  const long double wide = east->x - (long double)west->x, tall = north->y - (long double)south->y;
  const PictureDot &w = picture.dots[west - points.begin()],
                   &e = picture.dots[east - points.begin()];
  const PictureDot &s = picture.dots[south - points.begin()],
                   &t = picture.dots[north - points.begin()];
  const long double k = wide > tall ? (e.x - w.x) / wide : (s.y - t.y) / tall;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (std::fabs(picture.dots[i].x - w.x - k * (points[i].x - west->x)) > 2.01L ||
        std::fabs(picture.dots[i].y - t.y + k * (points[i].y - north->y)) > 2.01L) {
      return "dot " + std::to_string(i) + " not where the scene puts it";
    }
  }
  if (e.x - w.x < 0.6 * picture.width && s.y - t.y < 0.6 * picture.height) {
    return "figures narrow";
  }
  // The keys at the bottom; each view's name below every dot.
  if (picture.hint.empty() || std::any_of(picture.names.begin(), picture.names.end(),
                                          [&](const PictureText &name) { return name.y <= s.y; })) {
    return "no keys, or a name above a dot";
  }
  // A letter's label beside a dot, or led to it by a line ending on its box.
  for (const PictureText &label : picture.labels) {
    const Box b = boxOf(label);
    const auto near = [&](double x, double y, double r) {
      return x > b.left - r && x < b.right + r && y > b.top - r && y < b.bottom + r;
    };
    if (std::none_of(picture.dots.begin(), picture.dots.end(),
                     [&](const PictureDot &d) { return near(d.x, d.y, 10); }) &&
        std::none_of(picture.leaders.begin(), picture.leaders.end(),
                     [&](const PictureLine &l) { return near(l.x2, l.y2, 1); })) {
      return "a label away from every dot";
    }
  }
  // Labels come view by view, each letter of a view in one of them: "="
  // joins the letters of one point of that view, ", " those of points apart.
  std::vector<std::string> used;
  int view = 0;
  for (const PictureText &label : picture.labels) {
    for (std::size_t k = 0; k < label.pieces.size(); k += 2) {
      view += std::ranges::count(used, label.pieces[k].text) > 0 ? 1 : 0;
      used = std::ranges::count(used, label.pieces[k].text) > 0 ? std::vector<std::string>{} : used;
      used.push_back(label.pieces[k].text);
    }
    const auto at = [&](const std::string &text) {
      const auto letter = std::ranges::find_if(
          scene.letters, [&](const SceneLetter &l) { return l.view == view && text == l.text; });
      return std::pair{letter->x, letter->y};
    };
    for (std::size_t k = 1; k + 1 < label.pieces.size(); k += 2) {
      if ((label.pieces[k].text == "=") !=
          (at(label.pieces[k - 1].text) == at(label.pieces[k + 1].text))) {
        return "a label joins " + label.pieces[k - 1].text + label.pieces[k].text +
               label.pieces[k + 1].text + " in view " + std::to_string(view);
      }
    }
  }
  // An overlap's fill: every corner of every face at a corner of the polygon,
  // and the faces of one view's fan all turning one way, as they do only
  // when its corners are taken around the polygon.
  for (std::size_t i = 1; i < picture.faces.size(); ++i) {
    const PictureFace &a = picture.faces[i - 1];
    const PictureFace &b = picture.faces[i];
    // Its sign where the face is more than two pixels high (its corners are
    // whole pixels, so a flat polygon's faces may turn either way), else 0.
    const auto turn = [](const PictureFace &f) {
      const double twice =
          (f.x[1] - f.x[0]) * (f.y[2] - f.y[0]) - (f.y[1] - f.y[0]) * (f.x[2] - f.x[0]);
      double side = 0.0;
      for (int k = 0; k < 3; ++k) {
        side = std::max(side, std::hypot(f.x[(k + 1) % 3] - f.x[k], f.y[(k + 1) % 3] - f.y[k]));
      }
      return std::fabs(twice) > 4.0 * side ? (twice > 0.0 ? 1 : -1) : 0;
    };
    if (a.x[0] == b.x[0] && a.y[0] == b.y[0] && turn(a) * turn(b) < 0) {
      return "the fill's corners out of order around the polygon";
    }
  }
  for (const PictureFace &face : picture.faces) {
    for (int k = 0; k < 3; ++k) {
      if (std::none_of(picture.dots.begin(), picture.dots.end(), [&](const PictureDot &d) {
            return d.color.red == 1 && d.color.green == 0 &&
                   std::hypot(d.x - face.x[k], d.y - face.y[k]) < 0.5;
          })) {
        return "a face of the fill off the polygon's corners";
      }
    }
  }
  return "";
}

// What is wrong with the intersection of A B C and A' B' C' (v[0] to v[5]), or
// nothing:
// its kind is 0 to 6 and no slot past it is written; one message names the
// triangles ("trouglovi"/"trouglova") once; the picture shows the triangles
// and the intersection; and every point lies within the tolerance
// 0.00001 × L of both triangles in space (L the largest |coordinate|).
inline std::string faultsOf(const Point3 *v) {
  const Point3 untouched{-777.0f, 777.0f, -777.0f};
  Point3 s[6] = {untouched, untouched, untouched, untouched, untouched, untouched};
  char printed[1024] = {};
  std::FILE *console = stdout;
  stdout = fmemopen(printed, sizeof printed - 1, "w");
  const IntersectionKind kind = intersectTriangles(v[0], v[1], v[2], v[3], v[4], v[5], &s[0], &s[1],
                                                   &s[2], &s[3], &s[4], &s[5]);
  std::fclose(stdout);
  stdout = console;
  const std::string_view text(printed);
  if (kind < 0 || kind > 6 || text.find("trougl") == text.npos ||
      text.find("trougl") != text.rfind("trougl") || std::any_of(s + kind, s + 6, [&](Point3 p) {
        return p.x != untouched.x || p.y != untouched.y || p.z != untouched.z;
      })) {
    return "kind " + std::to_string(kind) +
           ", a slot past it written, or not one message: " + std::string(text);
  }
  // The picture: in each view the vertices, blue then green, and the corners,
  // red, at (x, y − lift), (x − left, z) and (y + right, z): XZ ends and YZ
  // begins a gap away from XY, the gap 0.3 times the largest spread of x, y
  // and z; XY is lifted where its y and the z do not overlap, middle to
  // middle. An edge for each side of both triangles (the first's blue) and
  // each pair of corners; a name under each view and a letter at each dot.
  scene = Scene{};
  fillScene(v[0], v[1], v[2], v[3], v[4], v[5], kind, s[0], s[1], s[2], s[3], s[4], s[5]);
  const std::vector<ScenePoint> drawn(scene.points.begin(), scene.points.end());
  const int n = 6 + kind;
  if (drawn.size() != std::size_t(3 * n) || scene.labels.size() != 3 ||
      scene.letters.size() != std::size_t(3 * n) ||
      std::ranges::count(scene.segments, 2, &SceneSegment::color) != 9 ||
      scene.segments.size() != std::size_t(18 + 3 * kind * (kind - 1) / 2)) {
    return "the picture's count of points, letters, edges, blue edges or names";
  }
  long double scale = 0;
  long double low[3] = {v[0].x, v[0].y, v[0].z}, high[3] = {low[0], low[1], low[2]};
  float lowest = drawn[0].y;
  for (int i = 0; i < 6; ++i) {
    const long double p[3] = {v[i].x, v[i].y, v[i].z};
    for (int a = 0; a < 3; ++a) {
      low[a] = std::min(low[a], p[a]);
      high[a] = std::max(high[a], p[a]);
      scale = std::max(scale, std::fabs(p[a]));
    }
    lowest = std::min({lowest, drawn[i].y, v[i].z});
  }
  const long double spread = std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
  const long double left = high[0] - low[0] + 0.3L * spread, right = left - low[1] + low[0];
  const bool overlap = low[1] <= high[2] && low[2] <= high[1];
  const long double lift = overlap ? 0 : (low[1] + high[1] - low[2] - high[2]) / 2;
  const long double unit = spread + std::fabs(lift) + std::fabs(right);
  const auto near = [&](long double a, long double b) { return std::fabs(a - b) <= 1e-6L * unit; };
  for (int i = 0; const SceneLetter &letter : scene.letters) {
    const V q = of(i % n < 6 ? v[i % n] : s[i % n - 6]);
    const V views[3] = {{q.x, q.y - lift, 0}, {q.x - left, q.z, 0}, {q.y + right, q.z, 0}};
    const std::string_view names[12] = {"A", "B", "C", "A'", "B'", "C'",
                                        "M", "N", "P", "Q",  "R",  "S"};
    if (!near(drawn[i].x, views[i / n].x) || !near(drawn[i].y, views[i / n].y) ||
        drawn[i].color != 2 - (i % n >= 3) - (i % n >= 6) || letter.x != drawn[i].x ||
        letter.y != drawn[i].y || letter.color != drawn[i].color || letter.view != i / n ||
        letter.text != names[i % n]) {
      return "point " + std::to_string(i) + " of the picture, or its letter";
    }
    ++i;
  }
  // Under each view, XY, XZ, YZ, its name, centred between its leftmost and
  // rightmost vertex, at the lowest height drawn in any view.
  for (int k = 0; const SceneLabel &label : scene.labels) {
    const auto [west, east] =
        std::ranges::minmax(std::span(drawn).subspan(k * n, 6), {}, &ScenePoint::x);
    if (label.text != std::string_view("XYXZYZ").substr(2 * k, 2) || label.y != lowest ||
        !near(label.x, (west.x + (long double)east.x) / 2)) {
      return "the label of view " + std::to_string(k);
    }
    ++k;
  }
  for (const auto &[width, height] : {std::pair{1024, 700}, {500, 300}, {400, 900}}) {
    if (const std::string faults = pictureFaultsOf(layOut(scene, width, height, kWindowHint));
        !faults.empty()) {
      return std::to_string(width) + " x " + std::to_string(height) + ": " + faults;
    }
  }
  for (int i = 0; i < kind; ++i) {
    for (const int t : {0, 3}) {
      if (!(toTriangle(of(s[i]), of(v[t]), of(v[t + 1]), of(v[t + 2])) < 1e-5L * scale)) {
        return "point " + std::to_string(i) + " off triangle " + std::to_string(t / 3 + 1);
      }
    }
  }
  return "";
}

// The answer for A B C and A' B' C' as the dialogue prints it, written as the
// batch mode writes its line: the kind, then the printed coordinates.
inline std::string answerLine(const Point3 *v) {
  char printed[1024] = {};
  std::FILE *console = fmemopen(printed, sizeof printed - 1, "w");
  const IntersectionReport report = triangleIntersection(v[0], v[1], v[2], v[3], v[4], v[5]);
  printReport(console, report);
  std::fclose(console);
  const std::string text(printed);
  static const std::regex coordinate("-?[0-9]+\\.[0-9]{6}");
  std::string numbers;
  for (auto c = std::sregex_iterator(text.begin(), text.end(), coordinate);
       c != std::sregex_iterator(); ++c) {
    numbers += " " + c->str();
  }
  return std::to_string(report.kind) + numbers;
}

// What the batch mode writes for `text`, read `chunk` bytes at a time, so
// that entries are cut by the chunks' ends; its complaints are dropped.
inline std::string batchOutput(std::string text, std::size_t chunk) {
  std::FILE *in = fmemopen(text.data(), text.size(), "r");
  char *printed = nullptr;
  std::size_t size = 0;
  std::FILE *out = open_memstream(&printed, &size);
  std::FILE *err = std::fopen("/dev/null", "w");
  runBatch(in, out, err, chunk);
  std::fclose(err);
  std::fclose(in);
  std::fclose(out);
  std::string lines(printed, size);
  std::free(printed);
  return lines;
}

// Stops a fuzzing run on a fault: what libFuzzer reports as a crash.
inline void stopOn(const std::string &faults) {
  if (!faults.empty()) {
    std::fprintf(stderr, "%s\n", faults.c_str());
    std::abort();
  }
}

} // namespace checks
