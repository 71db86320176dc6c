#include "scene/space_camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

SpaceFigures spaceFigures;

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

double component(Point3 p, int axis) {
  const float xyz[3] = {p.x, p.y, p.z};
  return xyz[axis];
}

double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

double length2(Vec3 v) { return dot(v, v); }

double length(Vec3 v) { return std::sqrt(length2(v)); }

Vec3 minus(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vec3 cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 scaled(Vec3 v, double k) { return {v.x * k, v.y * k, v.z * k}; }

Vec3 of(Point3 p) { return {p.x, p.y, p.z}; }

// The unit vector from the figures toward the eye at `orbit`.
Vec3 towardEye(Orbit orbit) {
  const double across = std::cos(orbit.elevation * kDegree);
  return {across * std::cos(orbit.azimuth * kDegree), across * std::sin(orbit.azimuth * kDegree),
          std::sin(orbit.elevation * kDegree)};
}

// The camera's own axes: to the right on the screen, up on it, and ahead.
struct Frame {
  Vec3 side;
  Vec3 up;
  Vec3 ahead;
};

Frame frameOf(const SpaceCamera &camera) {
  const Vec3 ahead = scaled(camera.eye, -1.0 / length(camera.eye));
  const Vec3 side = cross(ahead, {0.0, 0.0, 1.0});
  const Vec3 right = scaled(side, 1.0 / length(side));
  return {right, cross(right, ahead), ahead};
}

// The share of a triangle's area seen along `direction` (a unit vector), or 1
// for one without area.
double seenShare(Vec3 normal, Vec3 direction) {
  const double n = length(normal);
  return n > 0.0 ? std::fabs(dot(normal, direction)) / n : 1.0;
}

} // namespace

int cornerCount(const SpaceFigures &figures) {
  return figures.kind >= 1 && figures.kind <= 6 ? figures.kind : 0;
}

Orbit turned(Orbit orbit, double right, double down) {
  orbit.azimuth -= 0.5 * right;
  orbit.elevation = std::clamp(orbit.elevation + 0.5 * down, -89.0, 89.0);
  return orbit;
}

bool viewAfterKey(int key, bool &inSpace, Orbit &orbit, const SpaceFigures &figures) {
  if (key == 'v') {
    inSpace = !inSpace;
  } else if (inSpace && key == 'r') {
    orbit = startingOrbit(figures);
  } else if (inSpace && key == '+') {
    orbit = zoomed(orbit, 1.0 / kZoomStep);
  } else if (inSpace && key == '-') {
    orbit = zoomed(orbit, kZoomStep);
  } else {
    return false;
  }
  return true;
}

Orbit zoomed(Orbit orbit, double factor) {
  orbit.zoom = std::clamp(orbit.zoom * factor, 0.25, 4.0);
  return orbit;
}

double sphereDistance(double radius, int width, int height) {
  // The half height of the window spans tan 22.5° at unit distance; the room
  // left to the nearer edge spans a part of that. A sphere seen from d fills
  // the cone of half angle asin(radius / d), whose tangent must not exceed it.
  const double room = std::max(std::min(width, height) - 2 * kSpaceMargin, 1) / 2.0;
  const double tangent = std::tan(std::numbers::pi / 8.0) * room / (height / 2.0);
  return radius * std::sqrt(1.0 + tangent * tangent) / tangent;
}

