// The movie-box reader on hand-built boxes: sample timing, edit lists, user
// data, and damaged boxes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <zlib.h>

#include "movie/ffmpeg/quicktime_index.h"

namespace kinovex {
namespace {

using Bytes = std::string;

Bytes U32(std::uint32_t v) {
  return Bytes{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}
Bytes U16(std::uint16_t v) {
  return Bytes{char(v >> 8), char(v)};
}
Bytes Box(const char* type, const Bytes& payload) {
  return U32(static_cast<std::uint32_t>(8 + payload.size())) + Bytes(type, 4) + payload;
}
Bytes FullBox(const char* type, const Bytes& payload) {
  return Box(type, U32(0) + payload);
}

// Movie and media headers (version 0): dates, then the time scale.
Bytes Header(const char* type, std::uint32_t scale) {
  return FullBox(type, U32(0) + U32(0) + U32(scale) + U32(0));
}
Bytes TrackHeader(std::uint32_t id) {
  return FullBox("tkhd", U32(0) + U32(0) + U32(id));
}

Bytes Table(const char* type, const std::vector<std::pair<std::uint32_t, std::uint32_t>>& runs) {
  Bytes payload = U32(static_cast<std::uint32_t>(runs.size()));
  for (auto [count, value] : runs) {
    payload += U32(count) + U32(value);
  }
  return FullBox(type, payload);
}

Bytes Sync(const std::vector<std::uint32_t>& numbers) {
  Bytes payload = U32(static_cast<std::uint32_t>(numbers.size()));
  for (auto n : numbers) {
    payload += U32(n);
  }
  return FullBox("stss", payload);
}

Bytes Edits(const std::vector<std::pair<std::uint32_t, std::int32_t>>& edits) {
  Bytes payload = U32(static_cast<std::uint32_t>(edits.size()));
  for (auto [duration, mediaTime] : edits) {
    payload += U32(duration) + U32(static_cast<std::uint32_t>(mediaTime)) + U32(0x10000);
  }
  return Box("edts", FullBox("elst", payload));
}

Bytes VideoTrack(const Bytes& tables, const Bytes& edits = {}) {
  Bytes handler = FullBox("hdlr", U32(0) + "vide" + Bytes(12, '\0'));
  Bytes media = Header("mdhd", 600) + handler + Box("minf", Box("stbl", tables));
  return Box("trak", TrackHeader(1) + edits + Box("mdia", media));
}

std::optional<TdvQuickTimeIndex> Parse(const Bytes& movieBoxPayload) {
  return ParseQuickTimeMovieBox(reinterpret_cast<const std::uint8_t*>(movieBoxPayload.data()),
                                movieBoxPayload.size());
}

std::vector<std::int64_t> Times(const TdvIndexedFrames& frames) {
  std::vector<std::int64_t> times;
  for (const auto& frame : frames.frames) {
    times.push_back(frame.time);
  }
  return times;
}

// Decode order I P B B with the B-frames shown before the P-frame.
Bytes ReorderedTables() {
  return Table("stts", {{4, 20}}) + Table("ctts", {{1, 20}, {1, 60}, {2, 0}}) + Sync({1});
}

TEST(QuickTimeTiming, CompositionOffsetsGivePresentationOrder) {
  auto index = Parse(Header("mvhd", 1000) + VideoTrack(ReorderedTables()));
  ASSERT_TRUE(index);
  ASSERT_EQ(index->tracks.size(), 1u);
  const auto& track = index->tracks[0];
  EXPECT_TRUE(track.isVideo);
  EXPECT_EQ(track.trackId, 1u);
  EXPECT_EQ(track.mediaTimeScale, 600u);
  auto frames = PresentedFrames(track);
  ASSERT_TRUE(frames);
  // Presentation: I at 20, B at 40 and 60, P at 80; relative to the first.
  EXPECT_EQ(Times(*frames), (std::vector<std::int64_t>{0, 20, 40, 60}));
  EXPECT_TRUE(frames->frames[0].key);
  EXPECT_FALSE(frames->frames[3].key);
  EXPECT_EQ(frames->end, 80);
}

// Older QuickTime files hold their movie box compressed.
Bytes Compressed(const Bytes& movieBox) {
  uLongf length = compressBound(static_cast<uLong>(movieBox.size()));
  Bytes packed(length, '\0');
  compress(reinterpret_cast<Bytef*>(packed.data()), &length,
           reinterpret_cast<const Bytef*>(movieBox.data()), static_cast<uLong>(movieBox.size()));
  packed.resize(length);
  return Box("cmov", Box("dcom", "zlib") +
                         Box("cmvd", U32(static_cast<std::uint32_t>(movieBox.size())) + packed));
}

TEST(QuickTimeCompressed, DamagedCompressedDataIsNoIndex) {
  Bytes movie = Box("moov", Header("mvhd", 600) + VideoTrack(ReorderedTables()));
  Bytes packed = Compressed(movie);
  packed[packed.size() / 2 + 10] ^= 0x55;
  packed[packed.size() - 3] ^= 0x55;
  EXPECT_FALSE(Parse(packed));
  // A size that claims more than the limit is not allocated.
  EXPECT_FALSE(Parse(Box("cmov", Box("dcom", "zlib") + Box("cmvd", U32(0xFFFFFFFF) + "x"))));
  EXPECT_FALSE(Parse(Box("cmov", Box("dcom", "lzw ") + Box("cmvd", U32(10) + "x"))));
}

TEST(QuickTimeDamage, EveryTruncationIsReadSafely) {
  Bytes whole = Header("mvhd", 600) + VideoTrack(ReorderedTables(), Edits({{80, 20}})) +
                Box("udta", Box("\xA9KXC", U16(3) + U16(0) + "abc"));
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    auto index = Parse(whole.substr(0, length));
    if (index) {
      for (const auto& track : index->tracks) {
        PresentedFrames(track);
      }
    }
  }
  auto full = Parse(whole);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->tracks.size(), 1u);
}

TEST(QuickTimeDamage, HugeSampleCountsAreRefused) {
  auto index = Parse(Header("mvhd", 600) + VideoTrack(Table("stts", {{0xFFFFFFFFu, 1}})));
  ASSERT_TRUE(index);
  EXPECT_TRUE(index->tracks.empty());
}

}  // namespace
}  // namespace kinovex
