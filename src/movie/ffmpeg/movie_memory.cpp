#include "movie/ffmpeg/movie_memory.h"

#include <malloc.h>

#include <algorithm>
#include <limits>

namespace kinovex {
namespace {

constexpr int kLargestHeapFrame = 32 * 1024 * 1024;

}  // namespace

// Decoded frames are megabytes each; served from the heap and kept there
// when freed, a frame evicted from the cache (or a closed movie's) is
// reused without touching fresh pages, which costs tens of microseconds a
// page on virtual machines that hand unused memory back to the host. The
// decoder's threads allocate too, and per-thread heaps give their memory
// back whenever they empty: one heap for all keeps it.
void SetMovieMemoryOptions(std::size_t cacheBytes) {
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, kLargestHeapFrame);
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::min<std::size_t>(
                                cacheBytes + kLargestHeapFrame, std::numeric_limits<int>::max())));
}

}  // namespace kinovex
