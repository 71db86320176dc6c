#pragma once

#include "app/batch.h"
#include "scene/layout.h"
#include "scene/picture_file.h"

#include <memory>
#include <string>

// Where a page's pictures stand, in points from its top left corner: the
// three projections above the view in space, each a picture of 0.75 point to
// a pixel, so that its 12-pixel letters print at 9 points.
inline constexpr double kSheetPixel = 0.75;
inline constexpr Box kSheetProjections{50.0, 380.0, 545.0, 590.0};
inline constexpr Box kSheetSpace{50.0, 596.0, 545.0, 800.0};

// A sheet's pages for print, A4, one page a pair line in the sheet's order:
// its heading ("Zadatak N", the line, the comment just above it), its six
// points as typed, and its three projections and its view in space in the
// print style. The answer key adds the answer as the dialogue prints it, its
// points as exact fractions and the intersection in the pictures, and, with
// the working, the working on the pages that follow. The tasks leave all that
// out. A refused line's page says why it was refused, so that the numbering
// never shifts.
class SheetPages : public SheetListener {
public:
  // The key goes to `keyPath` and the tasks to `tasksPath`, each where it is
  // given; `working` adds the working to the key. Nothing is written before
  // the first line is taken.
  SheetPages(const char *keyPath, const char *tasksPath, bool working);
  ~SheetPages() override;

  void take(const SheetLine &line) override;

  // Whether a line was taken: a page begun.
  bool begun() const;

  // Ends both files, a page saying so where the sheet held no pair: what went
  // wrong, as "ne mogu da zapisem 'FILE': reason", else an empty text.
  std::string finish();

private:
  struct Document;
  std::unique_ptr<Document> key_;
  std::unique_ptr<Document> tasks_;
  bool working_;
};
