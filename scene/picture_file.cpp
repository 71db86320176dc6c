#include "scene/picture_file.h"

#include "scene/painter.h"
#include "scene/text.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Cairo hands its bytes to the file through this; a failed write is kept in
// the stream's error flag for the end.
cairo_status_t writeToFile(void *file, const unsigned char *data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<std::FILE *>(file)) == length
             ? CAIRO_STATUS_SUCCESS
             : CAIRO_STATUS_WRITE_ERROR;
}

// Opens `path`, has `write` fill it, and closes it: the system's reason for
// the first thing that failed, or nothing.
template <typename Write> std::string intoFile(const char *path, const char *mode, Write write) {
  errno = 0;
  File file(std::fopen(path, mode));
  if (!file) {
    return std::strerror(errno);
  }
  const bool written = write(file.get());
  const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
  const int reason = errno;
  const bool closed = std::fclose(file.release()) == 0;
  if (!written || !flushed || !closed) {
    return std::strerror(reason != 0 ? reason : errno != 0 ? errno : EIO);
  }
  return "";
}

// The dashes of a dashed line, and the gaps between them, in pixels.
constexpr double kDash = 4.0;

void setSource(cairo_t *cr, Rgb color) {
  cairo_set_source_rgb(cr, color.red, color.green, color.blue);
}

// Cairo's backend: PNG through an image surface, PDF through a PDF one.
class CairoPainter : public Painter {
public:
  explicit CairoPainter(cairo_t *cr) : cr_(cr) {}

  void begin(const Picture &picture) override {
    setSource(cr_, picture.background);
    cairo_paint(cr_);
    cairo_set_line_width(cr_, 1.0);
    cairo_select_font_face(cr_, "Helvetica", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  }

  void face(const PictureFace &face) override {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_source_rgba(cr_, face.color.red, face.color.green, face.color.blue, face.alpha);
    cairo_move_to(cr_, face.x[0], face.y[0]);
    cairo_line_to(cr_, face.x[1], face.y[1]);
    cairo_line_to(cr_, face.x[2], face.y[2]);
    cairo_close_path(cr_);
    cairo_fill(cr_);
  }

  void line(const PictureLine &line) override {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    setSource(cr_, line.color);
    const double dashes[2] = {kDash, kDash};
    cairo_set_dash(cr_, dashes, line.dashed ? 2 : 0, 0.0);
    // Through the middle of the pixels, as a one-pixel line is rasterised.
    cairo_move_to(cr_, line.x1 + 0.5, line.y1 + 0.5);
    cairo_line_to(cr_, line.x2 + 0.5, line.y2 + 0.5);
    cairo_stroke(cr_);
  }

  void dot(const PictureDot &dot) override {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    setSource(cr_, dot.color);
    cairo_rectangle(cr_, dot.x - kDotSize / 2.0, dot.y - kDotSize / 2.0, kDotSize, kDotSize);
    cairo_fill(cr_);
  }

  // Each piece is squeezed or stretched to the width the layout gave it, so
  // that whichever sans-serif font is installed fills the planned box.
  void text(const PictureText &text) override {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_font_size(cr_, text.size);
    double x = text.x;
    for (const TextPiece &piece : text.pieces) {
      cairo_text_extents_t extents;
      cairo_text_extents(cr_, piece.text.c_str(), &extents);
      const double width = textWidth(piece.text, text.size);
      cairo_save(cr_);
      cairo_move_to(cr_, x, text.y);
      if (extents.x_advance > 0.0) {
        cairo_scale(cr_, width / extents.x_advance, 1.0);
      }
      setSource(cr_, piece.color);
      cairo_show_text(cr_, piece.text.c_str());
      cairo_restore(cr_);
      x += width;
    }
  }

private:
  cairo_t *cr_;
};

std::string hex(Rgb color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", int(std::lround(color.red * 255)),
                int(std::lround(color.green * 255)), int(std::lround(color.blue * 255)));
  return text;
}

