#include "movie/ffmpeg/frame_table.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "movie/ffmpeg/mpeg_picture_order.h"

namespace kinovex {
namespace {

struct PacketStamp {
  std::int64_t pts;
  std::int64_t duration;
  std::int64_t position;
  bool key;
};

constexpr int kPacketsPerProgressReport = 512;

bool ReportProgress(const TdvVideoProgress& progress, AVFormatContext& format) {
  if (!progress) {
    return true;
  }
  std::int64_t size = format.pb ? avio_size(format.pb) : -1;
  std::int64_t at = format.pb ? avio_tell(format.pb) : -1;
  double fraction = size > 0 && at >= 0 ? std::min(1.0, double(at) / double(size)) : 0.0;
  return progress(fraction);
}

// Sorts into presentation order and merges stamps that share a time (a
// damaged stream can repeat one).
void FillTable(std::vector<PacketStamp>& stamps, TdvFrameTable& table) {
  std::sort(stamps.begin(), stamps.end(),
            [](const PacketStamp& a, const PacketStamp& b) { return a.pts < b.pts; });
  table.firstPts = stamps.front().pts;
  std::int64_t end = std::numeric_limits<std::int64_t>::min();
  for (const PacketStamp& stamp : stamps) {
    std::int64_t time = stamp.pts - table.firstPts;
    if (!table.times.empty() && table.times.back() == time) {
      if (stamp.key && !table.keys.back()) {
        table.keys.back() = true;
        table.positions.back() = stamp.position;
      }
    } else {
      table.times.push_back(time);
      table.keys.push_back(stamp.key);
      table.positions.push_back(stamp.position);
    }
    end = std::max(end, time + stamp.duration);
  }
  table.end = end;
}

bool IsMpegVideo(const AVStream& stream) {
  const AVCodecID codec = stream.codecpar->codec_id;
  return codec == AV_CODEC_ID_MPEG1VIDEO || codec == AV_CODEC_ID_MPEG2VIDEO;
}

// Gives each packet the decode time of its place in display order: in a
// steady stream the decode times are the presentation times, shifted by the
// decoder's delay. False when the places do not make an order of the
// packets.
bool TimeByDisplayOrder(const std::vector<std::size_t>& display,
                        std::vector<std::int64_t> decodeTimes, std::vector<PacketStamp>& stamps) {
  if (display.size() != stamps.size()) {
    return false;
  }
  std::sort(decodeTimes.begin(), decodeTimes.end());
  if (decodeTimes.front() == AV_NOPTS_VALUE ||
      std::adjacent_find(decodeTimes.begin(), decodeTimes.end()) != decodeTimes.end()) {
    return false;
  }
  std::vector<bool> seen(display.size(), false);
  for (std::size_t place : display) {
    if (place >= seen.size() || seen[place]) {
      return false;
    }
    seen[place] = true;
  }
  for (std::size_t i = 0; i < stamps.size(); ++i) {
    stamps[i].pts = decodeTimes[display[i]];
  }
  return true;
}

}  // namespace

bool IsMpegStream(const AVFormatContext& format) {
  for (const char* name : {"mpegts", "mpeg", "mpegvideo"}) {
    if (std::strcmp(format.iformat->name, name) == 0) {
      return true;
    }
  }
  return false;
}

std::int64_t TdvFrameTable::LastEnd() const {
  const std::int64_t last = times.back();
  if (end > last) {
    return end;
  }
  return Count() > 1 ? last + (last - times[Count() - 2]) : last + 1;
}

std::optional<std::size_t> TdvFrameTable::IndexOfPts(std::int64_t pts) const {
  if (times.empty() || pts < firstPts || (end > times.back() && pts - firstPts >= end)) {
    return std::nullopt;
  }
  auto after = std::upper_bound(times.begin(), times.end(), pts - firstPts);
  return static_cast<std::size_t>(after - times.begin()) - 1;
}

std::size_t TdvFrameTable::KeyAtOrBefore(std::size_t index) const {
  while (index > 0 && !keys[index]) {
    --index;
  }
  return index;
}

void TdvFrameTable::EndBefore(std::size_t count) {
  end = times[count];
  times.resize(count);
  keys.resize(count);
  if (!positions.empty()) {
    positions.resize(count);
  }
}

bool TdvFrameTable::HasKeyPositions() const {
  if (positions.size() != Count()) {
    return false;
  }
  for (std::size_t i = 0; i < Count(); ++i) {
    if (keys[i] && positions[i] < 0) {
      return false;
    }
  }
  return true;
}

bool TdvFrameTable::KeyBetween(std::size_t after, std::size_t upTo) const {
  for (std::size_t i = after + 1; i <= upTo && i < keys.size(); ++i) {
    if (keys[i]) {
      return true;
    }
  }
  return false;
}

TdvFrameScan ScanPackets(AVFormatContext& format, int streamIndex, const TdvVideoProgress& progress,
                         TdvFrameTable& table) {
  TdvPacketHandle packet(av_packet_alloc());
  if (!packet) {
    return TdvFrameScan::kNoFrames;
  }
  std::vector<PacketStamp> stamps;
  std::vector<std::int64_t> decodeTimes;
  // MPEG-1/2 in MPEG streams: each packet's place in display order.
  const bool mpegVideo = IsMpegStream(format) && IsMpegVideo(*format.streams[streamIndex]);
  std::vector<std::size_t> display;
  std::size_t gopStart = 0;
  // Program streams give a position only to the first frame starting in a
  // pack; the others start in that pack or a later one.
  std::int64_t lastPosition = -1;
  int sinceReport = 0;
  while (av_read_frame(&format, packet.get()) >= 0) {
    // Packets flagged for discarding lie outside the container's edit.
    if (packet->stream_index == streamIndex && !(packet->flags & AV_PKT_FLAG_DISCARD)) {
      lastPosition = packet->pos >= 0 ? packet->pos : lastPosition;
      if (auto header =
              mpegVideo ? ReadMpegPictureHeader(packet->data, packet->size) : std::nullopt) {
        gopStart = header->startsGop ? stamps.size() : gopStart;
        display.push_back(gopStart + static_cast<std::size_t>(header->temporalReference));
      }
      stamps.push_back(PacketStamp{packet->pts, std::max<std::int64_t>(packet->duration, 0),
                                   lastPosition, (packet->flags & AV_PKT_FLAG_KEY) != 0});
      decodeTimes.push_back(packet->dts);
    }
    av_packet_unref(packet.get());
    if (++sinceReport == kPacketsPerProgressReport) {
      sinceReport = 0;
      if (!ReportProgress(progress, format)) {
        return TdvFrameScan::kCancelled;
      }
    }
  }
  // Presentation times given to some packets only (B-frames in AVI, frames
  // sharing a pack in program streams) cannot be completed; the decode
  // times of a steady stream are the same times, shifted by the decoder's
  // delay. MPEG-1/2 pictures say where they stand, so their packets can be
  // timed exactly; the others keep their decode times.
  const bool someUntimed = std::any_of(stamps.begin(), stamps.end(), [](const PacketStamp& stamp) {
    return stamp.pts == AV_NOPTS_VALUE;
  });
  if (someUntimed && TimeByDisplayOrder(display, decodeTimes, stamps)) {
    table.pictureOrder = std::move(display);
  } else if (someUntimed) {
    table.fromDecodeTimes = true;
    for (std::size_t i = 0; i < stamps.size(); ++i) {
      stamps[i].pts = decodeTimes[i];
    }
  }
  std::erase_if(stamps, [](const PacketStamp& stamp) { return stamp.pts == AV_NOPTS_VALUE; });
  if (stamps.empty()) {
    return TdvFrameScan::kNoFrames;
  }
  FillTable(stamps, table);
  return TdvFrameScan::kDone;
}

TdvFrameTable TableFromIndex(const TdvIndexedFrames& frames) {
  TdvFrameTable table;
  for (const TdvIndexedFrame& frame : frames.frames) {
    if (!table.times.empty() && table.times.back() == frame.time) {
      table.keys.back() = table.keys.back() || frame.key;
      continue;
    }
    table.times.push_back(frame.time);
    table.keys.push_back(frame.key);
  }
  table.end = frames.end;
  return table;
}

std::optional<std::vector<MovieTime>> MovieTimes(const TdvFrameTable& table, AVRational timeBase,
                                                 MovieTime& duration) {
  constexpr std::int64_t kLimit = std::numeric_limits<MovieTime>::max();
  const std::int64_t unit = timeBase.num;
  const std::int64_t end = table.LastEnd();
  if (unit <= 0 || end > kLimit / unit) {
    return std::nullopt;
  }
  std::vector<MovieTime> times;
  times.reserve(table.Count());
  for (std::int64_t time : table.times) {
    times.push_back(static_cast<MovieTime>(time * unit));
  }
  duration = static_cast<MovieTime>(end * unit);
  return times;
}

}  // namespace kinovex
