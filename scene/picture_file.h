#pragma once

#include "scene/layout.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

enum class PictureFormat { svg, png, pdf };

// The format that the ending of `path` names, ".svg", ".png" or ".pdf" in
// any case; nothing for any other ending. (In the scene library: it needs no
// cairo.)
std::optional<PictureFormat> pictureFormatOf(std::string_view path);

// Writes `picture` to the file at `path`. PNG and PDF are drawn by cairo, the
// PNG pixel for pixel as the window draws the same picture at its marks; SVG
// is written as text that an editor can change: each dot a <circle>, each
// label one <text> with its letters in coloured <tspan>s. Gives the system's
// reason when the file cannot be written, else an empty text.
std::string writePictureFile(const char *path, PictureFormat format, const Picture &picture);

// Writes width × height pixels as a PNG file at `path`: four bytes a pixel,
// red, green, blue and one unused, rows from the bottom up as OpenGL reads
// them. The file must not exist yet. Gives the system's reason when it cannot
// be written.
std::string writePixelsAsPng(const char *path, const unsigned char *pixels, int width, int height);

// A document of A4 pages, portrait, written to a PDF file page by page: text
// and pictures placed in points (1/72 inch) from each page's top left corner.
class PdfPages {
public:
  static constexpr double kWidth = 595.276;
  static constexpr double kHeight = 841.89;

  // Opens the file at `path`; what cannot be opened, finish reports.
  explicit PdfPages(const char *path);
  ~PdfPages();
  PdfPages(const PdfPages &) = delete;
  PdfPages &operator=(const PdfPages &) = delete;

  // One line of `text` in Liberation Sans of `size` points (bold, or
  // Liberation Mono), its baseline starting at (x, y).
  void text(double x, double y, double size, const std::string &text, bool bold = false,
            bool monospace = false);
  // How wide `text` would stand, in points.
  double measure(const std::string &text, double size, bool bold = false, bool monospace = false);
  // `picture` with its top left corner at (x, y), `scale` points to a pixel.
  void picture(const Picture &picture, double x, double y, double scale);
  // Ends the page and begins the next.
  void nextPage();
  // Ends the last page and closes the file: the system's reason when it
  // could not be written, else an empty text.
  std::string finish();

private:
  std::FILE *file_ = nullptr;
  std::string reason_;
  struct _cairo_surface *surface_ = nullptr;
  struct _cairo *cr_ = nullptr;
};
