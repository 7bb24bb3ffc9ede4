#include "document/file_location.h"

namespace {

std::size_t LastSeparator(const std::string& path) {
  return path.find_last_of("/\\");
}

}  // namespace

TdvFileLocation TdvFileLocation::FromPath(const std::string& fullPath) {
  TdvFileLocation where;
  where.path = fullPath;
  std::size_t cut = LastSeparator(fullPath);
  where.fileName = cut == std::string::npos ? fullPath : fullPath.substr(cut + 1);
  return where;
}

std::string TdvFileLocation::Directory() const {
  std::size_t cut = LastSeparator(path);
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}
