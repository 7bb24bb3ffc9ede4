#pragma once

#include <QStringList>
#include <vector>

#include "shell/backend.h"

namespace shell::qt {

// The name filters of a file dialog. File names here are case-sensitive,
// while the program's patterns ("*.KVX") were written for a system that
// ignored case: each pattern also matches the other case, and "*.*" (every
// file there) matches every file, with or without a dot.
QStringList NameFilters(const std::vector<FileFilter>& filters);

}  // namespace shell::qt
