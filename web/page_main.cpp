// The program in a page: each input the page hands over is answered as the
// native program answers it, and the picture is laid out for the size it
// shows at and painted on the page's canvas (page.html), which holds what a
// page has in the place of a window: its keys, pointer and touch.
#include "app/answer.h"
#include "app/working.h"
#include "scene/layout.h"
#include "scene/painter.h"
#include "scene/space_camera.h"
#include "scene/text.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The canvas's 2D context, in CSS pixels, is the page's `canvas.drawing`.
EM_JS(void, paintBackground, (int red, int green, int blue), {
  const drawing = document.getElementById('slika').drawing;
  drawing.fillStyle = 'rgb(' + red + ',' + green + ',' + blue + ')';
  drawing.fillRect(0, 0, drawing.canvas.width, drawing.canvas.height);
});
EM_JS(void, paintFace,
      (double x0, double y0, double x1, double y1, double x2, double y2, int red, int green,
       int blue, double alpha),
      {
        const drawing = document.getElementById('slika').drawing;
        drawing.fillStyle = 'rgba(' + red + ',' + green + ',' + blue + ',' + alpha + ')';
        drawing.beginPath();
        drawing.moveTo(x0, y0);
        drawing.lineTo(x1, y1);
        drawing.lineTo(x2, y2);
        drawing.closePath();
        drawing.fill();
      });
EM_JS(void, paintLine,
      (double x1, double y1, double x2, double y2, int red, int green, int blue, int dashed), {
        const drawing = document.getElementById('slika').drawing;
        drawing.strokeStyle = 'rgb(' + red + ',' + green + ',' + blue + ')';
        drawing.lineWidth = 1;
        drawing.setLineDash(dashed ? [ 4, 4 ] : []);
        drawing.beginPath();
        // Through the middle of the pixels, as a one-pixel line is rasterised.
        drawing.moveTo(x1 + 0.5, y1 + 0.5);
        drawing.lineTo(x2 + 0.5, y2 + 0.5);
        drawing.stroke();
      });
EM_JS(void, paintDot, (double x, double y, int size, int red, int green, int blue), {
  const drawing = document.getElementById('slika').drawing;
  drawing.fillStyle = 'rgb(' + red + ',' + green + ',' + blue + ')';
  drawing.fillRect(x - size / 2, y - size / 2, size, size);
});
// Squeezed to the width the layout planned, whichever font the browser has.
EM_JS(void, paintText,
      (const char *text, double x, double y, int size, int red, int green, int blue, double width),
      {
        const drawing = document.getElementById('slika').drawing;
        drawing.font = size + 'px Helvetica, Arial, "Liberation Sans", sans-serif';
        drawing.fillStyle = 'rgb(' + red + ',' + green + ',' + blue + ')';
        drawing.fillText(UTF8ToString(text), x, y, width);
      });

int byte(float channel) { return int(std::lround(channel * 255)); }

// The page's backend: each record one call on its canvas.
class CanvasPainter : public Painter {
public:
  void begin(const Picture &picture) override {
    const Rgb &c = picture.background;
    paintBackground(byte(c.red), byte(c.green), byte(c.blue));
  }
  void face(const PictureFace &f) override {
    paintFace(f.x[0], f.y[0], f.x[1], f.y[1], f.x[2], f.y[2], byte(f.color.red),
              byte(f.color.green), byte(f.color.blue), f.alpha);
  }
  void line(const PictureLine &l) override {
    paintLine(l.x1, l.y1, l.x2, l.y2, byte(l.color.red), byte(l.color.green), byte(l.color.blue),
              l.dashed);
  }
  void dot(const PictureDot &d) override {
    paintDot(d.x, d.y, kDotSize, byte(d.color.red), byte(d.color.green), byte(d.color.blue));
  }
  void text(const PictureText &t) override {
    double x = t.x;
    for (const TextPiece &piece : t.pieces) {
      const double width = textWidth(piece.text, t.size);
      paintText(piece.text.c_str(), x, t.y, t.size, byte(piece.color.red), byte(piece.color.green),
                byte(piece.color.blue), width);
      x += width;
    }
  }
};

