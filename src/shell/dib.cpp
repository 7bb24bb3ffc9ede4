#include "shell/dib.h"

#include <fstream>
#include <limits>

namespace {

void Trace(const std::string& path, const std::string& line) {
  if (path.empty()) {
    return;
  }
  std::ofstream out(path, std::ios::app);
  out << line << '\n';
}

}  // namespace

int DibBitsPerPixel(int deviceBits) {
  if (deviceBits <= 1) {
    return 1;
  }
  if (deviceBits <= 4) {
    return 4;
  }
  if (deviceBits <= 8) {
    return 8;
  }
  return 24;
}

std::optional<TdvDib> ConvertToDib(const shell::Picture& picture, const std::string& tracePath) {
  TdvDib dib;
  dib.width = picture.Width();
  dib.height = picture.Height();
  dib.bitsPerPixel = DibBitsPerPixel(24);
  Trace(tracePath, "BeforeAlloc dwLen = " + std::to_string(dib.InfoSize()));
  if (picture.Empty()) {
    return std::nullopt;
  }
  Trace(tracePath, "BeforeGetDIB");
  Trace(tracePath, "AfterUnlock1");
  long long full = static_cast<long long>(dib.InfoSize()) +
                   static_cast<long long>(dib.RowBytes()) * static_cast<long long>(dib.height);
  Trace(tracePath, "BeforeRealloc dwLen = " + std::to_string(full));
  if (full > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  dib.bits.assign(static_cast<std::size_t>(full - dib.InfoSize()), 0);
  Trace(tracePath, "BeforeLock2");
  Trace(tracePath, "BeforeGetDIB2");
  const std::size_t rowBytes = static_cast<std::size_t>(dib.RowBytes());
  for (int y = 0; y < dib.height; ++y) {
    std::uint8_t* row = dib.bits.data() + static_cast<std::size_t>(dib.height - 1 - y) * rowBytes;
    for (int x = 0; x < dib.width; ++x) {
      shell::Rgb colour = picture.At(x, y);
      row[3 * x] = static_cast<std::uint8_t>(shell::BlueOf(colour));
      row[3 * x + 1] = static_cast<std::uint8_t>(shell::GreenOf(colour));
      row[3 * x + 2] = static_cast<std::uint8_t>(shell::RedOf(colour));
    }
  }
  Trace(tracePath, "BeforeUnlock2");
  return dib;
}

shell::Picture PictureFromDib(const TdvDib& dib) {
  shell::Picture picture(dib.width, dib.height);
  const std::size_t rowBytes = static_cast<std::size_t>(dib.RowBytes());
  if (dib.bitsPerPixel != 24 || dib.bits.size() < rowBytes * static_cast<std::size_t>(dib.height)) {
    return picture;
  }
  for (int y = 0; y < dib.height; ++y) {
    const std::uint8_t* row =
        dib.bits.data() + static_cast<std::size_t>(dib.height - 1 - y) * rowBytes;
    for (int x = 0; x < dib.width; ++x) {
      picture.Set(x, y, shell::MakeRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
    }
  }
  return picture;
}
