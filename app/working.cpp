#include "app/working.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

using Path = IntersectionTrace::Path;

constexpr const char *kNames[6] = {"A", "B", "C", "A'", "B'", "C'"};
constexpr const char *kLetters[6] = {"M", "N", "P", "Q", "R", "S"};
constexpr const char *kTriangles[2] = {"ABC", "A'B'C'"};
// The two edges of the vertex alone on its side of a plane, in the order AB,
// AC, BC.
constexpr int kEdgesOf[3][2][2] = {{{0, 1}, {0, 2}}, {{0, 1}, {1, 2}}, {{0, 2}, {1, 2}}};

// The plane normal·x + d = 0, its coefficients scaled to coprime integers.
struct ExactPlane {
  Exact3 normal;
  Rational d;
};

// The plane n·x + d = 0 scaled to coprime integers, its normal pointing as n.
ExactPlane reduced(const Exact3 &n, const Rational &d) {
  Integer denominators = 1;
  for (const Rational *c : {&n.x, &n.y, &n.z, &d}) {
    denominators = boost::multiprecision::lcm(denominators, boost::multiprecision::denominator(*c));
  }
  Integer divisor = 0;
  for (const Rational *c : {&n.x, &n.y, &n.z, &d}) {
    divisor = boost::multiprecision::gcd(
        divisor, boost::multiprecision::numerator(*c * Rational(denominators)));
  }
  const Rational k = divisor == 0 ? Rational(1) : Rational(denominators) / Rational(divisor);
  return {k * n, k * d};
}

ExactPlane planeThrough(const Exact3 &p, const Exact3 &q, const Exact3 &r) {
  const Exact3 n = cross(q - p, r - p);
  return reduced(n, -dot(n, p));
}

Rational valueAt(const ExactPlane &plane, const Exact3 &x) {
  return dot(plane.normal, x) + plane.d;
}

int signOf(const Rational &value) { return value > 0 ? 1 : (value < 0 ? -1 : 0); }

// "5x - 49y + 48z = 0".
std::string equation(const ExactPlane &plane) {
  std::string text;
  const std::pair<const Rational *, const char *> terms[4] = {
      {&plane.normal.x, "x"}, {&plane.normal.y, "y"}, {&plane.normal.z, "z"}, {&plane.d, ""}};
  for (const auto &[c, variable] : terms) {
    if (*c == 0) {
      continue;
    }
    text += text.empty() ? (*c < 0 ? "-" : "") : (*c < 0 ? " - " : " + ");
    const Rational magnitude = abs(*c);
    text += (magnitude == 1 && *variable != '\0' ? "" : fraction(magnitude)) + variable;
  }
  return (text.empty() ? "0" : text) + " = 0";
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2g", value);
  return text;
}

double length(const Exact3 &v) { return std::sqrt(approximately(dot(v, v))); }

// The squared distance from p to the closed segment a b.
Rational toSegment2(const Exact3 &p, const Exact3 &a, const Exact3 &b) {
  const Exact3 d = b - a;
  const Rational dd = dot(d, d);
  const Rational t =
      dd == 0 ? Rational(0) : std::clamp(dot(p - a, d) / dd, Rational(0), Rational(1));
  const Exact3 off = p - (a + t * d);
  return dot(off, off);
}

// The squared distance from p to the closed triangle a b c.
Rational toTriangle2(const Exact3 &p, const Exact3 &a, const Exact3 &b, const Exact3 &c) {
  const Exact3 n = cross(b - a, c - a);
  const Rational nn = dot(n, n);
  if (nn > 0 && dot(cross(b - a, p - a), n) >= 0 && dot(cross(c - b, p - b), n) >= 0 &&
      dot(cross(a - c, p - c), n) >= 0) {
    const Rational off = dot(n, p - a);
    return off * off / nn;
  }
  return std::min({toSegment2(p, a, b), toSegment2(p, b, c), toSegment2(p, c, a)});
}