std::string escaped(const std::string &text) {
  std::string xml;
  for (const char c : text) {
    switch (c) {
    case '&':
      xml += "&amp;";
      break;
    case '<':
      xml += "&lt;";
      break;
    case '>':
      xml += "&gt;";
      break;
    case '\'':
      xml += "&apos;";
      break;
    default:
      xml += c;
    }
  }
  return xml;
}

// SVG as text an editor can change: each list of the picture a group named
// after it, each dot a <circle>, each text one <text> with its pieces in
// coloured <tspan>s.
class SvgPainter : public Painter {
public:
  explicit SvgPainter(std::FILE *out) : out_(out) {}

  void begin(const Picture &picture) override {
    std::fprintf(out_,
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                 "viewBox=\"0 0 %d %d\">\n"
                 "<rect width=\"%d\" height=\"%d\" fill=\"%s\"/>\n",
                 picture.width, picture.height, picture.width, picture.height, picture.width,
                 picture.height, hex(picture.background).c_str());
  }

  void layer(const char *name) override {
    std::fputs(open_ ? "</g>\n" : "", out_);
    open_ = true;
    const bool texts = std::strcmp(name, "names") == 0 || std::strcmp(name, "labels") == 0 ||
                       std::strcmp(name, "hint") == 0;
    const bool lines = std::strcmp(name, "edges") == 0 || std::strcmp(name, "leaders") == 0;
    std::fprintf(out_, "<g id=\"%s\"%s>\n", name,
                 texts   ? " font-family=\"Helvetica, Arial, 'Liberation Sans', sans-serif\""
                 : lines ? " stroke-width=\"1\" shape-rendering=\"crispEdges\""
                         : "");
  }

  void face(const PictureFace &face) override {
    std::fprintf(out_, "<polygon points=\"%g,%g %g,%g %g,%g\" fill=\"%s\" fill-opacity=\"%g\"/>\n",
                 face.x[0], face.y[0], face.x[1], face.y[1], face.x[2], face.y[2],
                 hex(face.color).c_str(), double(face.alpha));
  }

  void line(const PictureLine &line) override {
    std::fprintf(out_, "<line x1=\"%g\" y1=\"%g\" x2=\"%g\" y2=\"%g\" stroke=\"%s\"%s/>\n",
                 line.x1 + 0.5, line.y1 + 0.5, line.x2 + 0.5, line.y2 + 0.5,
                 hex(line.color).c_str(), line.dashed ? " stroke-dasharray=\"4 4\"" : "");
  }

  void dot(const PictureDot &dot) override {
    std::fprintf(out_, "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"%s\"/>\n", dot.x, dot.y,
                 kDotSize / 2.0, hex(dot.color).c_str());
  }

  // Its width as the layout planned it, whichever font the viewer has.
  void text(const PictureText &text) override {
    int width = 0;
    for (const TextPiece &piece : text.pieces) {
      width += textWidth(piece.text, text.size);
    }
    std::fprintf(out_,
                 "<text x=\"%g\" y=\"%g\" font-size=\"%d\" textLength=\"%d\" "
                 "lengthAdjust=\"spacingAndGlyphs\">",
                 text.x, text.y, text.size, width);
    for (const TextPiece &piece : text.pieces) {
      std::fprintf(out_, "<tspan fill=\"%s\">%s</tspan>", hex(piece.color).c_str(),
                   escaped(piece.text).c_str());
    }
    std::fputs("</text>\n", out_);
  }

  void end() override { std::fputs(open_ ? "</g>\n</svg>\n" : "</svg>\n", out_); }

private:
  std::FILE *out_;
  bool open_ = false;
};

// Writes the surface as PNG to `out`: true when cairo and the file both took it.
bool writePng(cairo_surface_t *surface, std::FILE *out) {
  return cairo_surface_write_to_png_stream(surface, writeToFile, out) == CAIRO_STATUS_SUCCESS;
}

} // namespace

