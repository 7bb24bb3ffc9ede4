#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/tagged_stream.h"

// The groups that only series records hold: per-frame data ("y"),
// transformed frames ("f") and count data ("c"). Each reader starts right
// after the group letter. Element counts in the text are never trusted: a
// reader delivers the elements that are actually there and stops at the
// first one that does not read, so memory grows only with the text.

struct TdvFrameDatumToken {
  std::int32_t key = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  double value = 0.0;
};

struct TdvTransformedFrameToken {
  std::string name;
  std::int32_t startFrame = 0;
  std::int32_t useTransformPoint = 0;
};

struct TdvCountMarkToken {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

using TdvFrameDatumSink = std::function<void(std::int32_t tag, const TdvFrameDatumToken&)>;
// position counts the entries of one token from 0.
using TdvTransformedFrameSink =
    std::function<void(std::int32_t tag, std::int32_t position, const TdvTransformedFrameToken&)>;
using TdvCountFrameSink = std::function<void(std::int32_t tag, std::int32_t frameKey,
                                             const std::vector<TdvCountMarkToken>& marks)>;

bool ReadFrameDataGroup(TdvStringStream& stream, const TdvFrameDatumSink& store);
bool ReadTransformedFramesGroup(TdvStringStream& stream, const TdvTransformedFrameSink& store);
bool ReadCountGroup(TdvStringStream& stream, const TdvCountFrameSink& store);
