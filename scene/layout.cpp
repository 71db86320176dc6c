#include "scene/layout.h"

#include "scene/letters.h"
#include "scene/text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <tuple>
#include <utility>

namespace {

constexpr Rgb kBlack{0.0f, 0.0f, 0.0f};
constexpr Rgb kDarkGrey{0.2f, 0.2f, 0.2f};
constexpr Rgb kLeaderGrey{0.45f, 0.45f, 0.45f};
constexpr Rgb kAxisColor{0.2f, 0.2f, 0.2f};
constexpr int kHintLine = 13;   // pixels from one line of keys to the next
constexpr int kLabelGap = 4;    // pixels from a dot to its label beside it
constexpr int kRings = 12;      // farther places tried, 10 pixels apart
constexpr int kDirections = 16; // around the dot on each ring

bool overlap(const Box &a, const Box &b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Box grown(Box box, double by) {
  return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

// Whether the segment crosses the box: the part of it left after clipping to
// each side in turn (Liang and Barsky) is not empty.
bool crosses(const PictureLine &line, const Box &box) {
  double from = 0.0;
  double to = 1.0;
  const double d[2] = {line.x2 - line.x1, line.y2 - line.y1};
  const double start[2] = {line.x1, line.y1};
  const double low[2] = {box.left, box.top};
  const double high[2] = {box.right, box.bottom};
  for (int axis = 0; axis < 2; ++axis) {
    for (const double edge : {low[axis], high[axis]}) {
      const double toward = edge == low[axis] ? -d[axis] : d[axis];
      const double room = edge == low[axis] ? start[axis] - edge : edge - start[axis];
      if (toward == 0.0) {
        if (room < 0.0) {
          return false;
        }
      } else if (toward < 0.0) {
        from = std::max(from, room / toward);
      } else {
        to = std::min(to, room / toward);
      }
    }
  }
  return from < to;
}

int widthOf(const PictureText &text) {
  int width = 0;
  for (const TextPiece &piece : text.pieces) {
    width += textWidth(piece.text, text.size);
  }
  return width;
}

// What labels must keep clear of, and what they had better not cross.
struct Placer {
  Box room;                       // the picture, less the hint
  std::vector<Box> taken;         // names and labels already placed
  std::vector<Box> dots;          // every dot, with a pixel around it
  std::vector<PictureLine> lines; // edges and leaders
};

// A box clear of every name, label and dot, with its leader (from the anchor
// to the box) clear of every name and label.
bool isFree(const Placer &placer, const Box &box, const PictureLine *leader) {
  const Box &room = placer.room;
  if (box.left < room.left || box.top < room.top || box.right > room.right ||
      box.bottom > room.bottom) {
    return false;
  }
  const Box apart = grown(box, 1.0);
  const auto hit = [&](const Box &other) { return overlap(apart, other); };
  if (std::any_of(placer.taken.begin(), placer.taken.end(), hit) ||
      std::any_of(placer.dots.begin(), placer.dots.end(), hit)) {
    return false;
  }
  return leader == nullptr ||
         std::none_of(placer.taken.begin(), placer.taken.end(),
                      [&](const Box &other) { return crosses(*leader, grown(other, 1.0)); });
}

// Places `text` beside the dot at (x, y): in the first free place around it,
// up and to the right first, else on rings farther off with a leader line to
// the dot, else wherever the picture is free nearest to it. Of the places
// tried, the one that crosses fewest lines wins, each ring farther off
// costing as much as two lines crossed.
PictureText place(Placer &placer, PictureText text, double x, double y,
                  std::vector<PictureLine> &leaders) {
  const Box dot = grown({x, y, x, y}, kDotSize / 2.0);
  const double w = widthOf(text);
  const double up = ascentOf(text.size);
  const double down = descentOf(text.size);
  struct Place {
    double left;
    double baseline;
  };
  const Place beside[8] = {
      {dot.right + kLabelGap, dot.top - kLabelGap - down},     // up right
      {dot.left - kLabelGap - w, dot.top - kLabelGap - down},  // up left
      {dot.right + kLabelGap, dot.bottom + kLabelGap + up},    // down right
      {dot.left - kLabelGap - w, dot.bottom + kLabelGap + up}, // down left
      {dot.right + kLabelGap + 1, y + (up - down) / 2.0},      // right
      {dot.left - kLabelGap - 1 - w, y + (up - down) / 2.0},   // left
      {x - w / 2.0, dot.top - kLabelGap - 1 - down},           // above
      {x - w / 2.0, dot.bottom + kLabelGap + 1 + up},          // below
  };
  const auto boxAt = [&](Place at) {
    return Box{std::round(at.left), std::round(at.baseline) - up, std::round(at.left) + w,
               std::round(at.baseline) + down};
  };
  const auto leaderTo = [&](const Box &box) {
    return PictureLine{x, y, std::clamp(x, box.left, box.right), std::clamp(y, box.top, box.bottom),
                       kLeaderGrey};
  };
  double bestCost = std::numeric_limits<double>::infinity();
  Box best = boxAt(beside[0]);
  bool led = false;
  const auto consider = [&](const Box &box, int ring) {
    const PictureLine leader = leaderTo(box);
    if (!isFree(placer, box, ring > 0 ? &leader : nullptr)) {
      return;
    }
    const double cost =
        2.0 * ring +
        double(std::count_if(placer.lines.begin(), placer.lines.end(),
                             [&](const PictureLine &line) { return crosses(line, box); }));
    if (cost < bestCost) {
      bestCost = cost;
      best = box;
      led = ring > 0;
    }
  };
  for (const Place &at : beside) {
    consider(boxAt(at), 0);
  }
  for (int ring = 1; ring <= kRings && bestCost > 2.0 * ring; ++ring) {
    const double reach = kLabelGap + 10.0 * ring;
    for (int k = 0; k < kDirections; ++k) {
      const double angle = std::numbers::pi / 4.0 + 2.0 * std::numbers::pi * k / kDirections;
      const double dx = std::cos(angle);
      const double dy = -std::sin(angle);
      const double midX = x + dx * (reach + w / 2.0);
      const double midY = y + dy * (reach + (up + down) / 2.0);
      consider(boxAt({midX - w / 2.0, midY + (up - down) / 2.0}), ring);
    }
  }
  if (std::isinf(bestCost)) {
    // Nothing near is free: the free place nearest to the dot, scanned in
    // steps of a few pixels over the whole picture, its leader crossing no
    // label if any such place is left.
    double nearest = std::numeric_limits<double>::infinity();
    for (double top = placer.room.top; top + up + down <= placer.room.bottom; top += 3.0) {
      for (double left = placer.room.left; left + w <= placer.room.right; left += 3.0) {
        const Box box{left, top, left + w, top + up + down};
        const PictureLine leader = leaderTo(box);
        const double apart =
            std::hypot(leader.x2 - x, leader.y2 - y) + (isFree(placer, box, &leader) ? 0.0 : 1e6);
        if (apart < nearest && isFree(placer, box, nullptr)) {
          nearest = apart;
          best = box;
          led = true;
        }
      }
    }
  }
  text.x = best.left;
  text.y = best.bottom - down;
  if (led) {
    leaders.push_back(leaderTo(best));
    placer.lines.push_back(leaders.back());
  }
  placer.taken.push_back(best);
  return text;
}

// Places one label for each group of `letters` (joinedLabels): its letters in
// their shades, faded for faint ones, "=" joining the letters of one point
// and ", " the points, both in black.
void placeLetters(Placer &placer, const std::vector<PlacedLetter> &letters, const Style &style,
                  Picture &picture) {
  for (std::vector<PlacedLetter> group : joinedLabels(letters)) {
    // The letters of each point together, the points in the order of their
    // first letters.
    const auto samePoint = [](const PlacedLetter &a, const PlacedLetter &b) {
      return a.at[0] == b.at[0] && a.at[1] == b.at[1] && a.at[2] == b.at[2];
    };
    std::stable_sort(group.begin(), group.end(), [&](const PlacedLetter &a, const PlacedLetter &b) {
      const auto first = [&](const PlacedLetter &x) {
        return std::find_if(group.begin(), group.end(),
                            [&](const PlacedLetter &y) { return samePoint(x, y); }) -
               group.begin();
      };
      return first(a) < first(b);
    });
    PictureText text{0.0, 0.0, kTextSize, {}};
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (i > 0) {
        text.pieces.push_back({samePoint(group[i - 1], group[i]) ? "=" : ", ", kBlack});
      }
      const ColorIndex c = group[i].color;
      const Rgb shade = c >= 0 && c < 3 ? style.letters[c] : letterColorOf(c).value_or(kBlack);
      text.pieces.push_back(
          {group[i].text, group[i].faint ? faded(shade, style.background) : shade});
    }
    // Beside the first letter's dot; the others lie within a few pixels of
    // the group's dots, and the label keeps clear of them all.
    picture.labels.push_back(
        place(placer, std::move(text), group.front().x, group.front().y, picture.leaders));
  }
}

// The hint's pieces, three spaces apart, broken onto more lines before a
// piece that would run past `width`; the last line at the bottom.
std::vector<PictureText> hintLines(const Hint &hint, int width, int height) {
  std::vector<std::string> lines;
  for (const std::string &piece : hint) {
    const std::string longer = lines.empty() ? piece : lines.back() + "   " + piece;
    if (!lines.empty() && textWidth(longer, kHintSize) <= width - 16) {
      lines.back() = longer;
    } else {
      lines.push_back(piece);
    }
  }
  std::vector<PictureText> texts;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double baseline = height - 8.0 - kHintLine * double(lines.size() - 1 - i);
    texts.push_back({8.0, baseline, kHintSize, {{lines[i], kDarkGrey}}});
  }
  return texts;
}

// The room labels may take: the picture less a pixel at its edges and the
// lines of keys at the bottom.
Box roomAbove(const Picture &picture) {
  const double bottom =
      picture.hint.empty() ? picture.height - 1.0 : boxOf(picture.hint.front()).top - 2.0;
  return {1.0, 1.0, picture.width - 1.0, bottom};
}

// The colour of the table's `index` in `style`: the figures' own, else the
// table's.
Rgb rgbOf(ColorIndex index, const Style &style) {
  return index >= 0 && index < 3 ? style.figures[index] : colorOf(index).value_or(kBlack);
}

// The smallest rectangle around the scene's marks; from (0, 0) to (1024, 700)
// when it has none.
SceneBounds drawnBox(const Scene &scene) {
  SceneBounds box{
      {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity()},
      {-std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()}};
  const auto widen = [&](ScenePoint p) {
    box.minimum = {std::min(box.minimum.x, p.x), std::min(box.minimum.y, p.y)};
    box.maximum = {std::max(box.maximum.x, p.x), std::max(box.maximum.y, p.y)};
  };
  for (const ScenePoint &point : scene.points) {
    widen(point);
  }
  for (const SceneSegment &segment : scene.segments) {
    widen(segment.start);
    widen(segment.end);
  }
  if (box.minimum.x > box.maximum.x) {
    return {{0.0f, 0.0f}, {1024.0f, 700.0f}};
  }
  return box;
}

} // namespace

