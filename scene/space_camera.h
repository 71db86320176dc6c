#pragma once

#include "geometry/point3.h"

// What the view in space draws: the vertices A, B, C, A', B', C' of both
// triangles and the intersection's corners M to S as the engine left them;
// `kind` is the engine's result, and a value outside 1 to 6 draws no
// intersection.
struct SpaceFigures {
  Point3 vertices[6];
  Point3 corners[6];
  int kind = 0;
};

// Filled by main before the window opens; the window only reads it.
extern SpaceFigures spaceFigures;

// The number of corners `figures` holds: its kind, or 0 outside 1 to 6.
int cornerCount(const SpaceFigures &figures);

// Where the camera stands around the figures, with z up: the azimuth in
// degrees about the z axis, counter-clockwise from +x seen from above; the
// elevation in degrees above the xy plane; and the distance as a multiple of
// the fitted one (sphereDistance).
struct Orbit {
  double azimuth = 30.0;
  double elevation = 20.0;
  double zoom = 1.0;
};

// The orbit after a drag of `right` pixels to the right and `down` pixels
// down: half a degree a pixel, as if the figures' near side were taken along;
// the elevation held within ±89°, so the camera never looks straight down the
// z axis that stays up on the screen.
Orbit turned(Orbit orbit, double right, double down);

// The orbit with its distance multiplied by `factor`, held within a quarter
// and four times the fitted distance.
Orbit zoomed(Orbit orbit, double factor);

// Pixels kept free around the bounding sphere: room for the axes' ends and
// their names, which reach a little beyond it.
inline constexpr int kSpaceMargin = 48;

// The camera distance at which a sphere of `radius`, centred on the line of
// sight, fits into a window of width × height pixels seen with a 45-degree
// vertical field of view, kSpaceMargin pixels to spare on every side. A window
// no larger than its margins counts as one pixel of room.
double sphereDistance(double radius, int width, int height);

// A point or a vector in double precision.
struct Vec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// The view in space for a window of width × height pixels. Everything but
// `centre` is measured from the centre, so that the figures' own size sets
// the precision wherever they lie.
struct SpaceCamera {
  Vec3 centre;      // the centre of the six vertices' box, looked at
  Vec3 eye;         // where the camera stands
  double nearPlane; // distances from the eye between which all drawn lies;
  double farPlane;  // nearer than nearPlane is cut away
  Vec3 axesStart;   // the origin, or the box's lowest corner when the
                    // origin is more than one box diagonal away
  Vec3 axesEnd[3];  // the ends of the X, Y and Z axes, where each leaves
                    // the sphere 1.05 times the bounding one; one radius
                    // from a start outside it
};

// The camera for `figures` at `orbit`: it looks at the centre of the six
// vertices' box from the orbit's direction, zoom × sphereDistance away for
// the box's bounding sphere.
SpaceCamera spaceCamera(const SpaceFigures &figures, Orbit orbit, int width, int height);

// The orbit the view in space starts from for `figures`: 30° and 20°
// wherever both triangles already show at least half of their area there;
// else, of azimuths in steps of 5° and elevations from 10° to 60°, the one
// where the smaller of the two triangles' shares of their area, seen along
// the line of sight, is largest. A triangle with no area counts as seen
// whole.
Orbit startingOrbit(const SpaceFigures &figures);

// A key press or a wheel notch zooms by this much.
inline constexpr double kZoomStep = 1.25;

// What a key does to a view of `figures`, in the window as on the page: v
// switches between the projections and the view in space; in space, r returns
// to the start, and + and - zoom in and out. Whether the key did anything.
bool viewAfterKey(int key, bool &inSpace, Orbit &orbit, const SpaceFigures &figures);

// Where the camera puts the point `p`, given from the centre, in a window of
// width × height pixels: x to the right and y down, and its depth, the
// distance in front of the eye along the line of sight.
struct OnScreen {
  double x = 0.0;
  double y = 0.0;
  double depth = 0.0;
};
OnScreen onScreen(const SpaceCamera &camera, Vec3 p, int width, int height);

// True when a face of either triangle (one that spans a plane) stands between
// the eye and `p`, given from the centre; a face that `p` lies on hides it
// not.
bool hiddenByFace(const SpaceCamera &camera, const SpaceFigures &figures, Vec3 p);

// The order in which to visit `count` corners of a flat convex polygon to go
// once around it, written to order[0] to order[count − 1] as indices into
// `corners`: from corners[0], counter-clockwise by the angle about the
// corners' centre, seen from the positive side of the coordinate axis nearest
// the polygon's normal (x before y before z on a tie). For drawing only.
void cornersAround(const Point3 *corners, int count, int *order);