// What the page's picture shows: the projections, or the figures in space
// seen from `orbit`.
bool inSpace = false;
Orbit orbit;

// The keys a page has: it has no window of its own to end, and its picture
// takes keys only once it has the focus.
const Hint kPageHint = {"klik na sliku, pa v: prikaz u prostoru", "s: cuvanje slike"};
const Hint kPageSpaceHint = {"v: tri projekcije", "prevlacenje: okretanje", "tocak, +/-: uvecanje",
                             "r: pocetni polozaj", "s: cuvanje slike"};

// `text` as a JSON string.
std::string quoted(const std::string &text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

// Everything `write` prints on a stream, as text.
template <typename Write> std::string printed(Write write) {
  char *text = nullptr;
  std::size_t size = 0;
  std::FILE *out = open_memstream(&text, &size);
  write(out);
  std::fclose(out);
  std::string result(text, size);
  std::free(text);
  return result;
}

} // namespace

// The dialogue's whole input, `size` bytes as typed, answered: as JSON, the
// console text (the prompts, the answer and any refusal in the order a
// terminal shows them, standard error beside standard output), the answer's
// own sentence and points, its working (--postupak), and for a refusal the
// points that hold the slip.
// The picture starts again from the three projections.
extern "C" EMSCRIPTEN_KEEPALIVE const char *pageAnswer(const char *input, int size) {
  static std::string json;
  std::string typed(input, std::size_t(size));
  // A stream in memory holds at least a byte: for an empty input, its
  // terminating NUL, read away at once, so that the input ends as an empty
  // file does.
  std::FILE *in = fmemopen(typed.data(), std::max<std::size_t>(typed.size(), 1), "r");
  if (typed.empty()) {
    std::fgetc(in);
  }
  Answer answer;
  const std::string console = printed([&](std::FILE *out) { answer = answerInput(in, out, out); });
  std::fclose(in);
  const bool accepted = answer.result == DialogueResult::accepted;
  const std::string sentence =
      accepted ? printed([&](std::FILE *out) { printReport(out, answer.report); }) : "";
  const std::string working =
      accepted ? workingOf(answer.record.entries, answer.vertices, answer.report, answer.trace).text
               : "";
  inSpace = false;
  orbit = startingOrbit(spaceFigures);
  json = "{\"console\":" + quoted(console) + ",\"answer\":" + quoted(sentence) +
         ",\"working\":" + quoted(working) + ",\"accepted\":" + (accepted ? "true" : "false") +
         ",\"refused\":" + std::to_string(answer.record.refusedPoints) + "}";
  return json.c_str();
}

// Lays the picture out for width × height CSS pixels and paints it on the
// page's canvas.
extern "C" EMSCRIPTEN_KEEPALIVE void pageDraw(int width, int height) {
  CanvasPainter painter;
  paint(inSpace ? layOutSpace(spaceFigures, orbit, width, height, kPageSpaceHint)
                : layOut(scene, width, height, kPageHint),
        painter);
}

// A key on the picture: v to the view in space and back, and in space r to
// its start and + and - to zoom. Whether the key did anything.
extern "C" EMSCRIPTEN_KEEPALIVE int pageKey(int key) {
  return viewAfterKey(key, inSpace, orbit, spaceFigures);
}

// In space, a drag of `right` and `down` CSS pixels turns the figures, and a
// pinch or the wheel zooms by `factor`; elsewhere nothing happens.
extern "C" EMSCRIPTEN_KEEPALIVE int pageTurn(double right, double down) {
  orbit = inSpace ? turned(orbit, right, down) : orbit;
  return inSpace;
}
extern "C" EMSCRIPTEN_KEEPALIVE int pageZoom(double factor) {
  orbit = inSpace ? zoomed(orbit, factor) : orbit;
  return inSpace;
}
extern "C" EMSCRIPTEN_KEEPALIVE int pageInSpace() { return inSpace; }
