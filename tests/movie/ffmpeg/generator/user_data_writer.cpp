#include "user_data_writer.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace kinovex::testing {
namespace {

void PutU32(std::vector<char>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<char>((value >> shift) & 0xFF));
  }
}

std::uint32_t GetU32(const std::vector<char>& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  }
  return value;
}

std::vector<char> UserDataBox(const char type[4], const std::string& text) {
  std::vector<char> item;
  PutU32(item, static_cast<std::uint32_t>(8 + 4 + text.size()));
  item.insert(item.end(), type, type + 4);
  item.push_back(static_cast<char>((text.size() >> 8) & 0xFF));
  item.push_back(static_cast<char>(text.size() & 0xFF));
  item.push_back(0);  // language: unspecified
  item.push_back(0);
  item.insert(item.end(), text.begin(), text.end());
  std::vector<char> box;
  PutU32(box, static_cast<std::uint32_t>(8 + item.size()));
  box.insert(box.end(), {'u', 'd', 't', 'a'});
  box.insert(box.end(), item.begin(), item.end());
  return box;
}

}  // namespace

bool AppendQuickTimeUserText(const std::string& path, const char type[4], const std::string& text,
                             std::string& error) {
  if (text.size() > 0xFFFF) {
    error = "user text longer than 65535 bytes";
    return false;
  }
  std::vector<char> bytes;
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
    if (std::string(&bytes[at + 4], 4) == "moov" && at + size == bytes.size()) {
      const std::vector<char> box = UserDataBox(type, text);
      bytes.insert(bytes.end(), box.begin(), box.end());
      const std::uint32_t grown = size + static_cast<std::uint32_t>(box.size());
      for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((grown >> (24 - 8 * i)) & 0xFF);
      }
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
