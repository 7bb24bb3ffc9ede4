#include "movie/ffmpeg/ffmpeg_movie.h"

#include <algorithm>
#include <utility>

#include "movie/ffmpeg/mpeg_picture_order.h"

namespace kinovex {
namespace {

// Within this many frames the decoder walks forward rather than seeking,
// even past a keyframe: a seek restarts the threaded decoder's pipeline.
constexpr std::size_t kForwardReach = 12;
// A demuxer that keeps landing after the target gets this many tries at
// earlier keyframes before decoding from the start.
constexpr int kSeekRetries = 3;
// Packets read to find the first frame's timestamp: more than any B-frame
// reordering spans.
constexpr std::size_t kAnchorPackets = 16;
// Decoders that report errors without end stop being asked after this many.
constexpr int kMaxDecoderErrors = 64;

std::int64_t PictureTimestamp(const AVFrame& frame) {
  return frame.best_effort_timestamp != AV_NOPTS_VALUE ? frame.best_effort_timestamp : frame.pts;
}

}  // namespace

TdvFfmpegMovie::TdvFfmpegMovie(TdvVideoMovieInfo info, TdvFfmpegMovieParts parts)
    : TdvVideoMovie(std::move(info)),
      parts_(std::move(parts)),
      cache_(parts_.cacheBytes),
      converter_(parts_.geometry),
      packet_(av_packet_alloc()),
      picture_(av_frame_alloc()) {}

std::optional<std::string> TdvFfmpegMovie::VideoUserText(TdvFourCharCode type) const {
  for (const auto& item : parts_.userItems) {
    if (item.type == type) {
      return item.text;
    }
  }
  return std::nullopt;
}

bool TdvFfmpegMovie::VideoFrameImage(MovieTime time, TdvVideoImage& image) {
  const AVFrame* frame = VideoFrameTimes().empty() ? nullptr : FrameAt(FrameIndexAt(time));
  if (!frame) {
    image = TdvVideoImage{};
    return false;
  }
  return converter_.Convert(*frame, image);
}

bool TdvFfmpegMovie::VideoFrameLuma(MovieTime time, TdvVideoLuma& luma) {
  const AVFrame* frame = VideoFrameTimes().empty() ? nullptr : FrameAt(FrameIndexAt(time));
  return frame != nullptr && converter_.LumaOf(*frame, luma);
}

bool TdvFfmpegMovie::AnchorToFirstPackets() {
  std::vector<std::int64_t> stamps;
  AVPacket* packet = packet_.get();
  while (stamps.size() < kAnchorPackets && av_read_frame(parts_.format.get(), packet) >= 0) {
    if (packet->stream_index == parts_.streamIndex && !(packet->flags & AV_PKT_FLAG_DISCARD)) {
      stamps.push_back(packet->pts);
    }
    av_packet_unref(packet);
  }
  if (stamps.empty() || std::find(stamps.begin(), stamps.end(), AV_NOPTS_VALUE) != stamps.end()) {
    return false;
  }
  auto& table = parts_.table;
  table.firstPts = *std::min_element(stamps.begin(), stamps.end());
  for (std::int64_t pts : stamps) {
    if (!std::binary_search(table.times.begin(), table.times.end(), pts - table.firstPts)) {
      return false;
    }
  }
  // The demuxer has moved on; the first picture asked for seeks back.
  return true;
}

bool TdvFfmpegMovie::AnchorToFirstPicture() {
  SeekToKey(0);
  if (!NextPicture()) {
    return false;
  }
  std::int64_t pts = PictureTimestamp(*picture_);
  if (pts == AV_NOPTS_VALUE) {
    return false;
  }
  parts_.table.firstPts = pts;
  Keep(*picture_);
  av_frame_unref(picture_.get());
  return true;
}

bool TdvFfmpegMovie::TrimUndecodableTail() {
  auto& table = parts_.table;
  const std::size_t last = table.Count() - 1;
  if (FrameAt(last)) {
    return true;
  }
  // Walks the last GOP (decoding forward) to the first frame that fails.
  std::size_t shown = table.KeyAtOrBefore(last);
  while (shown < last && FrameAt(shown)) {
    ++shown;
  }
  if (shown == 0) {
    return false;
  }
  table.EndBefore(shown);
  EndBefore(shown);
  return true;
}

const AVFrame* TdvFfmpegMovie::FrameAt(std::size_t index) {
  if (const AVFrame* frame = cache_.Find(index)) {
    return frame;
  }
  if (ShouldDecodeForward(index)) {
    DecodeUpTo(index);
  } else {
    std::size_t key = parts_.table.KeyAtOrBefore(index);
    for (int attempt = 0;; ++attempt) {
      SeekToKey(key);
      DecodeUpTo(index);
      bool landedAfter = firstAfterSeek_ == kNowhere || firstAfterSeek_ > index;
      if (cache_.Contains(index) || !landedAfter || key == 0) {
        break;
      }
      key = attempt < kSeekRetries ? parts_.table.KeyAtOrBefore(key - 1) : 0;
    }
  }
  return cache_.Find(index);
}

bool TdvFfmpegMovie::ShouldDecodeForward(std::size_t index) const {
  if (lastDecoded_ == kNowhere || drained_ || index <= lastDecoded_) {
    return false;
  }
  const auto& table = parts_.table;
  return index - lastDecoded_ <= kForwardReach || !table.KeyBetween(lastDecoded_, index);
}

void TdvFfmpegMovie::SeekToKey(std::size_t key) {
  AVFormatContext* format = parts_.format.get();
  if (parts_.seekByPosition) {
    // The first GOP from the start of the file: nothing before it is lost.
    av_seek_frame(format, -1, key == 0 ? 0 : parts_.table.positions[key], AVSEEK_FLAG_BYTE);
  } else {
    const std::int64_t pts = parts_.table.PtsOf(key);
    // A failed seek leaves the demuxer where it was; decoding on from there
    // still gives the nearest earlier picture it reaches.
    int result = av_seek_frame(format, parts_.streamIndex, pts, AVSEEK_FLAG_BACKWARD);
    if (result < 0) {
      result = avformat_seek_file(format, parts_.streamIndex, INT64_MIN, pts, pts, 0);
    }
    if (result < 0 && key == 0) {
      av_seek_frame(format, -1, 0, AVSEEK_FLAG_BYTE);
    }
  }
  avcodec_flush_buffers(parts_.decoder.get());
  seekKey_ = key;
  nextDecodeNumber_ = kNowhere;
  lastDecoded_ = kNowhere;
  firstAfterSeek_ = kNowhere;
  drained_ = false;
  flushing_ = false;
}

void TdvFfmpegMovie::DecodeUpTo(std::size_t index) {
  target_ = index;
  while (NextPicture()) {
    Keep(*picture_);
    av_frame_unref(picture_.get());
    if (lastDecoded_ != kNowhere && lastDecoded_ >= index) {
      return;
    }
  }
}

bool TdvFfmpegMovie::NextPicture() {
  AVCodecContext* decoder = parts_.decoder.get();
  int errors = 0;
  while (!drained_) {
    int result = avcodec_receive_frame(decoder, picture_.get());
    if (result >= 0) {
      return true;
    }
    if (result == AVERROR_EOF || (flushing_ && result == AVERROR(EAGAIN)) ||
        ++errors > kMaxDecoderErrors) {
      drained_ = true;
    } else if (result == AVERROR(EAGAIN) && !Feed()) {
      avcodec_send_packet(decoder, nullptr);
      flushing_ = true;
    }
  }
  return false;
}

// Hands the decoder the next packet of the stream; false at the end of the
// file (or at a read error, which ends the stream the same way).
bool TdvFfmpegMovie::Feed() {
  AVPacket* packet = packet_.get();
  while (av_read_frame(parts_.format.get(), packet) >= 0) {
    if (packet->stream_index != parts_.streamIndex || !StampInPictureOrder(*packet)) {
      av_packet_unref(packet);
      continue;
    }
    // A damaged packet is refused by the decoder; the next one may decode.
    avcodec_send_packet(parts_.decoder.get(), packet);
    av_packet_unref(packet);
    return true;
  }
  return false;
}

bool TdvFfmpegMovie::StampInPictureOrder(AVPacket& packet) {
  const auto& table = parts_.table;
  const auto& order = table.pictureOrder;
  if (order.empty()) {
    return true;
  }
  const std::optional<TdvMpegPictureHeader> header =
      ReadMpegPictureHeader(packet.data, packet.size);
  if (!header) {
    return false;
  }
  if (header->startsGop && nextDecodeNumber_ == kNowhere) {
    nextDecodeNumber_ = FirstDecodeNumberAfterSeek();
  }
  if (nextDecodeNumber_ >= order.size()) {
    return false;
  }
  packet.pts = table.PtsOf(order[nextDecodeNumber_++]);
  packet.dts = AV_NOPTS_VALUE;
  return true;
}

std::size_t TdvFfmpegMovie::FirstDecodeNumberAfterSeek() const {
  const auto& table = parts_.table;
  // Keyframes that share a pack share its position: the seek lands on the
  // earliest of them.
  std::size_t key = seekKey_;
  while (key > 0) {
    const std::size_t before = table.KeyAtOrBefore(key - 1);
    if (table.positions[before] != table.positions[seekKey_]) {
      break;
    }
    key = before;
  }
  const auto& order = table.pictureOrder;
  return static_cast<std::size_t>(std::find(order.begin(), order.end(), key) - order.begin());
}

std::optional<std::size_t> TdvFfmpegMovie::Keep(const AVFrame& frame) {
  if ((frame.flags & AV_FRAME_FLAG_CORRUPT) || frame.decode_error_flags != 0) {
    return std::nullopt;
  }
  std::int64_t pts = PictureTimestamp(frame);
  std::optional<std::size_t> index;
  if (pts != AV_NOPTS_VALUE) {
    index = parts_.table.IndexOfPts(pts);
  } else if (lastDecoded_ != kNowhere && lastDecoded_ + 1 < parts_.table.Count()) {
    index = lastDecoded_ + 1;
  }
  // Pictures shown before the keyframe sought to refer to the GOP before
  // it, which the decoder has not seen.
  if (!index || *index < seekKey_) {
    return std::nullopt;
  }
  // Frames too far before the target would be evicted before it is reached;
  // not keeping them spares the memory traffic of a long seek.
  if (target_ == kNowhere || *index + cache_.FramesFitting(frame) > target_) {
    cache_.Insert(*index, frame);
  }
  lastDecoded_ = lastDecoded_ == kNowhere ? *index : std::max(lastDecoded_, *index);
  if (firstAfterSeek_ == kNowhere) {
    firstAfterSeek_ = *index;
  }
  return index;
}

}  // namespace kinovex
