#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "movie/video_types.h"

namespace kinovex {

// What every open movie knows once it has been opened: its timing is fixed
// then, so the frame list is built once and never changes.
struct TdvVideoMovieInfo {
  int naturalWidth = 0;  // display size: sample aspect and rotation applied
  int naturalHeight = 0;
  MovieTime timeScale = 1;            // units per second
  MovieTime duration = 0;             // end of the last frame; never a frame start
  std::vector<MovieTime> frameTimes;  // increasing, the first is 0
  std::string codecName;
};

// An open movie (the video library's movie handle). Closing the movie is
// releasing the object. Timing questions are answered from the frame list;
// the library behind it supplies pictures and user data.
class TdvVideoMovie {
 public:
  explicit TdvVideoMovie(TdvVideoMovieInfo info);
  virtual ~TdvVideoMovie() = default;
  TdvVideoMovie(const TdvVideoMovie&) = delete;
  TdvVideoMovie& operator=(const TdvVideoMovie&) = delete;

  // The text of the user-data item of that type, if the movie has one.
  virtual std::optional<std::string> VideoUserText(TdvFourCharCode type) const = 0;

  // The frame shown at `time` (the one whose start is the largest not
  // greater than it) as RGB at the natural size. False when no picture
  // could be decoded; `image` is then left empty.
  virtual bool VideoFrameImage(MovieTime time, TdvVideoImage& image) = 0;

  // The same frame's grey levels without converting the picture, for
  // measuring on it: only where the decoded picture already holds them at
  // the natural size. False otherwise (VideoFrameImage then gives it) and
  // when the frame cannot be decoded.
  virtual bool VideoFrameLuma(MovieTime /*time*/, TdvVideoLuma& /*luma*/) { return false; }

  const TdvVideoMovieInfo& Info() const { return info_; }
  TdvVideoRect VideoNaturalBox() const;
  MovieTime VideoDuration() const { return info_.duration; }
  MovieTime VideoTimeScale() const { return info_.timeScale; }
  const std::vector<MovieTime>& VideoFrameTimes() const { return info_.frameTimes; }

  // Start of the first frame after `time`, or -1 (smaller than any time)
  // when no frame starts after it.
  MovieTime VideoNextFrameTime(MovieTime time) const;

  // Index in the frame list of the frame shown at `time`; times before the
  // first frame show the first one.
  std::size_t FrameIndexAt(MovieTime time) const;

  // Places the picture; hit tests are made against this box.
  void VideoSetBox(const TdvVideoRect& box) { box_ = box; }
  bool VideoHitTest(TdvVideoPoint point) const { return box_.Contains(point); }

 protected:
  // While the library opens the movie: frames from `count` on cannot be
  // shown (a truncated file), so the list ends before them, and the
  // duration one frame after the last frame kept, at most where the first
  // dropped one starts.
  void EndBefore(std::size_t count);

 private:
  TdvVideoMovieInfo info_;
  TdvVideoRect box_;
};

}  // namespace kinovex
