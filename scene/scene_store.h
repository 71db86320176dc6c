#pragma once

#include <list>
#include <optional>
#include <vector>

// A drawing colour: 0 to 9 name the entries of colorOf; every other value,
// negative ones included, has none.
using ColorIndex = int;

inline constexpr ColorIndex kDefaultColor = 9; // black

struct Rgb {
  float red;
  float green;
  float blue;
};

// The table colour of `index`, or nothing when the index has no entry.
std::optional<Rgb> colorOf(ColorIndex index);

struct ScenePoint {
  float x = 0.0f;
  float y = 0.0f;
  ColorIndex color = kDefaultColor;
};

// Only the segment's own colour is drawn; those of its ends ride along.
struct SceneSegment {
  ScenePoint start;
  ScenePoint end;
  ColorIndex color = kDefaultColor;
};

// An unbounded line through `point` along `direction` (not normalised).
struct SceneLine {
  ScenePoint point;
  ScenePoint direction;
  ColorIndex color = kDefaultColor;
};

struct SceneCircle {
  ScenePoint center;
  float radius = 0.0f;
  ColorIndex color = kDefaultColor;
};

// The running rectangle over every coordinate added. Its starting corners are
// part of the result: minimum never exceeds (1024, 700), maximum never falls
// below (0, 0).
struct SceneBounds {
  ScenePoint minimum{1024.0f, 700.0f};
  ScenePoint maximum{0.0f, 0.0f};
};

// A caption of the picture, drawn in black: centred under (x, y), a few
// pixels below it whatever the scale (layOut places it). Not a record of the
// drawing: it widens no bounds.
struct SceneLabel {
  float x = 0.0f;
  float y = 0.0f;
  const char *text = "";
};

// The console's letter of a dot drawn at (x, y) in view `view` (0 XY, 1 XZ,
// 2 YZ), in a shade of the figure's colour `color`: beside the dot, joined
// with the letters of the view's other dots that fall within a few pixels of
// it, as layOut places them. Like a label, not a record of the drawing: it
// widens no bounds.
struct SceneLetter {
  float x = 0.0f;
  float y = 0.0f;
  const char *text = "";
  ColorIndex color = kDefaultColor;
  int view = 0;
};

// A polygon to fill, its corners in order around it: an overlap's interior.
// Like a label, not a record of the drawing: it widens no bounds.
struct ScenePolygon {
  std::vector<ScenePoint> corners;
  ColorIndex color = kDefaultColor;
};

// The drawable model. Lists keep their records in insertion order.
struct Scene {
  SceneBounds bounds;
  std::list<ScenePoint> points;
  std::list<SceneSegment> segments;
  std::list<SceneLine> lines;
  std::list<SceneCircle> circles;
  std::list<SceneLabel> labels;
  std::list<SceneLetter> letters;
  std::list<ScenePolygon> polygons;
};

// The one scene of the process, filled before the window opens and only read
// after. Released at normal process exit.
extern Scene scene;

// Appends a copy of `point` with its colour replaced by `color`, then widens
// the bounds with it.
void addPoint(ScenePoint point, ColorIndex color);

// Appends a copy of `segment` with its own colour replaced by `color` (its
// ends keep theirs), then widens the bounds with start, then with end.
void addSegment(SceneSegment segment, ColorIndex color);

// Appends a copy of `label`; the bounds stay as they are.
void addLabel(SceneLabel label);

// Appends a copy of `letter`; the bounds stay as they are.
void addLetter(SceneLetter letter);

// Appends a copy of `polygon`; the bounds stay as they are.
void addPolygon(ScenePolygon polygon);
