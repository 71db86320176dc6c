#pragma once

#include "geometry/point3.h"

#include <cstdio>

// The number of intersection vertices delivered in the slots M, N, P, Q, R, S,
// in that order: 0 empty, 1 point, 2 segment, 3 to 6 a polygon (triangle to
// hexagon, coplanar triangles only).
using IntersectionKind = int;

// Which sentence reports the result. A single point is told in three ways,
// after the way it was found.
enum class ResultMessage {
  apart,           // no common point
  sharedVertex,    // each triangle touches the other's plane in the same vertex
  vertexOnSegment, // a touching vertex on the other's cut, or a coplanar point
  segmentsCross,   // the two cut segments cross in one point
  segment,         // a common segment
  polygon,         // coplanar overlap of 3 to 6 corners, told by its kind
};

// An intersection computed but not yet printed nor delivered.
struct IntersectionReport {
  IntersectionKind kind = 0;
  Point3 points[6];
  ResultMessage message = ResultMessage::apart;
};

// A report of the one point `point`, told by `message`.
IntersectionReport singlePoint(Point3 point, ResultMessage message);

// The corners of an overlap in the order found, each kept once. Two convex
// figures overlap in at most six corners, but a vertex within the tolerance
// outside the other figure brings crossings of its edges close beside it:
// there is room for every candidate (3 + 3 vertices, 9 × 2 crossings).
struct CornerList {
  Point3 points[24];
  int count = 0;
};

// Adds `corner` unless it matches one already there in every coordinate
// within the tolerance scaled by `scale`, the L of the whole figure: one
// corner can be found twice, through different sources, and the two computed
// points need not agree in every bit, the less so the more steeply the figure
// is turned. The earlier one stays.
void addCorner(CornerList &corners, Point3 corner, double scale);

// Adds `crossing`, where the edges a1 a2 and b1 b2 meet, as addCorner does,
// unless a corner already there lies within the tolerance of both edges: that
// corner is where they meet, found again. Edges that meet at a shallow angle
// beside a vertex lying on the other would put their solved crossing a
// rounding error / sin(angle) away from it, farther than the tolerance.
void addCrossing(CornerList &corners, Point3 crossing, Point3 a1, Point3 a2, Point3 b1, Point3 b2,
                 double scale);

// The overlap of these corners, told by overlapMessage: all of them, in the
// order found, when there are six at most; else, while more than six remain,
// the later of the two closest goes, so that crowded candidates beside one
// corner leave before a corner of the shape does.
IntersectionReport overlapReport(CornerList corners);

// The message for `kind` corners of an overlap: apart, a point, a segment or a
// polygon.
ResultMessage overlapMessage(IntersectionKind kind);

// Prints the report's one message to `out`, each coordinate with "%f".
void printReport(std::FILE *out, const IntersectionReport &report);

// Prints the report to standard output, copies its first `kind` points into
// the slots (leaving the others as they were) and returns its kind.
IntersectionKind deliverReport(const IntersectionReport &report, Point3 *M, Point3 *N, Point3 *P,
                               Point3 *Q, Point3 *R, Point3 *S);
