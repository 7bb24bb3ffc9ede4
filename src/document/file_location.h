#pragma once

#include <string>

// Where a document or movie file lives: its full path and its file name,
// and whether it was written by a version that put no version record in
// it (saving over such a file asks first).
struct TdvFileLocation {
  std::string path;
  std::string fileName;
  bool olderVersion = false;

  static TdvFileLocation FromPath(const std::string& fullPath);
  // The path up to and including its last separator.
  std::string Directory() const;
};
