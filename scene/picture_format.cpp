#include "scene/picture_file.h"

std::optional<PictureFormat> pictureFormatOf(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == path.npos || path.size() - dot != 4) {
    return std::nullopt;
  }
  std::string ending(path.substr(dot + 1));
  for (char &c : ending) {
    c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  if (ending == "svg") {
    return PictureFormat::svg;
  }
  if (ending == "png") {
    return PictureFormat::png;
  }
  if (ending == "pdf") {
    return PictureFormat::pdf;
  }
  return std::nullopt;
}
