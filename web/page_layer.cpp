// What a page has in the place of the window's bitmap fonts and of a file in
// the working directory: a canvas of text laid over the picture, and a PNG
// the browser downloads. The page (page.html) holds the two canvases.
#include "scene/gl_draw.h"
#include "scene/gl_platform.h"
#include "scene/save_frame.h"
#include "scene/text.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <vector>

EM_JS(void, clearTextLayer, (), {
  const layer = document.getElementById('tekst');
  layer.getContext('2d').clearRect(0, 0, layer.width, layer.height);
});

// Squeezed to the width the layout planned, whichever font the browser has.
EM_JS(void, writeOnTextLayer,
      (const char *text, double x, double y, int size, int red, int green, int blue, double width),
      {
        const context = document.getElementById('tekst').getContext('2d');
        context.font = size + 'px Helvetica, Arial, "Liberation Sans", sans-serif';
        context.fillStyle = 'rgb(' + red + ',' + green + ',' + blue + ')';
        context.fillText(UTF8ToString(text), x, y, width);
      });

// The frame's pixels, rows from the bottom, with the text layer over them,
// downloaded as presek-trouglova.png.
EM_JS(void, downloadFrame, (const unsigned char *pixels, int width, int height), {
  const frame = document.createElement('canvas');
  frame.width = width;
  frame.height = height;
  const context = frame.getContext('2d');
  const image = context.createImageData(width, height);
  for (let row = 0; row < height; ++row) {
    const from = pixels + 4 * width * (height - 1 - row);
    image.data.set(HEAPU8.subarray(from, from + 4 * width), 4 * width * row);
  }
  context.putImageData(image, 0, 0);
  context.drawImage(document.getElementById('tekst'), 0, 0);
  frame.toBlob(function(png) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(png);
    link.download = 'presek-trouglova.png';
    link.click();
  });
});

void beginTexts() { clearTextLayer(); }

void drawText(const PictureText &text) {
  double x = text.x;
  for (const TextPiece &piece : text.pieces) {
    const double width = textWidth(piece.text, text.size);
    writeOnTextLayer(
        piece.text.c_str(), x, text.y, text.size, int(std::lround(piece.color.red * 255)),
        int(std::lround(piece.color.green * 255)), int(std::lround(piece.color.blue * 255)), width);
    x += width;
  }
}

void saveFrame() {
  drawFrame();
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  std::vector<unsigned char> pixels(std::size_t(4) * viewport[2] * viewport[3]);
  glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  downloadFrame(pixels.data(), viewport[2], viewport[3]);
}

// The page's button for it.
extern "C" EMSCRIPTEN_KEEPALIVE void savePicture() { saveFrame(); }
