#pragma once

#include <cstddef>
#include <list>
#include <unordered_map>

#include "movie/ffmpeg/ffmpeg_handles.h"

namespace kinovex {

// Decoded frames by frame index, in the decoder's own (usually YUV) form,
// which is about half the size of RGB; the least recently used go first
// once the byte budget is spent. The most recent frame always stays, so a
// frame larger than the budget can still be shown.
class TdvFrameCache {
 public:
  explicit TdvFrameCache(std::size_t byteLimit) : byteLimit_(byteLimit) {}

  // Keeps a reference to `frame` (the decoder may reuse its own).
  void Insert(std::size_t index, const AVFrame& frame);
  // The frame, marked as just used; null when it is not kept.
  const AVFrame* Find(std::size_t index);
  bool Contains(std::size_t index) const { return entries_.count(index) != 0; }
  // How many frames like `frame` the budget holds.
  std::size_t FramesFitting(const AVFrame& frame) const;

  std::size_t Bytes() const { return bytes_; }
  std::size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    TdvFrameHandle frame;
    std::size_t bytes = 0;
    std::list<std::size_t>::iterator use;
  };

  void Trim();

  std::size_t byteLimit_;
  std::size_t bytes_ = 0;
  std::unordered_map<std::size_t, Entry> entries_;
  std::list<std::size_t> uses_;  // most recent first
};

}  // namespace kinovex
