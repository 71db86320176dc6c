#include "intersection/intersection_report.h"

#include "geometry/predicates.h"
#include "geometry/tolerance.h"

#include <algorithm>
#include <limits>

namespace {

constexpr char kLetters[6] = {'M', 'N', 'P', 'Q', 'R', 'S'};

// The polygon sentences differ only in the noun and the number of corners.
void printPolygon(std::FILE *out, const IntersectionReport &report) {
  static const char *const kNouns[4] = {"trougao", "cetvorougao", "petougao", "sestougao"};
  std::fprintf(out, "Presek zadatih trouglova je %s odredjen tackama ", kNouns[report.kind - 3]);
  for (int i = 0; i < report.kind; ++i) {
    const Point3 &p = report.points[i];
    std::fprintf(out, "\n%c (%f, %f, %f)%s", kLetters[i], double(p.x), double(p.y), double(p.z),
                 i + 1 < report.kind ? ", " : ".\n");
  }
}

bool sameCorner(Point3 p, Point3 q, double scale) {
  return belowTolerance(double(p.x) - q.x, scale) && belowTolerance(double(p.y) - q.y, scale) &&
         belowTolerance(double(p.z) - q.z, scale);
}

} // namespace

IntersectionReport singlePoint(Point3 point, ResultMessage message) {
  IntersectionReport report;
  report.kind = 1;
  report.points[0] = point;
  report.message = message;
  return report;
}

void addCorner(CornerList &corners, Point3 corner, double scale) {
  for (int i = 0; i < corners.count; ++i) {
    if (sameCorner(corners.points[i], corner, scale)) {
      return;
    }
  }
  corners.points[corners.count++] = corner;
}

void addCrossing(CornerList &corners, Point3 crossing, Point3 a1, Point3 a2, Point3 b1, Point3 b2,
                 double scale) {
  for (int i = 0; i < corners.count; ++i) {
    const Point3 &corner = corners.points[i];
    if (belowTolerance(distanceToSegment(corner, a1, a2), scale) &&
        belowTolerance(distanceToSegment(corner, b1, b2), scale)) {
      return;
    }
  }
  addCorner(corners, crossing, scale);
}

IntersectionReport overlapReport(CornerList corners) {
  while (corners.count > 6) {
    int later = 0;
    double closest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < corners.count; ++i) {
      for (int j = i + 1; j < corners.count; ++j) {
        const double apart = length(difference(corners.points[i], corners.points[j]));
        if (apart < closest) {
          closest = apart;
          later = j;
        }
      }
    }
    std::copy(corners.points + later + 1, corners.points + corners.count, corners.points + later);
    --corners.count;
  }
  IntersectionReport report;
  report.kind = corners.count;
  std::copy(corners.points, corners.points + corners.count, report.points);
  report.message = overlapMessage(report.kind);
  return report;
}

ResultMessage overlapMessage(IntersectionKind kind) {
  switch (kind) {
  case 0:
    return ResultMessage::apart;
  case 1:
    return ResultMessage::vertexOnSegment;
  case 2:
    return ResultMessage::segment;
  default:
    return ResultMessage::polygon;
  }
}

void printReport(std::FILE *out, const IntersectionReport &report) {
  const Point3 &m = report.points[0];
  const Point3 &n = report.points[1];
  switch (report.message) {
  case ResultMessage::apart:
    std::fprintf(out, "Zadati trouglovi se ne seku.\n");
    break;
  case ResultMessage::sharedVertex:
    // This sentence has neither a full stop nor a line end.
    std::fprintf(out, "Presek zadatih trouglova je tacka M = (%f, %f, %f)", double(m.x),
                 double(m.y), double(m.z));
    break;
  case ResultMessage::vertexOnSegment:
    std::fprintf(out, "Presek zadatih trouglova je tacka M (%f, %f, %f).\n", double(m.x),
                 double(m.y), double(m.z));
    break;
  case ResultMessage::segmentsCross:
    std::fprintf(out, "Zadati trouglovi se seku u tacki M (%f, %f, %f).\n", double(m.x),
                 double(m.y), double(m.z));
    break;
  case ResultMessage::segment:
    std::fprintf(out, "Presek zadatih trouglova je duz MN.\nM: %f, %f, %f \nN: %f, %f, %f\n",
                 double(m.x), double(m.y), double(m.z), double(n.x), double(n.y), double(n.z));
    break;
  case ResultMessage::polygon:
    printPolygon(out, report);
    break;
  }
}

IntersectionKind deliverReport(const IntersectionReport &report, Point3 *M, Point3 *N, Point3 *P,
                               Point3 *Q, Point3 *R, Point3 *S) {
  printReport(stdout, report);
  Point3 *const slots[6] = {M, N, P, Q, R, S};
  for (int i = 0; i < report.kind; ++i) {
    *slots[i] = report.points[i];
  }
  return report.kind;
}
