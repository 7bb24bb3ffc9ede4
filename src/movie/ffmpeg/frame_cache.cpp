#include "movie/ffmpeg/frame_cache.h"

#include <algorithm>

namespace kinovex {
namespace {

std::size_t FrameBytes(const AVFrame& frame) {
  std::size_t bytes = sizeof(AVFrame);
  for (const AVBufferRef* buffer : frame.buf) {
    if (buffer) {
      bytes += buffer->size;
    }
  }
  return bytes;
}

}  // namespace

void TdvFrameCache::Insert(std::size_t index, const AVFrame& frame) {
  if (Find(index)) {
    return;
  }
  TdvFrameHandle copy(av_frame_clone(&frame));
  if (!copy) {
    return;
  }
  uses_.push_front(index);
  std::size_t bytes = FrameBytes(*copy);
  entries_.emplace(index, Entry{std::move(copy), bytes, uses_.begin()});
  bytes_ += bytes;
  Trim();
}

const AVFrame* TdvFrameCache::Find(std::size_t index) {
  auto found = entries_.find(index);
  if (found == entries_.end()) {
    return nullptr;
  }
  uses_.splice(uses_.begin(), uses_, found->second.use);
  return found->second.frame.get();
}

std::size_t TdvFrameCache::FramesFitting(const AVFrame& frame) const {
  // The most recent frame always stays, whatever its size.
  return std::max<std::size_t>(1, byteLimit_ / FrameBytes(frame));
}

void TdvFrameCache::Trim() {
  while (bytes_ > byteLimit_ && uses_.size() > 1) {
    auto oldest = entries_.find(uses_.back());
    bytes_ -= oldest->second.bytes;
    uses_.pop_back();
    entries_.erase(oldest);
  }
}

}  // namespace kinovex
