#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "movie/video_types.h"

namespace kinovex {

// One sample of a QuickTime/MP4 track, in decode order, in media units.
struct TdvQuickTimeSample {
  std::int64_t decodeTime = 0;
  std::int64_t compositionOffset = 0;
  std::int64_t duration = 0;
  bool key = false;
};

struct TdvQuickTimeTrack {
  std::uint32_t trackId = 0;
  std::uint32_t mediaTimeScale = 0;
  bool isVideo = false;
  std::vector<TdvQuickTimeSample> samples;
  // The presented part of the media (first non-empty edit) in media units;
  // `editCount` counts the non-empty edits.
  int editCount = 0;
  std::int64_t editMediaTime = 0;
  std::int64_t editMediaDuration = 0;  // 0: to the end of the media
};

struct TdvQuickTimeUserItem {
  TdvFourCharCode type;
  std::string text;
};

// The parts of a QuickTime or MP4 file's movie box that the library needs
// beyond what the demuxer offers: the sample tables (so that frame times
// come without reading packets) and the user-data text items.
struct TdvQuickTimeIndex {
  std::vector<TdvQuickTimeTrack> tracks;
  std::vector<TdvQuickTimeUserItem> userItems;
  std::uint32_t movieTimeScale = 0;
  bool fragmented = false;  // samples live in fragments, not in the tables
};

// Reads the movie box of the file at `path`; no value when the file has no
// readable movie box (another container, or a damaged one).
std::optional<TdvQuickTimeIndex> ReadQuickTimeIndex(const std::string& path);

// The same from a movie box already in memory (its payload, without the box
// header).
std::optional<TdvQuickTimeIndex> ParseQuickTimeMovieBox(const std::uint8_t* data, std::size_t size);

struct TdvIndexedFrame {
  std::int64_t time = 0;
  bool key = false;
};

// The presented frames of a track in presentation order, times relative to
// the first one, and the end of the last frame on the same scale.
struct TdvIndexedFrames {
  std::vector<TdvIndexedFrame> frames;
  std::int64_t end = 0;
};

// No value when the track has no samples or an edit list too complex to
// follow here (several non-empty edits).
std::optional<TdvIndexedFrames> PresentedFrames(const TdvQuickTimeTrack& track);

}  // namespace kinovex