std::string writePictureFile(const char *path, PictureFormat format, const Picture &picture) {
  return intoFile(path, "wb", [&](std::FILE *out) {
    if (format == PictureFormat::svg) {
      SvgPainter svg(out);
      paint(picture, svg);
      return true;
    }
    cairo_surface_t *surface =
        format == PictureFormat::png
            ? cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height)
            : cairo_pdf_surface_create_for_stream(writeToFile, out, picture.width, picture.height);
    cairo_t *cr = cairo_create(surface);
    CairoPainter painter(cr);
    paint(picture, painter);
    cairo_destroy(cr);
    bool written = true;
    if (format == PictureFormat::png) {
      written = writePng(surface, out);
    }
    cairo_surface_finish(surface);
    written = written && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
  });
}

std::string writePixelsAsPng(const char *path, const unsigned char *pixels, int width, int height) {
  cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_surface_flush(surface);
  unsigned char *data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int row = 0; row < height; ++row) {
    const unsigned char *from = pixels + std::size_t(4) * width * (height - 1 - row);
    auto *to = reinterpret_cast<std::uint32_t *>(data + std::size_t(stride) * row);
    for (int x = 0; x < width; ++x) {
      to[x] =
          std::uint32_t(from[4 * x]) << 16 | std::uint32_t(from[4 * x + 1]) << 8 | from[4 * x + 2];
    }
  }
  cairo_surface_mark_dirty(surface);
  const std::string reason =
      intoFile(path, "wbx", [&](std::FILE *out) { return writePng(surface, out); });
  cairo_surface_destroy(surface);
  return reason;
}

PdfPages::PdfPages(const char *path) {
  errno = 0;
  file_ = std::fopen(path, "wb");
  if (file_ == nullptr) {
    reason_ = std::strerror(errno);
    return;
  }
  surface_ = cairo_pdf_surface_create_for_stream(writeToFile, file_, kWidth, kHeight);
  cr_ = cairo_create(surface_);
}

PdfPages::~PdfPages() { finish(); }

namespace {

void selectFont(cairo_t *cr, double size, bool bold, bool monospace) {
  cairo_select_font_face(cr, monospace ? "Liberation Mono" : "Liberation Sans",
                         CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

} // namespace

double PdfPages::measure(const std::string &text, double size, bool bold, bool monospace) {
  if (cr_ == nullptr) {
    return 0.0;
  }
  selectFont(cr_, size, bold, monospace);
  cairo_text_extents_t extents;
  cairo_text_extents(cr_, text.c_str(), &extents);
  return extents.x_advance;
}

void PdfPages::text(double x, double y, double size, const std::string &text, bool bold,
                    bool monospace) {
  if (cr_ == nullptr) {
    return;
  }
  selectFont(cr_, size, bold, monospace);
  cairo_set_source_rgb(cr_, 0.0, 0.0, 0.0);
  cairo_move_to(cr_, x, y);
  cairo_show_text(cr_, text.c_str());
}

void PdfPages::picture(const Picture &picture, double x, double y, double scale) {
  if (cr_ == nullptr) {
    return;
  }
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  cairo_scale(cr_, scale, scale);
  cairo_rectangle(cr_, 0.0, 0.0, picture.width, picture.height);
  cairo_clip(cr_);
  CairoPainter painter(cr_);
  paint(picture, painter);
  cairo_restore(cr_);
}

void PdfPages::nextPage() {
  if (cr_ != nullptr) {
    cairo_show_page(cr_);
  }
}

std::string PdfPages::finish() {
  if (cr_ != nullptr) {
    cairo_destroy(cr_);
    cr_ = nullptr;
    cairo_surface_finish(surface_);
    const bool written = cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface_);
    const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
    const int reason = errno;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!written || !flushed || !closed) {
      reason_ = std::strerror(reason != 0 ? reason : errno != 0 ? errno : EIO);
    }
  }
  return reason_;
}
