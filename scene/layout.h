#pragma once

#include "scene/scene_store.h"
#include "scene/space_camera.h"

#include <string>
#include <vector>

// A picture placed once, to be drawn by any backend (the window, the files,
// the page): every mark in pixels, x to the right and y down from the top
// left corner. No backend decides where anything goes; each draws the lists
// below in order, later over earlier.

struct PictureDot { // a square of kDotSize pixels centred on (x, y)
  double x = 0.0;
  double y = 0.0;
  Rgb color{};
};

struct PictureLine { // one pixel wide
  double x1 = 0.0;
  double y1 = 0.0;
  double x2 = 0.0;
  double y2 = 0.0;
  Rgb color{};
  bool dashed = false;
};

// A filled triangle, its colour laid over what is drawn before it with the
// opacity `alpha` (1 hides what lies beneath).
struct PictureFace {
  double x[3] = {};
  double y[3] = {};
  Rgb color{};
  float alpha = 1.0f;
};

// A run of text in one colour.
struct TextPiece {
  std::string text;
  Rgb color{};
};

// A line of text whose baseline starts at (x, y): its pieces follow one
// another at the widths textWidth gives them.
struct PictureText {
  double x = 0.0;
  double y = 0.0;
  int size = 0;
  std::vector<TextPiece> pieces;
};

struct Box {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
};

inline constexpr int kDotSize = 4;

// The box a text covers: its width from textWidth, ascentOf above the
// baseline and descentOf below.
Box boxOf(const PictureText &text);

// The pictures' background, unless a picture asks for another.
inline constexpr Rgb kBackground{0.9f, 0.9f, 0.8f};

// The colours a picture is drawn in: its background; the figures' edges and
// dots, red, green and blue as pointColor numbers them; their letters; and
// whether the second triangle's edges are dashed.
struct Style {
  Rgb background;
  Rgb figures[3];
  Rgb letters[3];
  bool dashSecond;
};

// The screen's: the window's, the files' and the page's.
inline constexpr Style kScreenStyle{kBackground,
                                    {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}},
                                    {{0.75f, 0.0f, 0.0f}, {0.0f, 0.4f, 0.0f}, {0.0f, 0.0f, 1.0f}},
                                    false};

// Paper's: white, each colour dark enough to stand out from it by a contrast
// ratio of at least 3 : 1 (about 5.7 for red, 5.1 for green, 9.6 for blue,
// more for the letters), and the second triangle dashed, so that a page reads
// in greyscale too.
inline constexpr Style kPrintStyle{{1.0f, 1.0f, 1.0f},
                                   {{0.8f, 0.0f, 0.0f}, {0.0f, 0.5f, 0.0f}, {0.0f, 0.0f, 0.8f}},
                                   {{0.7f, 0.0f, 0.0f}, {0.0f, 0.4f, 0.0f}, {0.0f, 0.0f, 0.7f}},
                                   true};

struct Picture {
  int width = 0;
  int height = 0;
  Rgb background = kBackground;
  std::vector<PictureFace> faces;   // the faces in space, back to front
  std::vector<PictureLine> edges;   // the figures' edges, in the scene's order
  std::vector<PictureDot> dots;     // every vertex and corner, in the scene's order
  std::vector<PictureText> names;   // of the views, or of the axes in space
  std::vector<PictureLine> leaders; // from a dot to its label placed farther off
  std::vector<PictureText> labels;  // the dots' letters, joined where dots meet
  std::vector<PictureText> hint;    // the keys, one line each, at the bottom left
};

// The pieces of the line of keys: what each key does, such as "v: prikaz u
// prostoru". Empty for a picture without one, such as a file.
using Hint = std::vector<std::string>;

// The window's lines of keys, under the projections and in space.
extern const Hint kWindowHint;
extern const Hint kWindowSpaceHint;

// The scene's three views fitted into width × height pixels: one scale for
// all, as large as leaves kSideMargin pixels free at the sides and the top and
// room for the names and the hint at the bottom, the drawn box centred. Each
// view's name is written centred under it, kNameDrop pixels below the lowest
// dot of any view. The letters of each view are joined into one label where
// their dots fall within kJoinRadius pixels of each other: "=" between letters
// of one point (equal in the view's two coordinates), ", " between points
// that only lie close, as "B=C', M, N". Each label is placed beside its dot
// where that is free, up and to the right first, else farther off with a
// leader line to the dot. An overlap's polygon is filled with a translucent
// red under the edges that join its corners. The hint is written at the
// bottom left, its pieces three spaces apart, wrapped onto more lines where
// the width runs out. The figures are drawn in `style`'s colours.
Picture layOut(const Scene &scene, int width, int height, const Hint &hint,
               const Style &style = kScreenStyle);

inline constexpr int kSideMargin = 24;
inline constexpr int kNameDrop = 18;

// The view in space seen from `orbit`, in perspective, for width × height
// pixels. `faces` are both triangles' faces in a translucent tint of their
// colours, back to front, then the overlap's polygon over them; `edges` the
// X, Y and Z axes, then both triangles' edges, then the intersection's
// outline; `dots` every vertex, then every corner of the intersection. What a
// face of the other triangle hides shows through its tint: an edge piece by
// piece, a dot, and a letter (fainter). The intersection lies on both faces
// and is drawn over everything. Whatever lies nearer the eye than the
// camera's near plane is cut away. Each point's letter is placed as
// layOut places a label, and each axis is named beside its end, fainter where
// a face hides that end.
Picture layOutSpace(const SpaceFigures &figures, Orbit orbit, int width, int height,
                    const Hint &hint, const Style &style = kScreenStyle);

// How much of what lies behind a face shows through it, and the faces' tints,
// red, green and blue as pointColor numbers them.
inline constexpr float kFaceAlpha = 0.45f;
inline constexpr Rgb kFaceTints[3] = {
    {1.0f, 0.55f, 0.55f}, {0.55f, 1.0f, 0.55f}, {0.55f, 0.55f, 1.0f}};

// `color` seen through a face of tint `tint`.
Rgb seenThrough(Rgb color, Rgb tint);

// The colour `color` faded halfway into the background: for what a face hides.
Rgb faded(Rgb color, Rgb background = kBackground);
