#include "app/answer.h"

#include "app/three_views.h"
#include "intersection/triangle_triangle.h"

IntersectionReport answerPair(const TrianglePair &v, IntersectionTrace *trace) {
  return triangleIntersection(v[0], v[1], v[2], v[3], v[4], v[5], trace);
}

Answer answerInput(std::FILE *in, std::FILE *out, std::FILE *err) {
  Answer answer;
  answer.result = runDialogue(in, out, err, answer.vertices, &answer.record);
  if (answer.result == DialogueResult::accepted) {
    answer.report = answerPair(answer.vertices, &answer.trace);
    printReport(out, answer.report);
    fillPictures(answer.vertices.data(), answer.report.kind, answer.report.points);
  }
  return answer;
}
