#include "cli/png_writer.h"

#include <zlib.h>

#include <string_view>

#include "foundation/safe_file_write.h"

// zlib's deflate rather than stored blocks: the library is linked anyway
// (QuickTime boxes are inflated with it) and frames shrink several times,
// which matters when a whole movie is dumped frame by frame.
namespace kinovex::cli {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kColourTypeRgb = 2;
constexpr std::uint8_t kNoFilter = 0;

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

void PutChunk(std::vector<std::uint8_t>& out, const char type[4],
              const std::vector<std::uint8_t>& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeStart = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
  PutBigEndian(out, static_cast<std::uint32_t>(crc));
}

// Every row starts with its filter type; no filtering keeps it simple and
// deflate still finds the repeats of flat video pictures.
std::vector<std::uint8_t> FilteredRows(const TdvVideoImage& image) {
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
  std::vector<std::uint8_t> rows;
  rows.reserve((rowBytes + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    rows.push_back(kNoFilter);
    const std::uint8_t* row = image.rgb.data() + rowBytes * y;
    rows.insert(rows.end(), row, row + rowBytes);
  }
  return rows;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const TdvVideoImage& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
    return {};
  }
  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(image.width));
  PutBigEndian(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {kBitDepth, kColourTypeRgb, 0, 0, 0});

  const std::vector<std::uint8_t> rows = FilteredRows(image);
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()),
                Z_DEFAULT_COMPRESSION) != Z_OK) {
    return {};
  }
  packed.resize(packedSize);

  std::vector<std::uint8_t> png(std::begin(kSignature), std::end(kSignature));
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

bool WritePng(const std::string& path, const TdvVideoImage& image) {
  const std::vector<std::uint8_t> png = EncodePng(image);
  if (png.empty()) {
    return false;
  }
  return WriteFileSafely(path,
                         std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}

}  // namespace kinovex::cli