// The nearest points of the closed segments p1 p2 and q1 q2 (Ericson, Real-Time
// Collision Detection, 5.1.9, in exact arithmetic).
std::pair<Exact3, Exact3> nearestPoints(const Exact3 &p1, const Exact3 &p2, const Exact3 &q1,
                                        const Exact3 &q2) {
  const Exact3 d1 = p2 - p1;
  const Exact3 d2 = q2 - q1;
  const Exact3 r = p1 - q1;
  const Rational a = dot(d1, d1);
  const Rational e = dot(d2, d2);
  const Rational f = dot(d2, r);
  const auto unit = [](const Rational &x) { return std::clamp(x, Rational(0), Rational(1)); };
  Rational s = 0;
  Rational t = 0;
  if (a == 0) {
    t = e > 0 ? unit(f / e) : Rational(0);
  } else if (e == 0) {
    s = unit(-dot(d1, r) / a);
  } else {
    const Rational b = dot(d1, d2);
    const Rational c = dot(d1, r);
    const Rational denominator = a * e - b * b;
    s = denominator != 0 ? unit((b * f - c * e) / denominator) : Rational(0);
    t = (b * s + f) / e;
    if (t < 0) {
      t = 0;
      s = unit(-c / a);
    } else if (t > 1) {
      t = 1;
      s = unit((b - c) / a);
    }
  }
  return {p1 + s * d1, q1 + t * d2};
}

// Coordinates in the coordinate plane that sees a plane of normal n best:
// the two axes other than n's largest.
struct Flat {
  int u = 0;
  int v = 1;
};
Flat flatFor(const Exact3 &n) {
  const Rational m[3] = {abs(n.x), abs(n.y), abs(n.z)};
  const int drop = m[2] >= m[0] && m[2] >= m[1] ? 2 : (m[1] >= m[0] ? 1 : 0);
  return {(drop + 1) % 3, (drop + 2) % 3};
}
const Rational &along(const Exact3 &p, int axis) {
  return axis == 0 ? p.x : (axis == 1 ? p.y : p.z);
}
Rational turn(const Flat &f, const Exact3 &a, const Exact3 &b, const Exact3 &c) {
  return (along(b, f.u) - along(a, f.u)) * (along(c, f.v) - along(a, f.v)) -
         (along(b, f.v) - along(a, f.v)) * (along(c, f.u) - along(a, f.u));
}

// Where p stands against the triangle a b c of the same plane: 1 inside, 0 on
// its edge, −1 outside.
int placeIn(const Flat &f, const Exact3 &p, const Exact3 &a, const Exact3 &b, const Exact3 &c) {
  const int orientation = signOf(turn(f, a, b, c));
  int least = 1;
  for (const auto &[x, y] : {std::pair{&a, &b}, {&b, &c}, {&c, &a}}) {
    least = std::min(least, signOf(turn(f, *x, *y, p)) * orientation);
  }
  return least;
}

// The common part of the segments a b and c d of one plane: no point, one, or
// the two ends of their overlap.
std::vector<Exact3> segmentsMeet(const Flat &f, const Exact3 &a, const Exact3 &b, const Exact3 &c,
                                 const Exact3 &d) {
  const Rational denominator = turn(f, {}, b - a, d - c);
  if (denominator == 0) {
    if (turn(f, a, b, c) != 0) {
      return {}; // parallel, on two lines
    }
    // On one line: the overlap of their parameters along a b.
    const Exact3 ab = b - a;
    const Rational abab = dot(ab, ab);
    if (abab == 0) {
      return {};
    }
    Rational t1 = dot(c - a, ab) / abab;
    Rational t2 = dot(d - a, ab) / abab;
    if (t1 > t2) {
      std::swap(t1, t2);
    }
    const Rational lo = std::max(t1, Rational(0));
    const Rational hi = std::min(t2, Rational(1));
    if (lo > hi) {
      return {};
    }
    return lo == hi ? std::vector<Exact3>{a + lo * ab}
                    : std::vector<Exact3>{a + lo * ab, a + hi * ab};
  }
  const Rational s = turn(f, {}, c - a, d - c) / denominator;
  const Rational t = turn(f, {}, c - a, b - a) / denominator;
  if (s < 0 || s > 1 || t < 0 || t > 1) {
    return {};
  }
  return {a + s * (b - a)};
}

// The working as it is written, and every exact point its steps found.
struct Writer {
  std::string text;
  std::vector<Exact3> found;
  int step = 0;
  void line(const std::string &words) { text += words + "\n"; }
  void heading(const std::string &words) { line("\n" + std::to_string(++step) + ". " + words); }
  void point(const Exact3 &p) {
    if (std::find(found.begin(), found.end(), p) == found.end()) {
      found.push_back(p);
    }
  }
};

// A point of a cut, with where it comes from: "teme A", "ivica AB".
struct End {
  Exact3 point;
  std::string from;
};

