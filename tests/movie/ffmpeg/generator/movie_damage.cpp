#include "movie_damage.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace kinovex::testing {
namespace {

std::vector<char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

bool WriteAll(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

bool ZeroQuickTimeTimeScale(const std::string& path, const std::string& box) {
  std::vector<char> bytes = ReadAll(path);
  bool found = false;
  for (auto at = bytes.begin();
       (at = std::search(at, bytes.end(), box.begin(), box.end())) != bytes.end(); ++at) {
    // Type, version and flags, then two dates of 4 bytes (version 0) or 8.
    const std::size_t version = static_cast<std::size_t>(at - bytes.begin()) + 4;
    const std::size_t scale = version + 4 + (bytes[version] == 1 ? 16 : 8);
    if (scale + 4 <= bytes.size()) {
      std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(scale), 4, '\0');
      found = true;
    }
  }
  return found && WriteAll(path, bytes);
}

bool ScrambleJpegFrame(const std::string& path, int frame) {
  std::vector<char> bytes = ReadAll(path);
  const std::string startOfImage = "\xFF\xD8\xFF";
  auto at = bytes.begin();
  for (int seen = 0; seen <= frame; ++seen, ++at) {
    at = std::search(at, bytes.end(), startOfImage.begin(), startOfImage.end());
    if (at == bytes.end()) {
      return false;
    }
  }
  // Up to the picture's end marker: what the container holds around the
  // picture stays.
  const std::string endOfImage = "\xFF\xD9";
  auto end = std::search(at, bytes.end(), endOfImage.begin(), endOfImage.end());
  std::fill(at + 1, end, '\0');
  return WriteAll(path, bytes);
}

}  // namespace kinovex::testing
