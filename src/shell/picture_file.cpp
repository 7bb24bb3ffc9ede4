#include "shell/picture_file.h"

#include <algorithm>
#include <cctype>

namespace shell {

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) {
    return std::nullopt;
  }
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "png") {
    return PictureFormat::kPng;
  }
  if (extension == "svg") {
    return PictureFormat::kSvg;
  }
  return std::nullopt;
}

std::string PictureFileRefusal(const std::string& path, Size size) {
  if (!PictureFormatOf(path)) {
    return "A picture is saved as PNG or SVG: give the file the extension .png or .svg";
  }
  const auto fits = [](int side) { return side >= 1 && side <= kLargestPictureSide; };
  if (!fits(size.width) || !fits(size.height)) {
    return "A picture is from 1 to " + std::to_string(kLargestPictureSide) +
           " pixels wide and high";
  }
  return {};
}

}  // namespace shell
