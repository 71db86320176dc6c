#include "app/sheet_pages.h"

#include "app/coordinate.h"
#include "app/three_views.h"
#include "app/working.h"
#include "scene/layout.h"
#include "scene/scene_store.h"
#include "scene/space_camera.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr double kMargin = 50.0;
constexpr double kTop = 60.0;
constexpr double kBottom = PdfPages::kHeight - 45.0;
constexpr double kTextWidth = PdfPages::kWidth - 2.0 * kMargin;
constexpr const char *kPointNames[6] = {"A", "B", "C", "A'", "B'", "C'"};

// What printReport prints, as a text.
std::string reportText(const IntersectionReport &report) {
  char *bytes = nullptr;
  std::size_t size = 0;
  std::FILE *text = open_memstream(&bytes, &size);
  if (text == nullptr) {
    return "";
  }
  printReport(text, report);
  std::fclose(text);
  std::string printed(bytes, size);
  std::free(bytes);
  return printed;
}

std::vector<std::string> linesOf(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Writes text down the pages of one document, line under line from the top,
// going on to a following page where the room runs out.
class Writer {
public:
  Writer(PdfPages &pdf, std::string heading) : pdf_(pdf), heading_(std::move(heading)) {}

  double y() const { return y_; }
  void skip(double points) { y_ += points; }

  // A new page, headed as continuing this one.
  void turn() {
    pdf_.nextPage();
    y_ = kTop;
    line(heading_ + " (nastavak)", 11.0, true);
    skip(6.0);
  }

  // `text` in lines no wider than the page's text, broken at spaces, each
  // line after the first indented as far as the text is (eight spaces at
  // most, so that a line always has room), and two more.
  void line(const std::string &text, double size, bool bold = false, bool monospace = false) {
    const std::size_t indent = std::min(text.find_first_not_of(' '), text.size());
    const std::string lead(std::min<std::size_t>(indent, 8), ' ');
    std::string current;
    std::size_t start = indent;
    const auto out = [&](const std::string &shown) {
      if (y_ + size > kBottom) {
        turn();
      }
      y_ += size * 1.3;
      pdf_.text(kMargin, y_, size, shown, bold, monospace);
    };
    while (start < text.size()) {
      std::size_t end = text.find(' ', start);
      end = end == std::string::npos ? text.size() : end;
      std::string word = text.substr(start, end - start);
      start = end + 1;
      const std::string tried = current.empty() ? lead + word : current + " " + word;
      if (!current.empty() && pdf_.measure(tried, size, bold, monospace) > kTextWidth) {
        out(current);
        current = lead + "  " + word;
      } else {
        current = tried;
      }
      // A word wider than the line alone is cut where a character starts.
      while (pdf_.measure(current, size, bold, monospace) > kTextWidth) {
        std::size_t cut = current.size() - 1;
        while (cut > 1 &&
               (pdf_.measure(current.substr(0, cut), size, bold, monospace) > kTextWidth ||
                (static_cast<unsigned char>(current[cut]) & 0xC0) == 0x80)) {
          --cut;
        }
        out(current.substr(0, cut));
        current = lead + "  " + current.substr(cut);
      }
    }
    out(current.empty() ? lead : current);
  }

private:
  PdfPages &pdf_;
  std::string heading_;
  double y_ = kTop;
};

std::string titleOf(const SheetLine &line) { return "Zadatak " + std::to_string(line.pair); }

// "Zadatak N", then the sheet's line and the comment just above it.
void writeHeading(Writer &writer, const SheetLine &line) {
  writer.line(titleOf(line), 16.0, true);
  std::string comment = line.comment;
  comment.erase(0, std::min(comment.find_first_not_of(" \t"), comment.size()));
  writer.line("red " + std::to_string(line.line) +
                  (comment.empty() ? "" : ": " + shownSafely(comment, comment.size())),
              10.0);
  writer.skip(8.0);
}

// An entry as typed, cut where it is too long to read.
std::string shownEntry(const std::string &entry) {
  constexpr std::size_t kLongest = 40;
  return shownSafely(entry, kLongest) + (entry.size() > kLongest ? "..." : "");
}

// The six points as typed, A, B, C beside A', B', C', or one under another
// where a point is too long for half the page.
void writePoints(PdfPages &pdf, Writer &writer, const std::vector<std::string> &entries) {
  std::array<std::string, 6> points;
  bool narrow = true;
  for (int i = 0; i < 6; ++i) {
    points[i] = std::string(kPointNames[i]) + " = (";
    for (int k = 0; k < 3; ++k) {
      points[i] += shownEntry(entries[3 * i + k]) + (k < 2 ? ", " : ")");
    }
    narrow = narrow && pdf.measure(points[i], 11.0) < kTextWidth / 2.0 - 10.0;
  }
  for (int i = 0; i < 3 && narrow; ++i) {
    writer.skip(14.3);
    pdf.text(kMargin, writer.y(), 11.0, points[i]);
    pdf.text(kMargin + kTextWidth / 2.0, writer.y(), 11.0, points[i + 3]);
  }
  for (int i = 0; i < 6 && !narrow; ++i) {
    writer.line(points[i], 11.0);
  }
  writer.skip(10.0);
}

// The three projections above the view in space, in their frames: on the
// page that follows where the text reaches down into them.
void writePictures(PdfPages &pdf, Writer &writer) {
  if (writer.y() > kSheetProjections.top - 8.0) {
    writer.turn();
  }
  const auto size = [](const Box &frame) {
    return std::pair{int((frame.right - frame.left) / kSheetPixel),
                     int((frame.bottom - frame.top) / kSheetPixel)};
  };
  const auto [width, height] = size(kSheetProjections);
  pdf.picture(layOut(scene, width, height, {}, kPrintStyle), kSheetProjections.left,
              kSheetProjections.top, kSheetPixel);
  const auto [across, down] = size(kSheetSpace);
  pdf.picture(layOutSpace(spaceFigures, startingOrbit(spaceFigures), across, down, {}, kPrintStyle),
              kSheetSpace.left, kSheetSpace.top, kSheetPixel);
}

} // namespace