class Steps {
public:
  Steps(const Exact3 (&v)[6], const IntersectionReport &report, const IntersectionTrace &trace)
      : v_(v), report_(report), trace_(trace) {
    char bound[96];
    std::snprintf(bound, sizeof bound, "0.00001·L = 0.00001·%g = %g", trace.scale,
                  1e-5 * trace.scale);
    bound_ = bound;
  }

  Writer &writer() { return out_; }
  bool foundAny() const { return !exact_.empty(); }

  // The plane of triangle t (0 ABC, 1 A'B'C'), its normal shown as computed.
  void plane(int t) {
    const int a = 3 * t;
    const std::string prime = t == 1 ? "'" : "";
    const Exact3 u = v_[a + 1] - v_[a];
    const Exact3 w = v_[a + 2] - v_[a];
    planes_[t] = planeThrough(v_[a], v_[a + 1], v_[a + 2]);
    out_.heading("Ravan trougla " + std::string(kTriangles[t]) + ".");
    out_.line("n" + prime + " = (" + kNames[a + 1] + " - " + kNames[a] + ") x (" + kNames[a + 2] +
              " - " + kNames[a] + ") = " + written(u) + " x " + written(w) + " = " +
              written(cross(u, w)));
    out_.line("Jednacina ravni: " + equation(planes_[t]));
  }

  // The vertices of triangle t in the equation of the other's plane, each on
  // the side the program found it, and the verdict.
  void sides(int t) {
    const int other = 1 - t;
    const int a = 3 * t;
    const std::string f = equation(planes_[other]);
    out_.heading("Temena trougla " + std::string(kTriangles[t]) + " u jednacini ravni " +
                 kTriangles[other] + ", f(X) = " + f.substr(0, f.size() - 4) + ".");
    const double normal = length(planes_[other].normal);
    for (int i = 0; i < 3; ++i) {
      const Rational value = valueAt(planes_[other], v_[a + i]);
      const int exact = signOf(value);
      const int side = trace_.side[t][i];
      out_.line(std::string(kNames[a + i]) + " = " + written(v_[a + i]) + ": f(" + kNames[a + i] +
                ") = " + written(value) +
                (exact > 0   ? " > 0"
                 : exact < 0 ? " < 0"
                             : ""));
      if (exact != 0 && side == 0) {
        out_.line("  rastojanje od ravni |f(" + std::string(kNames[a + i]) + ")| / |n| ≈ " +
                  number(approximately(abs(value)) / normal) + " < " + bound_ +
                  ": smatra se da lezi u ravni");
      } else if (exact != side) {
        out_.line("  program cuva koordinate zaokruzene na float, pa ga nalazi " +
                  std::string(side > 0 ? "sa pozitivne strane" : "sa negativne strane") +
                  " ravni, dalje od " + bound_);
      }
    }
    const int *s = trace_.side[t];
    const int zeros = (s[0] == 0) + (s[1] == 0) + (s[2] == 0);
    const std::string name = kTriangles[t];
    const std::string plane = kTriangles[other];
    if (s[0] == s[1] && s[1] == s[2] && s[0] != 0) {
      out_.line("Sva tri temena su sa iste strane ravni: trouglovi se ne seku.");
    } else if (zeros == 3) {
      out_.line("Sva tri temena leze u ravni " + plane + ": trouglovi leze u istoj ravni.");
    } else if (zeros == 2) {
      const int off = s[0] != 0 ? 0 : (s[1] != 0 ? 1 : 2);
      out_.line("Temena " + vertexName(t, (off + 1) % 3) + " i " + vertexName(t, (off + 2) % 3) +
                " leze u ravni: ravan sadrzi ivicu izmedju njih.");
    } else if (zeros == 1) {
      const int on = s[0] == 0 ? 0 : (s[1] == 0 ? 1 : 2);
      const int p = (on + 1) % 3;
      const int q = (on + 2) % 3;
      out_.line("Teme " + vertexName(t, on) + " lezi u ravni, a " + vertexName(t, p) + " i " +
                vertexName(t, q) +
                (s[p] == s[q]
                     ? " su sa iste strane: trougao " + name + " samo dodiruje ravan u " +
                           vertexName(t, on) + "."
                     : " su s raznih strana: ravan sece i ivicu " + edgeName(t, p, q) + "."));
    } else {
      const int alone = s[1] == s[2] ? 0 : (s[0] == s[2] ? 1 : 2);
      const auto &[e, g] = kEdgesOf[alone];
      out_.line("Teme " + vertexName(t, alone) +
                " je samo sa svoje strane ravni: ravan sece ivice " + edgeName(t, e[0], e[1]) +
                " i " + edgeName(t, g[0], g[1]) + ".");
    }
  }

