#include "user_data_writer.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace kinovex::testing {
namespace {

std::string U32(std::uint32_t value) {
  return std::string{static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                     static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::uint32_t GetU32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  }
  return value;
}

// A user-data box holding one QuickTime text item: length, language, text.
std::string UserDataBox(const char type[4], const std::string& text) {
  const std::string length{static_cast<char>(text.size() >> 8), static_cast<char>(text.size())};
  const std::string language(2, '\0');  // unspecified
  const std::string item = U32(static_cast<std::uint32_t>(8 + 4 + text.size())) +
                           std::string(type, 4) + length + language + text;
  return U32(static_cast<std::uint32_t>(8 + item.size())) + "udta" + item;
}

}  // namespace

bool AppendQuickTimeUserText(const std::string& path, const char type[4], const std::string& text,
                             std::string& error) {
  if (text.size() > 0xFFFF) {
    error = "user text longer than 65535 bytes";
    return false;
  }
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::size_t at = 0;
  while (at + 8 <= bytes.size()) {
    const std::uint32_t size = GetU32(bytes, at);
    if (size < 8 || at + size > bytes.size()) {
      break;
    }
    if (bytes.compare(at + 4, 4, "moov") == 0 && at + size == bytes.size()) {
      const std::string box = UserDataBox(type, text);
      bytes += box;
      bytes.replace(at, 4, U32(size + static_cast<std::uint32_t>(box.size())));
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      return static_cast<bool>(out);
    }
    at += size;
  }
  error = "no movie box at the end of " + path;
  return false;
}

}  // namespace kinovex::testing