const Hint kWindowHint = {"v: prikaz u prostoru", "s: cuvanje slike", "Esc: kraj"};
const Hint kWindowSpaceHint = {"v: tri projekcije",  "mis: okretanje",   "tocak, +/-: uvecanje",
                               "r: pocetni polozaj", "s: cuvanje slike", "Esc: kraj"};

Box boxOf(const PictureText &text) {
  return {text.x, text.y - ascentOf(text.size), text.x + widthOf(text),
          text.y + descentOf(text.size)};
}

Rgb faded(Rgb color, Rgb background) {
  return {(color.red + background.red) / 2.0f, (color.green + background.green) / 2.0f,
          (color.blue + background.blue) / 2.0f};
}

Picture layOut(const Scene &scene, int width, int height, const Hint &hint, const Style &style) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.background = style.background;
  picture.hint = hintLines(hint, width, height);
  const double hintRoom = picture.hint.empty() ? 0.0 : kHintLine * double(picture.hint.size());
  const double bottom = kSideMargin + hintRoom;

  // One scale for both directions, as large as fits; a box without width or
  // height is fitted by the other, a single point drawn in the middle.
  const SceneBounds box = drawnBox(scene);
  const double boxWidth = double(box.maximum.x) - box.minimum.x;
  const double boxHeight = double(box.maximum.y) - box.minimum.y;
  const double roomWidth = std::max(width - 2.0 * kSideMargin, 1.0);
  const double roomHeight = std::max(height - kSideMargin - bottom, 1.0);
  double scale = std::numeric_limits<double>::infinity();
  if (boxWidth > 0.0) {
    scale = roomWidth / boxWidth;
  }
  if (boxHeight > 0.0) {
    scale = std::min(scale, roomHeight / boxHeight);
  }
  scale = std::isinf(scale) ? 1.0 : scale;
  const double cx = (double(box.maximum.x) + box.minimum.x) / 2.0;
  const double cy = (double(box.maximum.y) + box.minimum.y) / 2.0;
  // Dots stand on whole pixels, so that every backend fills the same ones.
  const auto px = [&](double x) { return std::round(width / 2.0 + (x - cx) * scale); };
  const auto py = [&](double y) {
    return std::round(kSideMargin + roomHeight / 2.0 - (y - cy) * scale);
  };

  for (const SceneCircle &circle : scene.circles) {
    constexpr int kVertices = 100;
    for (int i = 0; i < kVertices; ++i) {
      const double a = 2.0 * std::numbers::pi * i / kVertices;
      const double b = 2.0 * std::numbers::pi * (i + 1) / kVertices;
      picture.edges.push_back({px(circle.center.x + circle.radius * std::cos(a)),
                               py(circle.center.y + circle.radius * std::sin(a)),
                               px(circle.center.x + circle.radius * std::cos(b)),
                               py(circle.center.y + circle.radius * std::sin(b)),
                               rgbOf(circle.color, style)});
    }
  }
  for (const SceneLine &line : scene.lines) {
    constexpr double kReach = 100.0;
    picture.edges.push_back(
        {px(line.point.x + kReach * line.direction.x), py(line.point.y + kReach * line.direction.y),
         px(line.point.x - kReach * line.direction.x), py(line.point.y - kReach * line.direction.y),
         rgbOf(line.color, style)});
  }
  for (const SceneSegment &segment : scene.segments) {
    picture.edges.push_back({px(segment.start.x), py(segment.start.y), px(segment.end.x),
                             py(segment.end.y), rgbOf(segment.color, style),
                             style.dashSecond && segment.color == pointColor(3)});
  }
  // An overlap's polygon, filled from its first corner, under every edge.
  for (const ScenePolygon &polygon : scene.polygons) {
    const std::vector<ScenePoint> &c = polygon.corners;
    for (std::size_t i = 1; i + 1 < c.size(); ++i) {
      picture.faces.push_back({{px(c[0].x), px(c[i].x), px(c[i + 1].x)},
                               {py(c[0].y), py(c[i].y), py(c[i + 1].y)},
                               kFaceTints[pointColor(6)],
                               kFaceAlpha});
    }
  }
  Placer placer;
  for (const ScenePoint &point : scene.points) {
    picture.dots.push_back({px(point.x), py(point.y), rgbOf(point.color, style)});
    const PictureDot &dot = picture.dots.back();
    placer.dots.push_back(grown({dot.x, dot.y, dot.x, dot.y}, kDotSize / 2.0));
  }
  placer.lines = picture.edges;

  // The names stand on one line under the lowest dot of any view.
  double lowest = 0.0;
  for (const PictureDot &dot : picture.dots) {
    lowest = std::max(lowest, dot.y);
  }
  for (const SceneLabel &label : scene.labels) {
    PictureText name{0.0, lowest + kNameDrop, kTextSize, {{label.text, kBlack}}};
    name.x = std::round(px(label.x) - widthOf(name) / 2.0);
    // A name keeps a few pixels more to itself, so that no label reads on
    // into it.
    placer.taken.push_back(grown(boxOf(name), 3.0));
    picture.names.push_back(name);
  }

  placer.room = roomAbove(picture);
  for (int view = 0; view < 3; ++view) {
    std::vector<PlacedLetter> letters;
    for (const SceneLetter &letter : scene.letters) {
      if (letter.view == view) {
        letters.push_back({px(letter.x),
                           py(letter.y),
                           letter.text,
                           letter.color,
                           false,
                           {letter.x, letter.y, 0.0}});
      }
    }
    placeLetters(placer, letters, style, picture);
  }
  return picture;
}