  // The cut of triangle t by the other's plane, as the program makes it: the
  // vertices in the plane, then where the edges cross it.
  void cut(int t) {
    const int *s = trace_.side[t];
    const ExactPlane &plane = planes_[1 - t];
    std::vector<End> &ends = cuts_[t];
    out_.heading("Presek trougla " + std::string(kTriangles[t]) + " sa ravni " + kTriangles[1 - t] +
                 ".");
    const auto crossing = [&](int i, int j) {
      const Exact3 &p = v_[3 * t + i];
      const Exact3 &q = v_[3 * t + j];
      const Rational fp = valueAt(plane, p);
      const Rational fq = valueAt(plane, q);
      const Rational k = fp == fq ? Rational(1, 2) : fp / (fp - fq);
      const Exact3 x = p + k * (q - p);
      const std::string e = edgeName(t, i, j);
      out_.line("Ivica " + e + ": t = f(" + vertexName(t, i) + ") / (f(" + vertexName(t, i) +
                ") - f(" + vertexName(t, j) + ")) = " + written(k) + ", tacka " + vertexName(t, i) +
                " + t·(" + vertexName(t, j) + " - " + vertexName(t, i) + ") = " + written(x));
      ends.push_back({x, "tacka na ivici " + e});
    };
    const int zeros = (s[0] == 0) + (s[1] == 0) + (s[2] == 0);
    for (int i = 0; i < 3 && zeros > 0; ++i) {
      if (s[i] == 0) {
        ends.push_back({v_[3 * t + i], "teme " + vertexName(t, i)});
      }
    }
    if (zeros == 1) {
      const int on = s[0] == 0 ? 0 : (s[1] == 0 ? 1 : 2);
      const int p = on == 0 ? 1 : 0;
      const int q = on == 2 ? 1 : 2;
      if (s[p] != s[q]) {
        crossing(p, q);
      }
    } else if (zeros == 0) {
      const int alone = s[1] == s[2] ? 0 : (s[0] == s[2] ? 1 : 2);
      for (const auto &[i, j] : kEdgesOf[alone]) {
        crossing(i, j);
      }
    }
    for (const End &end : ends) {
      out_.point(end.point);
    }
    out_.line("Presek trougla " + std::string(kTriangles[t]) + " sa ravni je " +
              (ends.size() == 2
                   ? "duz od " + written(ends[0].point) + " do " + written(ends[1].point)
                   : "tacka " + written(ends[0].point)) +
              ".");
  }

  // The two cuts along the line common to both planes: their overlap.
  void overlap() {
    // The direction in its smallest whole numbers, so that s stays short.
    const Exact3 line = reduced(cross(planes_[0].normal, planes_[1].normal), 0).normal;
    out_.heading("Zajednicka prava.");
    out_.line("Oba preseka leze na pravoj u kojoj se ravni seku, pravca " +
              written(planes_[0].normal) + " x " + written(planes_[1].normal) + ", ili " +
              written(line) + ". Polozaj tacke X na njoj meri s(X) = " + written(line) + "·X:");
    struct Stretch {
      Rational lo, hi;
      End loEnd, hiEnd;
    };
    Stretch stretch[2];
    for (int t = 0; t < 2; ++t) {
      std::vector<End> ends = cuts_[t];
      std::sort(ends.begin(), ends.end(), [&](const End &a, const End &b) {
        return dot(line, a.point) < dot(line, b.point);
      });
      stretch[t] = {dot(line, ends.front().point), dot(line, ends.back().point), ends.front(),
                    ends.back()};
      out_.line("presek trougla " + std::string(kTriangles[t]) + ": s od " +
                written(stretch[t].lo) + " (" + stretch[t].loEnd.from + ") do " +
                written(stretch[t].hi) + " (" + stretch[t].hiEnd.from + ")");
    }
    const int first = stretch[1].lo > stretch[0].lo ? 1 : 0;
    const int last = stretch[1].hi < stretch[0].hi ? 1 : 0;
    const End &start = stretch[first].loEnd;
    const End &end = stretch[last].hiEnd;
    const Rational lo = stretch[first].lo;
    const Rational hi = stretch[last].hi;
    const std::string of[2] = {" (kraj preseka trougla ABC)", " (kraj preseka trougla A'B'C')"};
    // "teme A" becomes "od temena A", "tacka na ivici AB" "od tacke na ivici AB".
    const auto fromWhere = [](const std::string &from) {
      return from.starts_with("teme ") ? "temena " + from.substr(5) : "tacke " + from.substr(6);
    };
    if (lo < hi) {
      out_.line("Preklapaju se od s = " + written(lo) + " do s = " + written(hi) +
                ": presek je duz od " + fromWhere(start.from) + of[first] + ", " +
                written(start.point) + ", do " + fromWhere(end.from) + of[last] + ", " +
                written(end.point) + ".");
      exact_ = {start.point, end.point};
    } else if (lo == hi) {
      out_.line("Dodiruju se u s = " + written(lo) + ": presek je tacka " + written(start.point) +
                ".");
      exact_ = {start.point};
    } else {
      out_.line("Ne preklapaju se: izmedju njih je razmak od s = " + written(hi) + " do s = " +
                written(lo) + ", duzine ≈ " + number(length(start.point - end.point)) + ".");
    }
    out_.point(Rational(1, 2) * (start.point + end.point));
  }