SpaceCamera spaceCamera(const SpaceFigures &figures, Orbit orbit, int width, int height) {
  double low[3];
  double high[3];
  for (int axis = 0; axis < 3; ++axis) {
    low[axis] = high[axis] = component(figures.vertices[0], axis);
    for (const Point3 &p : figures.vertices) {
      low[axis] = std::min(low[axis], component(p, axis));
      high[axis] = std::max(high[axis], component(p, axis));
    }
  }
  SpaceCamera camera;
  camera.centre = {(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2};
  const Vec3 half = {high[0] - camera.centre.x, high[1] - camera.centre.y,
                     high[2] - camera.centre.z};
  const double radius = length(half);

  const double distance = orbit.zoom * sphereDistance(radius, width, height);
  camera.eye = scaled(towardEye(orbit), distance);

  const Vec3 origin = {-camera.centre.x, -camera.centre.y, -camera.centre.z};
  camera.axesStart = length(origin) > 2 * radius ? Vec3{-half.x, -half.y, -half.z} : origin;
  double reach = std::max(radius, length(camera.axesStart));
  for (int axis = 0; axis < 3; ++axis) {
    // Out to where the axis leaves the sphere a twentieth wider than the bounding
    // one, which the window's margins still show: past the figures, and named
    // clear of them. From a start outside that sphere, one radius long.
    const double from[3] = {camera.axesStart.x, camera.axesStart.y, camera.axesStart.z};
    const double wide = 1.05 * radius;
    const double inside = wide * wide - length2(camera.axesStart) + from[axis] * from[axis];
    const double run = inside > 0.0 ? std::sqrt(inside) - from[axis] : 0.0;
    double end[3] = {from[0], from[1], from[2]};
    end[axis] += run > 0.0 ? run : radius;
    camera.axesEnd[axis] = {end[0], end[1], end[2]};
    reach = std::max(reach, length(camera.axesEnd[axis]));
  }
  // All that is drawn lies within `reach` of the centre. Zoomed in, the eye
  // may stand among the figures: what is nearer than a hundredth of the
  // distance is cut away, before a perspective that would turn it over.
  camera.nearPlane = std::max(distance - reach, distance / 100.0);
  camera.farPlane = distance + reach;
  return camera;
}

Orbit startingOrbit(const SpaceFigures &figures) {
  const Point3 *v = figures.vertices;
  const Vec3 normals[2] = {cross(minus(of(v[1]), of(v[0])), minus(of(v[2]), of(v[0]))),
                           cross(minus(of(v[4]), of(v[3])), minus(of(v[5]), of(v[3])))};
  const auto worse = [&](Orbit orbit) {
    const Vec3 direction = towardEye(orbit);
    return std::min(seenShare(normals[0], direction), seenShare(normals[1], direction));
  };
  Orbit best;
  double bestShare = worse(best);
  if (bestShare >= 0.5) {
    return best;
  }
  for (int azimuth = 0; azimuth < 360; azimuth += 5) {
    for (int elevation = 10; elevation <= 60; elevation += 5) {
      const Orbit orbit{double(azimuth), double(elevation), 1.0};
      const double share = worse(orbit);
      if (share > bestShare) {
        best = orbit;
        bestShare = share;
      }
    }
  }
  return best;
}

OnScreen onScreen(const SpaceCamera &camera, Vec3 p, int width, int height) {
  const Frame frame = frameOf(camera);
  const Vec3 q = minus(p, camera.eye);
  const double depth = dot(q, frame.ahead);
  const double unit = std::tan(std::numbers::pi / 8.0) * depth; // half the height seen there
  return {width / 2.0 + dot(q, frame.side) / unit * height / 2.0,
          height / 2.0 - dot(q, frame.up) / unit * height / 2.0, depth};
}

bool hiddenByFace(const SpaceCamera &camera, const SpaceFigures &figures, Vec3 p) {
  const Vec3 ray = minus(p, camera.eye);
  for (int first : {0, 3}) {
    const Vec3 a = minus(of(figures.vertices[first]), camera.centre);
    const Vec3 ab = minus(minus(of(figures.vertices[first + 1]), camera.centre), a);
    const Vec3 ac = minus(minus(of(figures.vertices[first + 2]), camera.centre), a);
    // Where the ray from the eye meets the face's plane, in the face's own
    // coordinates along ab and ac (Möller and Trumbore).
    const Vec3 across = cross(ray, ac);
    const double det = dot(ab, across);
    if (!(std::fabs(det) > 1e-12 * length(ab) * length(ac) * length(ray))) {
      continue;
    }
    const Vec3 fromA = minus(camera.eye, a);
    const double u = dot(fromA, across) / det;
    const Vec3 up = cross(fromA, ab);
    const double v = dot(ray, up) / det;
    const double t = dot(ac, up) / det;
    if (u >= 0.0 && v >= 0.0 && u + v <= 1.0 && t > 0.0 && t < 1.0 - 1e-6) {
      return true;
    }
  }
  return false;
}

void cornersAround(const Point3 *corners, int count, int *order) {
  double centre[3] = {0.0, 0.0, 0.0};
  for (int i = 0; i < count; ++i) {
    for (int axis = 0; axis < 3; ++axis) {
      centre[axis] += component(corners[i], axis) / count;
    }
  }
  const auto from = [&](int i, int axis) { return component(corners[i], axis) - centre[axis]; };
  // In a flat polygon every cross product of two corners seen from the centre
  // lies along the normal, one way or the other: summed as absolute values
  // they show its largest axis, whatever order the corners come in.
  double normal[3] = {0.0, 0.0, 0.0};
  for (int i = 0; i < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      for (int axis = 0; axis < 3; ++axis) {
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        normal[axis] += std::fabs(from(i, u) * from(j, v) - from(i, v) * from(j, u));
      }
    }
  }
  const int drop = int(std::max_element(normal, normal + 3) - normal);
  const int u = (drop + 1) % 3;
  const int v = (drop + 2) % 3;
  double angle[6];
  for (int i = 0; i < count; ++i) {
    angle[i] = std::atan2(from(i, v), from(i, u));
  }
  std::iota(order, order + count, 0);
  std::sort(order, order + count, [&](int a, int b) { return angle[a] < angle[b]; });
  std::rotate(order, std::find(order, order + count, 0), order + count);
}