struct SheetPages::Document {
  std::string path;
  std::optional<PdfPages> pdf;

  // The file, opened when the first page is begun; the page after the last.
  PdfPages &nextPage() {
    if (!pdf) {
      pdf.emplace(path.c_str());
    } else {
      pdf->nextPage();
    }
    return *pdf;
  }
};

SheetPages::SheetPages(const char *keyPath, const char *tasksPath, bool working)
    : working_(working) {
  if (keyPath != nullptr) {
    key_ = std::make_unique<Document>();
    key_->path = keyPath;
  }
  if (tasksPath != nullptr) {
    tasks_ = std::make_unique<Document>();
    tasks_->path = tasksPath;
  }
}

SheetPages::~SheetPages() = default;

void SheetPages::take(const SheetLine &line) {
  std::optional<Working> working;
  for (Document *document : {key_.get(), tasks_.get()}) {
    if (document == nullptr) {
      continue;
    }
    const bool answers = document == key_.get();
    PdfPages &pdf = document->nextPage();
    Writer writer(pdf, titleOf(line));
    writeHeading(writer, line);
    if (!line.refusal.empty()) {
      std::string typed;
      for (const std::string &entry : line.entries) {
        typed += (typed.empty() ? "" : " ") + shownEntry(entry);
      }
      writer.line("Uneto: " + typed, 11.0);
      writer.skip(6.0);
      writer.line("Red je odbijen: " + line.refusal, 11.0, true);
      continue;
    }
    writePoints(pdf, writer, line.entries);
    if (answers) {
      std::array<std::string, 18> entries;
      std::copy(line.entries.begin(), line.entries.end(), entries.begin());
      working = workingOf(entries, line.vertices, line.report, line.trace);
      writer.line("Odgovor", 12.0, true);
      for (const std::string &printed : linesOf(reportText(line.report))) {
        writer.line(printed, 11.0);
      }
      if (!working->points.empty()) {
        writer.skip(4.0);
        writer.line("U razlomcima:", 11.0);
        for (std::size_t i = 0; i < working->points.size(); ++i) {
          writer.line(std::string(1, "MNPQRS"[i]) + " = " + written(working->points[i], fraction),
                      9.0, false, true);
        }
      }
      writer.skip(6.0);
    }
    fillPictures(line.vertices.data(), answers ? line.report.kind : 0, line.report.points);
    writePictures(pdf, writer);
    if (answers && working_) {
      document->nextPage();
      Writer steps(pdf, titleOf(line) + ": postupak");
      steps.line(titleOf(line) + ": postupak", 14.0, true);
      steps.skip(6.0);
      for (const std::string &step : linesOf(working->text)) {
        steps.line(step, 9.0, false, true);
      }
    }
  }
}

bool SheetPages::begun() const {
  return (key_ != nullptr && key_->pdf) || (tasks_ != nullptr && tasks_->pdf);
}

std::string SheetPages::finish() {
  std::string problem;
  for (Document *document : {key_.get(), tasks_.get()}) {
    if (document == nullptr) {
      continue;
    }
    if (!document->pdf) {
      PdfPages &pdf = document->nextPage();
      pdf.text(kMargin, kTop, 12.0, "Na listu nema nijednog para trouglova.");
    }
    const std::string reason = document->pdf->finish();
    if (!reason.empty() && problem.empty()) {
      problem = "ne mogu da zapisem '" + document->path + "': " + reason;
    }
  }
  return problem;
}