  // Triangles whose cuts share no point: their closest approach.
  void closest() {
    Rational best = -1;
    Exact3 where;
    std::string how;
    for (int t = 0; t < 2; ++t) {
      const int o = 3 * (1 - t);
      for (int i = 0; i < 3; ++i) {
        const Rational d2 = toTriangle2(v_[3 * t + i], v_[o], v_[o + 1], v_[o + 2]);
        if (best < 0 || d2 < best) {
          best = d2;
          where = v_[3 * t + i];
          how = "teme " + vertexName(t, i) + " je od trougla " + kTriangles[1 - t];
        }
      }
    }
    if (!(approximately(best) < tolerance2())) {
      best = -1;
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
          const auto [p, q] = nearestPoints(v_[i], v_[(i + 1) % 3], v_[3 + j], v_[3 + (j + 1) % 3]);
          const Rational d2 = dot(p - q, p - q);
          if (best < 0 || d2 < best) {
            best = d2;
            where = Rational(1, 2) * (p + q);
            how = "ivice " + edgeName(0, i, (i + 1) % 3) + " i " + edgeName(1, j, (j + 1) % 3) +
                  " su";
          }
        }
      }
    }
    out_.heading("Najblize tacke trouglova.");
    out_.line("Tacno racunato trouglovi nemaju zajednicku tacku, ali " + how + " na rastojanju ≈ " +
              number(std::sqrt(approximately(best))) + " < " + bound_ +
              ": smatra se da se trouglovi dodiruju u " + written(where) + ".");
    out_.point(where);
  }

  // An edge, or a segment spanned, of the other triangle's plane clipped to
  // triangle t, in that plane.
  void clip(const Exact3 &a, const Exact3 &b, int t, const std::string &what) {
    const Exact3 *x = v_ + 3 * t;
    const Flat flat = flatFor(cross(x[1] - x[0], x[2] - x[0]));
    std::vector<Exact3> corners;
    for (const Exact3 *end : {&a, &b}) {
      if (placeIn(flat, *end, x[0], x[1], x[2]) >= 0) {
        corners.push_back(*end);
      }
    }
    for (int i = 0; i < 3; ++i) {
      for (const Exact3 &p : segmentsMeet(flat, a, b, x[i], x[(i + 1) % 3])) {
        corners.push_back(p);
      }
    }
    // The two farthest apart bound the part of the segment over the triangle.
    std::vector<Exact3> ends;
    for (const Exact3 &p : corners) {
      if (std::find(ends.begin(), ends.end(), p) == ends.end()) {
        ends.push_back(p);
      }
    }
    std::sort(ends.begin(), ends.end(), [&](const Exact3 &p, const Exact3 &q) {
      return dot(p - a, b - a) < dot(q - a, b - a);
    });
    if (ends.size() > 2) {
      ends = {ends.front(), ends.back()};
    }
    out_.line(what + (ends.empty() ? " nema tacaka u trouglu " + std::string(kTriangles[t]) + "."
                      : ends.size() == 1 ? " dodiruje trougao " + std::string(kTriangles[t]) +
                                               " u " + written(ends[0]) + "."
                                         : " je u trouglu " + std::string(kTriangles[t]) + " od " +
                                               written(ends[0]) + " do " + written(ends[1]) + "."));
    for (const Exact3 &p : ends) {
      out_.point(p);
    }
    exact_ = ends;
  }

  // Triangles in one plane: vertices inside the other, crossings of edges,
  // and the polygon they bound.
  void coplanar() {
    const Flat flat = flatFor(planes_[1].normal);
    out_.heading("Trouglovi u istoj ravni " + equation(planes_[1]) + ".");
    std::vector<Exact3> corners;
    for (int t = 0; t < 2; ++t) {
      const Exact3 *o = v_ + 3 * (1 - t);
      for (int i = 0; i < 3; ++i) {
        const int place = placeIn(flat, v_[3 * t + i], o[0], o[1], o[2]);
        out_.line(vertexName(t, i) +
                  (place > 0    ? " je unutar trougla "
                   : place == 0 ? " je na ivici trougla "
                                : " je van trougla ") +
                  kTriangles[1 - t] + ".");
        if (place >= 0) {
          corners.push_back(v_[3 * t + i]);
        }
      }
    }
    constexpr int kEdges[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto &e : kEdges) {
      for (const auto &g : kEdges) {
        const std::vector<Exact3> met =
            segmentsMeet(flat, v_[e[0]], v_[e[1]], v_[3 + g[0]], v_[3 + g[1]]);
        if (!met.empty()) {
          out_.line("Ivice " + edgeName(0, e[0], e[1]) + " i " + edgeName(1, g[0], g[1]) +
                    (met.size() == 1
                         ? " se seku u " + written(met[0])
                         : " se preklapaju od " + written(met[0]) + " do " + written(met[1])) +
                    ".");
        }
        corners.insert(corners.end(), met.begin(), met.end());
      }
    }
    std::vector<Exact3> polygon;
    for (const Exact3 &p : corners) {
      if (std::find(polygon.begin(), polygon.end(), p) == polygon.end()) {
        polygon.push_back(p);
      }
    }
    arrangeAround(flat, polygon);
    for (const Exact3 &p : polygon) {
      out_.point(p);
    }
    exact_ = polygon;
    flat_ = flat;
    coplanar_ = true;
  }

  // A triangle whose vertices lie on one line: the segment it spans.
  std::pair<Exact3, Exact3> span(int t) {
    const Exact3 *x = v_ + 3 * t;
    std::pair<int, int> longest{0, 1};
    for (const auto &[i, j] : {std::pair{0, 2}, {1, 2}}) {
      const Exact3 d = x[j] - x[i];
      const Exact3 e = x[longest.second] - x[longest.first];
      longest = dot(d, d) > dot(e, e) ? std::pair{i, j} : longest;
    }
    out_.heading("Temena trougla " + std::string(kTriangles[t]) + " leze na jednoj pravoj.");
    out_.line("Trougao je duz izmedju najudaljenijih temena, " + vertexName(t, longest.first) +
              " i " + vertexName(t, longest.second) + ".");
    return {x[longest.first], x[longest.second]};
  }

  // The segment a b against the proper triangle t.
  void segmentAgainst(const Exact3 &a, const Exact3 &b, int t) {
    const ExactPlane &plane = planes_[t];
    const Rational fa = valueAt(plane, a);
    const Rational fb = valueAt(plane, b);
    out_.line("Krajevi duzi u jednacini ravni " + std::string(kTriangles[t]) + ": " + written(fa) +
              " i " + written(fb) + ".");
    if (fa * fb > 0) {
      out_.line("Oba su sa iste strane ravni: duz ne dodiruje trougao.");
      exact_ = {};
    } else if (fa == 0 && fb == 0) {
      clip(a, b, t, "Duz lezi u ravni; ta duz");
    } else {
      const Rational k = fa / (fa - fb);
      const Exact3 x = a + k * (b - a);
      const Exact3 *o = v_ + 3 * t;
      const bool inside = placeIn(flatFor(plane.normal), x, o[0], o[1], o[2]) >= 0;
      out_.line("Duz prodire ravan za t = " + written(k) + " u " + written(x) + ", " +
                (inside ? "u trouglu." : "van trougla."));
      out_.point(x);
      exact_ = inside ? std::vector<Exact3>{x} : std::vector<Exact3>{};
    }
  }

  // Both triangles on lines: the segments they span.
  void spans(std::pair<Exact3, Exact3> s, std::pair<Exact3, Exact3> r) {
    const Exact3 n = cross(s.second - s.first, r.second - r.first);
    Exact3 across = cross(s.second - s.first, r.first - s.first);
    if (dot(across, across) == 0) {
      across = cross(s.second - s.first, r.second - s.first);
    }
    const Flat flat =
        flatFor(dot(n, n) != 0 ? n : (dot(across, across) != 0 ? across : Exact3{0, 0, 1}));
    const bool together = dot(n, r.first - s.first) == 0;
    exact_ =
        together ? segmentsMeet(flat, s.first, s.second, r.first, r.second) : std::vector<Exact3>{};
    out_.line(exact_.empty()       ? "Duzi nemaju zajednickih tacaka."
              : exact_.size() == 1 ? "Duzi se seku u " + written(exact_[0]) + "."
                                   : "Duzi se preklapaju od " + written(exact_[0]) + " do " +
                                         written(exact_[1]) + ".");
    for (const Exact3 &p : exact_) {
      out_.point(p);
    }
  }

  // The cuts share nothing, but an edge lies in the other triangle's plane:
  // the part of it over that triangle, as the program finds it then.
  void edgeInPlane() {
    for (int t = 0; t < 2; ++t) {
      const int *s = trace_.side[t];
      if ((s[0] == 0) + (s[1] == 0) + (s[2] == 0) == 2) {
        const int off = s[0] != 0 ? 0 : (s[1] != 0 ? 1 : 2);
        const int i = (off + 1) % 3;
        const int j = (off + 2) % 3;
        out_.heading("Ivica u ravni drugog trougla.");
        clip(v_[3 * t + std::min(i, j)], v_[3 * t + std::max(i, j)], 1 - t,
             "Ivica " + edgeName(t, i, j) + " lezi u ravni trougla " + kTriangles[1 - t] + "; ona");
        return;
      }
    }
  }

  // The answer's own points, each the exact point of the steps nearest to it;
  // where exact arithmetic found another kind, why.
  void answer(std::vector<Exact3> &points, int &exactKind) {
    exactKind = int(exact_.size());
    if (exactKind != report_.kind) {
      out_.line("");
      out_.line("Tacno racunato, presek ovim putem ima " + std::to_string(exactKind) +
                (exactKind == 1 ? " tacku" : " tacaka") + ", a program, sa odstupanjem " + bound_ +
                ", daje " + std::to_string(report_.kind) + ": " + reason());
    }
    for (int i = 0; i < report_.kind; ++i) {
      const Point3 &q = report_.points[i];
      const auto away = [&](const Exact3 &p) {
        return std::hypot(approximately(p.x) - q.x, approximately(p.y) - q.y,
                          approximately(p.z) - q.z);
      };
      const auto nearest =
          std::min_element(out_.found.begin(), out_.found.end(),
                           [&](const Exact3 &a, const Exact3 &b) { return away(a) < away(b); });
      if (nearest != out_.found.end()) {
        points.push_back(*nearest);
      }
    }
    out_.line("");
    if (report_.kind == 0) {
      out_.line("Odgovor: trouglovi se ne seku.");
      return;
    }
    out_.line("Odgovor, tacno:");
    for (std::size_t i = 0; i < points.size(); ++i) {
      out_.line(std::string(kLetters[i]) + " = " + written(points[i], fraction));
    }
    if (coplanar_ && points.size() >= 3) {
      std::vector<Exact3> around = points;
      arrangeAround(flat_, around);
      std::string order;
      for (const Exact3 &p : around) {
        order += (order.empty() ? "" : ", ") +
                 std::string(kLetters[std::find(points.begin(), points.end(), p) - points.begin()]);
      }
      out_.line("Redom oko mnogougla: " + order + ".");
    }
  }

