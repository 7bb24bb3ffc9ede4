#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "movie/ffmpeg/ffmpeg_handles.h"
#include "movie/ffmpeg/frame_cache.h"
#include "movie/ffmpeg/frame_converter.h"
#include "movie/ffmpeg/frame_table.h"
#include "movie/ffmpeg/quicktime_index.h"
#include "movie/video_movie.h"

namespace kinovex {

// Everything an open FFmpeg movie owns, gathered by the library while it
// opens the file.
struct TdvFfmpegMovieParts {
  TdvFormatHandle format;
  TdvCodecHandle decoder;
  int streamIndex = -1;
  TdvFrameTable table;
  TdvDisplayGeometry geometry;
  std::vector<TdvQuickTimeUserItem> userItems;
  std::size_t cacheBytes = 0;
  bool fromSampleIndex = false;  // frame list from the container's index
  // MPEG streams have no index: a seek by time searches timestamps
  // and lands on a packet near the time, not on the keyframe. Seeking to
  // the keyframe's byte position lands exactly.
  bool seekByPosition = false;
};

// A movie decoded by libavcodec. Pictures come from a cache of decoded
// frames; a miss decodes forward from where the decoder stands when that
// is close, otherwise from the keyframe before the frame (taken from our own
// frame list, since demuxers may land after the target when asked to seek
// by time). Only whole pictures are kept: a frame that does not decode
// cleanly is reported as no picture, never shown as another frame.
class TdvFfmpegMovie : public TdvVideoMovie {
 public:
  TdvFfmpegMovie(TdvVideoMovieInfo info, TdvFfmpegMovieParts parts);

  std::optional<std::string> VideoUserText(TdvFourCharCode type) const override;
  bool VideoFrameImage(MovieTime time, TdvVideoImage& image) override;
  bool VideoFrameLuma(MovieTime time, TdvVideoLuma& luma) override;

  // Ties a frame list read from the container's index to the demuxer's
  // clock: the first packets hold the first frame (B-frames reorder only a
  // few), whose timestamp is the earliest among them. False when those
  // packets disagree with the list.
  bool AnchorToFirstPackets();

  // Ties a frame list built from decode times (B-frames in AVI) to the
  // decoder's clock, which runs late by the decoder's delay: the first
  // picture's timestamp becomes the time of the first frame.
  bool AnchorToFirstPicture();

  // Decodes the last frame; when it does not come out whole (the tail of a
  // truncated file), ends the frame list before the first frame of the last
  // GOP that does not. False when not even the first frame decodes.
  bool TrimUndecodableTail();

  bool FrameTableFromDecodeTimes() const { return parts_.table.fromDecodeTimes; }
  bool FrameTableFromSampleIndex() const { return parts_.fromSampleIndex; }
  const TdvFrameCache& Cache() const { return cache_; }

 private:
  static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

  const AVFrame* FrameAt(std::size_t index);
  bool ShouldDecodeForward(std::size_t index) const;
  void SeekToKey(std::size_t key);
  // Decodes until frame `index` (or a later one) comes out or the stream
  // ends; every picture on the way is cached.
  void DecodeUpTo(std::size_t index);
  // One decoded picture, or none at the end of the stream.
  bool NextPicture();
  // Caches a decoded picture under its frame index; no index when the
  // picture is damaged or belongs to no frame of the list.
  std::optional<std::size_t> Keep(const AVFrame& frame);
  bool Feed();
  // Streams timed by picture order: gives the packet its frame's time; false
  // for pieces of pictures before the first GOP after a seek, which cannot
  // be placed.
  bool StampInPictureOrder(AVPacket& packet);
  std::size_t FirstDecodeNumberAfterSeek() const;

  TdvFfmpegMovieParts parts_;
  TdvFrameCache cache_;
  TdvFrameConverter converter_;
  TdvPacketHandle packet_;
  TdvFrameHandle picture_;
  std::size_t lastDecoded_ = kNowhere;
  bool drained_ = false;
  bool flushing_ = false;
  std::size_t firstAfterSeek_ = kNowhere;
  std::size_t seekKey_ = 0;                  // keyframe of the last seek
  std::size_t nextDecodeNumber_ = kNowhere;  // decode order of the next packet fed
  std::size_t target_ = kNowhere;            // frame being decoded towards
};

}  // namespace kinovex
