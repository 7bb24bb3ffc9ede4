#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "movie/ffmpeg/ffmpeg_handles.h"
#include "movie/ffmpeg/quicktime_index.h"
#include "movie/video_types.h"

namespace kinovex {

// The frames of the video stream in presentation order, in stream time-base
// units relative to the first frame, with the demuxer's timestamp of that
// first frame to translate decoded frames back to their index.
struct TdvFrameTable {
  std::vector<std::int64_t> times;
  std::vector<bool> keys;
  // Byte position in the file of each frame's packet (-1 when the demuxer
  // did not say); empty when the table comes from a sample index.
  std::vector<std::int64_t> positions;
  std::int64_t end = 0;  // end of the last frame; not above it when unknown
  std::int64_t firstPts = 0;
  // Some packets had no presentation time (B-frames in AVI): their decode
  // times stood in, and decoded pictures carry times shifted by the
  // decoder's delay, so the first picture must fix `firstPts`.
  bool fromDecodeTimes = false;
  // MPEG-1/2 streams timed by the pictures' own order (program streams): the
  // frame index of each packet in decode order. Timestamps of such streams
  // are guesses after a seek, so the packets fed to the decoder are stamped
  // from this list.
  std::vector<std::size_t> pictureOrder;

  std::size_t Count() const { return times.size(); }
  // End of the last frame; when the stream does not say, a last frame lasts
  // as long as the one before it, and a single frame one unit.
  std::int64_t LastEnd() const;
  // Index of the frame shown at a demuxer timestamp; no value before the
  // first frame or after the end of a known last frame.
  std::optional<std::size_t> IndexOfPts(std::int64_t pts) const;
  // Drops frame `count` and every later one; pictures from where the first
  // dropped one started belong to no frame.
  void EndBefore(std::size_t count);
  // Every keyframe's packet has a known byte position.
  bool HasKeyPositions() const;
  // The last keyframe at or before `index` (the first frame counts as one).
  std::size_t KeyAtOrBefore(std::size_t index) const;
  bool KeyBetween(std::size_t after, std::size_t upTo) const;
  std::int64_t PtsOf(std::size_t index) const { return firstPts + times[index]; }
};

enum class TdvFrameScan { kDone, kNoFrames, kCancelled };

// Transport streams (also M2TS), program streams and bare MPEG video: no
// index, and timestamps that need not be on every packet.
bool IsMpegStream(const AVFormatContext& format);

// Reads every packet of the stream (without decoding) from the current
// position of the demuxer and builds the table from their timestamps.
TdvFrameScan ScanPackets(AVFormatContext& format, int streamIndex, const TdvVideoProgress& progress,
                         TdvFrameTable& table);

// Builds the table from a QuickTime/MP4 sample index; `firstPts` is left for
// the caller, who learns it from the first decoded frame.
TdvFrameTable TableFromIndex(const TdvIndexedFrames& frames);

// Converts the table to movie time (units of 1/den second); no value when a
// time does not fit 32 bits.
std::optional<std::vector<MovieTime>> MovieTimes(const TdvFrameTable& table, AVRational timeBase,
                                                 MovieTime& duration);

}  // namespace kinovex