private:
  static std::string vertexName(int t, int i) { return kNames[3 * t + i]; }
  static std::string edgeName(int t, int i, int j) {
    return vertexName(t, std::min(i, j)) + vertexName(t, std::max(i, j));
  }
  double tolerance2() const { return 1e-10 * trace_.scale * trace_.scale; }

  std::string reason() const {
    if (exact_.size() > std::size_t(report_.kind) && report_.kind >= 1) {
      return "tacke preseka blize od toga smatra jednom.";
    }
    if (report_.kind > 0 && exact_.empty()) {
      return "trouglove na rastojanju manjem od toga smatra dodirnutim.";
    }
    return "tacke blize od toga od ravni ili ivice smatra da leze na njoj.";
  }

  // Sorts corners of a convex polygon of one plane to go once around it.
  static void arrangeAround(const Flat &flat, std::vector<Exact3> &corners) {
    if (corners.size() < 3) {
      return;
    }
    double centre[2] = {0, 0};
    for (const Exact3 &p : corners) {
      centre[0] += approximately(along(p, flat.u)) / double(corners.size());
      centre[1] += approximately(along(p, flat.v)) / double(corners.size());
    }
    const auto angle = [&](const Exact3 &p) {
      return std::atan2(approximately(along(p, flat.v)) - centre[1],
                        approximately(along(p, flat.u)) - centre[0]);
    };
    std::sort(corners.begin(), corners.end(),
              [&](const Exact3 &a, const Exact3 &b) { return angle(a) < angle(b); });
    // A corner on a straight side between two others is no corner.
    for (std::size_t i = 0; corners.size() > 3 && i < corners.size();) {
      const Exact3 &p = corners[(i + corners.size() - 1) % corners.size()];
      const Exact3 &q = corners[(i + 1) % corners.size()];
      if (turn(flat, p, corners[i], q) == 0) {
        corners.erase(corners.begin() + long(i));
      } else {
        ++i;
      }
    }
  }

  const Exact3 (&v_)[6];
  const IntersectionReport &report_;
  const IntersectionTrace &trace_;
  std::string bound_;
  Writer out_;
  ExactPlane planes_[2];
  std::vector<End> cuts_[2];
  std::vector<Exact3> exact_;
  Flat flat_;
  bool coplanar_ = false;
};

} // namespace