Rgb seenThrough(Rgb color, Rgb tint) {
  const auto mix = [](float under, float over) {
    return kFaceAlpha * over + (1.0f - kFaceAlpha) * under;
  };
  return {mix(color.red, tint.red), mix(color.green, tint.green), mix(color.blue, tint.blue)};
}

Picture layOutSpace(const SpaceFigures &figures, Orbit orbit, int width, int height,
                    const Hint &hint, const Style &style) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.background = style.background;
  picture.hint = hintLines(hint, width, height);
  const SpaceCamera camera = spaceCamera(figures, orbit, width, height);
  const int corners = cornerCount(figures);
  // Every point measured from the centre, so that the figures' own size sets
  // the precision wherever they lie.
  Vec3 at[12];
  for (int i = 0; i < 6 + corners; ++i) {
    const Point3 p = i < 6 ? figures.vertices[i] : figures.corners[i - 6];
    at[i] = {p.x - camera.centre.x, p.y - camera.centre.y, p.z - camera.centre.z};
  }
  const auto depth = [&](Vec3 p) { return onScreen(camera, p, width, height).depth; };
  const auto screen = [&](Vec3 p) {
    const OnScreen s = onScreen(camera, p, width, height);
    return std::pair{s.x, s.y};
  };
  const auto hidden = [&](Vec3 p) { return hiddenByFace(camera, figures, p); };
  // The part of a flat convex polygon in front of the near plane (Sutherland
  // and Hodgman, against that one plane), and of a segment.
  const auto ahead = [&](Vec3 p) { return depth(p) - camera.nearPlane; };
  const auto between = [&](Vec3 p, Vec3 q) {
    const double t = ahead(p) / (ahead(p) - ahead(q));
    return Vec3{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y), p.z + t * (q.z - p.z)};
  };
  const auto inFront = [&](const std::vector<Vec3> &polygon) {
    std::vector<Vec3> kept;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      const Vec3 &p = polygon[i];
      const Vec3 &q = polygon[(i + 1) % polygon.size()];
      if (ahead(p) >= 0.0) {
        kept.push_back(p);
      }
      if ((ahead(p) < 0.0) != (ahead(q) < 0.0)) {
        kept.push_back(between(p, q));
      }
    }
    return kept;
  };
  const auto segmentInFront = [&](Vec3 a, Vec3 b) -> std::optional<std::pair<Vec3, Vec3>> {
    if (ahead(a) < 0.0 && ahead(b) < 0.0) {
      return std::nullopt;
    }
    return std::pair{ahead(a) < 0.0 ? between(a, b) : a, ahead(b) < 0.0 ? between(a, b) : b};
  };
  const auto fill = [&](const std::vector<Vec3> &polygon, Rgb tint) {
    const std::vector<Vec3> seen = inFront(polygon);
    for (std::size_t i = 1; i + 1 < seen.size(); ++i) {
      PictureFace face{{}, {}, tint, kFaceAlpha};
      const Vec3 triangle[3] = {seen[0], seen[i], seen[i + 1]};
      for (int k = 0; k < 3; ++k) {
        std::tie(face.x[k], face.y[k]) = screen(triangle[k]);
      }
      picture.faces.push_back(face);
    }
  };
  // A line from a to b in `color`, in pieces: where a face hides a piece it is
  // drawn in `behind` instead.
  const auto line = [&](Vec3 a, Vec3 b, Rgb color, Rgb behind, bool dashed) {
    const auto seen = segmentInFront(a, b);
    if (!seen) {
      return;
    }
    constexpr int kPieces = 24;
    const Vec3 from = seen->first;
    const Vec3 to = seen->second;
    const Vec3 d{to.x - from.x, to.y - from.y, to.z - from.z};
    const auto along = [&](double t) {
      return Vec3{from.x + t * d.x, from.y + t * d.y, from.z + t * d.z};
    };
    int start = 0;
    for (int k = 1; k <= kPieces; ++k) {
      const bool behindNow = hidden(along((k - 0.5) / kPieces));
      if (k == kPieces || behindNow != hidden(along((k + 0.5) / kPieces))) {
        const auto [x1, y1] = screen(along(double(start) / kPieces));
        const auto [x2, y2] = screen(along(double(k) / kPieces));
        picture.edges.push_back({x1, y1, x2, y2, behindNow ? behind : color, dashed});
        start = k;
      }
    }
  };

  // The faces back to front, then the overlap's polygon over both.
  int order[2] = {0, 3};
  if (depth(at[0]) + depth(at[1]) + depth(at[2]) < depth(at[3]) + depth(at[4]) + depth(at[5])) {
    std::swap(order[0], order[1]);
  }
  for (const int first : order) {
    fill({at[first], at[first + 1], at[first + 2]}, kFaceTints[pointColor(first)]);
  }
  int around[6];
  cornersAround(figures.corners, corners, around);
  std::vector<Vec3> outline;
  for (int i = 0; i < corners; ++i) {
    outline.push_back(at[6 + around[i]]);
  }
  if (corners >= 3) {
    fill(outline, kFaceTints[pointColor(6)]);
  }

  // The axes first, so that every edge and dot is drawn over them; the
  // triangles' edges; the intersection's outline over all.
  for (const Vec3 &end : camera.axesEnd) {
    line(camera.axesStart, end, kAxisColor, faded(kAxisColor, style.background), false);
  }
  for (const int first : {0, 3}) {
    const Rgb color = rgbOf(pointColor(first), style);
    const Rgb behind = seenThrough(color, kFaceTints[pointColor(3 - first)]);
    for (int i = 0; i < 3; ++i) {
      line(at[first + i], at[first + (i + 1) % 3], color, behind, style.dashSecond && first == 3);
    }
  }
  const Rgb red = rgbOf(pointColor(6), style);
  for (int i = 0; corners >= 2 && i < (corners == 2 ? 1 : corners); ++i) {
    if (const auto seen = segmentInFront(outline[i], outline[(i + 1) % corners])) {
      const auto [x1, y1] = screen(seen->first);
      const auto [x2, y2] = screen(seen->second);
      picture.edges.push_back({x1, y1, x2, y2, red});
    }
  }

  // The dots, a vertex behind the other triangle's face seen through it, and
  // their letters, written fainter there; none for a point behind the eye.
  Placer placer;
  std::vector<PlacedLetter> letters;
  for (int i = 0; i < 6 + corners; ++i) {
    if (depth(at[i]) < camera.nearPlane) {
      continue;
    }
    const Rgb color = rgbOf(pointColor(i), style);
    const bool behind = i < 6 && hidden(at[i]);
    const auto [x, y] = screen(at[i]);
    picture.dots.push_back(
        {x, y, behind ? seenThrough(color, kFaceTints[pointColor(i < 3 ? 3 : 0)]) : color});
    placer.dots.push_back(grown({x, y, x, y}, kDotSize / 2.0));
    letters.push_back({x, y, kPointLetters[i], pointColor(i), behind, {at[i].x, at[i].y, at[i].z}});
  }
  placer.lines = picture.edges;
  placer.room = roomAbove(picture);

  // The axes' names go first, beside the axes' ends.
  for (int axis = 0; axis < 3; ++axis) {
    const auto [x, y] = screen(camera.axesEnd[axis]);
    const char *const names[3] = {"X", "Y", "Z"};
    const bool behind = hidden(camera.axesEnd[axis]);
    const Rgb shade = behind ? faded(kAxisColor, style.background) : kAxisColor;
    PictureText name{0.0, 0.0, kTextSize, {{names[axis], shade}}};
    picture.names.push_back(place(placer, name, x, y, picture.leaders));
  }
  placeLetters(placer, letters, style, picture);
  return picture;
}
