#include "kinematics/changed_frames.h"

namespace {

// Beyond this many separate places a full recomputation is as cheap.
constexpr std::size_t kMaxSpans = 32;

}  // namespace

void TdvChangedFrames::Clear() {
  spans.clear();
  all = false;
}

void TdvChangedFrames::MarkAll() {
  spans.clear();
  all = true;
}

void TdvChangedFrames::Add(std::int32_t first, std::int32_t last) {
  if (all) {
    return;
  }
  if (spans.size() >= kMaxSpans) {
    MarkAll();
    return;
  }
  spans.push_back({first, last});
}
