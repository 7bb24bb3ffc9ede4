#pragma once

#include <cstddef>

namespace kinovex {

inline constexpr std::size_t kDefaultFrameCacheBytes = 256u * 1024 * 1024;

// Tunes the process's heap for decoded frames (a frame cache of up to
// `cacheBytes`). The settings are process-wide, so a program's main()
// makes this call once, before it opens movies.
void SetMovieMemoryOptions(std::size_t cacheBytes = kDefaultFrameCacheBytes);

}  // namespace kinovex