Working workingOf(const std::array<std::string, 18> &entries, const TrianglePair &vertices,
                  const IntersectionReport &report, const IntersectionTrace &trace) {
  Exact3 v[6];
  for (int i = 0; i < 6; ++i) {
    const Point3 &p = vertices[i];
    v[i] = {exactValue(entries[3 * i], p.x), exactValue(entries[3 * i + 1], p.y),
            exactValue(entries[3 * i + 2], p.z)};
  }
  Steps steps(v, report, trace);
  Writer &out = steps.writer();
  out.line("Postupak, u tacnim brojevima kako su uneti:");
  if (trace.centre.x != 0 || trace.centre.y != 0 || trace.centre.z != 0) {
    char text[160];
    std::snprintf(
        text, sizeof text,
        "(Figura je daleko od koordinatnog pocetka: program racuna oko tacke (%g, %g, %g),"
        " sa odstupanjem prema njenoj velicini.)",
        double(trace.centre.x), double(trace.centre.y), double(trace.centre.z));
    out.line(text);
  }
  const bool proper[2] = {!trace.degenerate[0], !trace.degenerate[1]};
  if (proper[1]) {
    steps.plane(1);
  }
  if (trace.cut[0]) {
    steps.sides(0);
  }
  if (trace.cut[0] && trace.code[0] == 0) {
    // Apart: A, B, C on one side of the plane of A'B'C'.
  } else if (!proper[0] && !proper[1]) {
    steps.spans(steps.span(0), steps.span(1));
  } else if (!proper[0] || !proper[1]) {
    const int flat = proper[0] ? 1 : 0;
    if (proper[0]) {
      steps.plane(0);
    }
    const auto [a, b] = steps.span(flat);
    steps.segmentAgainst(a, b, 1 - flat);
  } else if (trace.code[0] == 1) {
    steps.coplanar();
  } else {
    steps.cut(0);
    steps.plane(0);
    steps.sides(1);
    if (trace.code[1] == 1) {
      steps.coplanar();
    } else if (trace.code[1] != 0) {
      steps.cut(1);
      steps.overlap();
      if (trace.path == Path::edgeInPlane) {
        steps.edgeInPlane();
      }
    }
  }
  // The program found a point where exact arithmetic found none: the
  // triangles come within its tolerance, at their closest approach.
  if (trace.path == Path::closestTouch || (report.kind > 0 && !steps.foundAny())) {
    steps.closest();
  }
  Working working;
  steps.answer(working.points, working.exactKind);
  working.text = out.text;
  return working;
}
