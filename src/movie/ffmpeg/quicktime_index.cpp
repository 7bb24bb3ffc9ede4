#include "movie/ffmpeg/quicktime_index.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>

#include <zlib.h>

namespace kinovex {
namespace {

// Guards memory against tables that claim more samples than a lesson's
// movie has (about 37 hours at 30 frames a second); such a file is read by
// packets instead.
constexpr std::uint64_t kMaxSamples = 4'000'000;
constexpr std::uint64_t kMaxMovieBox = 512ull * 1024 * 1024;

constexpr std::uint32_t Tag(const char (&t)[5]) {
  return (std::uint32_t(std::uint8_t(t[0])) << 24) | (std::uint32_t(std::uint8_t(t[1])) << 16) |
         (std::uint32_t(std::uint8_t(t[2])) << 8) | std::uint32_t(std::uint8_t(t[3]));
}

// A bounds-checked big-endian reader over one box's payload. Reads past the
// end fail and leave the reader failed, so a damaged table never reads
// outside its box.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Ok() const { return ok_; }
  std::size_t Remaining() const { return size_ - pos_; }
  const std::uint8_t* Here() const { return data_ + pos_; }

  std::uint64_t Read(int bytes) {
    if (!ok_ || Remaining() < static_cast<std::size_t>(bytes)) {
      ok_ = false;
      return 0;
    }
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      value = (value << 8) | data_[pos_++];
    }
    return value;
  }
  void Skip(std::size_t bytes) {
    if (Remaining() < bytes) {
      ok_ = false;
      pos_ = size_;
      return;
    }
    pos_ += bytes;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

struct Box {
  std::uint32_t type = 0;
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
};

// Splits a payload into its child boxes; stops at the first malformed one.
std::vector<Box> ChildBoxes(const std::uint8_t* data, std::size_t size) {
  std::vector<Box> boxes;
  ByteReader reader(data, size);
  while (reader.Remaining() >= 8) {
    std::uint64_t boxSize = reader.Read(4);
    std::uint32_t type = static_cast<std::uint32_t>(reader.Read(4));
    std::uint64_t header = 8;
    if (boxSize == 1) {
      boxSize = reader.Read(8);
      header = 16;
    } else if (boxSize == 0) {
      boxSize = reader.Remaining() + header;
    }
    if (!reader.Ok() || boxSize < header || boxSize - header > reader.Remaining()) {
      break;
    }
    std::size_t payload = static_cast<std::size_t>(boxSize - header);
    boxes.push_back(Box{type, reader.Here(), payload});
    reader.Skip(payload);
  }
  return boxes;
}

const Box* FindChild(const std::vector<Box>& boxes, std::uint32_t type) {
  for (const Box& box : boxes) {
    if (box.type == type) {
      return &box;
    }
  }
  return nullptr;
}

std::vector<Box> ChildrenOf(const Box* box) {
  return box ? ChildBoxes(box->data, box->size) : std::vector<Box>{};
}

// Media header, movie header and track header share their layout up to the
// field read here: version 1 has 64-bit dates.
std::uint64_t FullBoxField(const Box& box, int offsetV0, int offsetV1) {
  ByteReader reader(box.data, box.size);
  int version = static_cast<int>(reader.Read(1));
  reader.Skip(3 + (version == 1 ? offsetV1 : offsetV0));
  std::uint64_t value = reader.Read(4);
  return reader.Ok() ? value : 0;
}

bool ReadDecodeTimes(const Box& stts, std::vector<TdvQuickTimeSample>& samples) {
  ByteReader reader(stts.data, stts.size);
  reader.Skip(4);
  std::uint64_t entries = reader.Read(4);
  std::int64_t time = 0;
  for (std::uint64_t i = 0; i < entries && reader.Ok(); ++i) {
    std::uint64_t count = reader.Read(4);
    std::int64_t delta = static_cast<std::int64_t>(reader.Read(4));
    if (!reader.Ok() || samples.size() + count > kMaxSamples) {
      return false;
    }
    for (std::uint64_t k = 0; k < count; ++k) {
      samples.push_back(TdvQuickTimeSample{time, 0, delta, true});
      time += delta;
    }
  }
  return reader.Ok();
}

bool ReadCompositionOffsets(const Box& ctts, std::vector<TdvQuickTimeSample>& samples) {
  ByteReader reader(ctts.data, ctts.size);
  reader.Skip(4);
  std::uint64_t entries = reader.Read(4);
  std::size_t sample = 0;
  for (std::uint64_t i = 0; i < entries && reader.Ok(); ++i) {
    std::uint64_t count = reader.Read(4);
    // Offsets are signed in practice whatever the box version says.
    std::int64_t offset = static_cast<std::int32_t>(reader.Read(4));
    for (std::uint64_t k = 0; k < count && sample < samples.size(); ++k) {
      samples[sample++].compositionOffset = offset;
    }
  }
  return reader.Ok();
}

bool ReadSyncSamples(const Box& stss, std::vector<TdvQuickTimeSample>& samples) {
  for (auto& sample : samples) {
    sample.key = false;
  }
  ByteReader reader(stss.data, stss.size);
  reader.Skip(4);
  std::uint64_t entries = reader.Read(4);
  for (std::uint64_t i = 0; i < entries && reader.Ok(); ++i) {
    std::uint64_t number = reader.Read(4);
    if (number >= 1 && number <= samples.size()) {
      samples[number - 1].key = true;
    }
  }
  return reader.Ok();
}

void ReadEditList(const Box& elst, std::uint32_t movieScale, TdvQuickTimeTrack& track) {
  ByteReader reader(elst.data, elst.size);
  int version = static_cast<int>(reader.Read(1));
  reader.Skip(3);
  std::uint64_t entries = reader.Read(4);
  int width = version == 1 ? 8 : 4;
  for (std::uint64_t i = 0; i < entries && reader.Ok(); ++i) {
    std::uint64_t duration = reader.Read(width);
    std::int64_t mediaTime = width == 8 ? static_cast<std::int64_t>(reader.Read(8))
                                        : static_cast<std::int32_t>(reader.Read(4));
    reader.Skip(4);
    if (!reader.Ok() || mediaTime < 0) {
      continue;  // an empty edit only delays the start
    }
    if (++track.editCount == 1) {
      track.editMediaTime = mediaTime;
      if (movieScale > 0 && duration < (1ull << 40)) {
        track.editMediaDuration =
            static_cast<std::int64_t>(duration * track.mediaTimeScale / movieScale);
      }
    }
  }
}

bool ReadSampleTables(const Box& stbl, TdvQuickTimeTrack& track) {
  auto tables = ChildBoxes(stbl.data, stbl.size);
  const Box* stts = FindChild(tables, Tag("stts"));
  if (!stts || !ReadDecodeTimes(*stts, track.samples)) {
    return false;
  }
  const Box* ctts = FindChild(tables, Tag("ctts"));
  if (ctts && !ReadCompositionOffsets(*ctts, track.samples)) {
    return false;
  }
  const Box* stss = FindChild(tables, Tag("stss"));
  return !stss || ReadSyncSamples(*stss, track.samples);
}

std::optional<TdvQuickTimeTrack> ReadTrack(const Box& trak, std::uint32_t movieScale) {
  auto parts = ChildBoxes(trak.data, trak.size);
  TdvQuickTimeTrack track;
  if (const Box* tkhd = FindChild(parts, Tag("tkhd"))) {
    track.trackId = static_cast<std::uint32_t>(FullBoxField(*tkhd, 8, 16));
  }
  auto media = ChildrenOf(FindChild(parts, Tag("mdia")));
  if (const Box* mdhd = FindChild(media, Tag("mdhd"))) {
    track.mediaTimeScale = static_cast<std::uint32_t>(FullBoxField(*mdhd, 8, 16));
  }
  if (const Box* hdlr = FindChild(media, Tag("hdlr")); hdlr && hdlr->size >= 12) {
    track.isVideo = std::memcmp(hdlr->data + 8, "vide", 4) == 0;
  }
  auto edits = ChildrenOf(FindChild(parts, Tag("edts")));
  if (const Box* elst = FindChild(edits, Tag("elst"))) {
    ReadEditList(*elst, movieScale, track);
  }
  auto info = ChildrenOf(FindChild(media, Tag("minf")));
  const Box* stbl = FindChild(info, Tag("stbl"));
  if (!stbl || !ReadSampleTables(*stbl, track)) {
    return std::nullopt;
  }
  return track;
}

// QuickTime text items hold one or more (length, language, text) entries;
// the first is taken. Other item types hold their bytes as they are.
std::string UserItemText(const Box& item) {
  if ((item.type >> 24) == 0xA9 && item.size >= 4) {
    ByteReader reader(item.data, item.size);
    std::size_t length = static_cast<std::size_t>(reader.Read(2));
    reader.Skip(2);
    if (reader.Ok() && length <= reader.Remaining()) {
      return std::string(reinterpret_cast<const char*>(reader.Here()), length);
    }
  }
  return std::string(reinterpret_cast<const char*>(item.data), item.size);
}

TdvFourCharCode CodeOf(std::uint32_t type) {
  return TdvFourCharCode{{static_cast<char>(type >> 24), static_cast<char>(type >> 16),
                          static_cast<char>(type >> 8), static_cast<char>(type)}};
}

// MP4 files keep tagged text in meta/ilst, each item holding a data box
// (type indicator and locale, then the value).
void ReadItemList(const Box& meta, std::vector<TdvQuickTimeUserItem>& items) {
  // The ISO form of meta is a full box; QuickTime's is not.
  bool full = meta.size >= 4 && std::memcmp(meta.data, "\0\0\0\0", 4) == 0;
  auto parts = full ? ChildBoxes(meta.data + 4, meta.size - 4) : ChildBoxes(meta.data, meta.size);
  for (const Box& item : ChildrenOf(FindChild(parts, Tag("ilst")))) {
    auto values = ChildBoxes(item.data, item.size);
    const Box* data = FindChild(values, Tag("data"));
    if (data && data->size >= 8) {
      items.push_back(TdvQuickTimeUserItem{
          CodeOf(item.type),
          std::string(reinterpret_cast<const char*>(data->data + 8), data->size - 8)});
    }
  }
}

void ReadUserData(const Box& udta, std::vector<TdvQuickTimeUserItem>& items) {
  for (const Box& item : ChildBoxes(udta.data, udta.size)) {
    if (item.type == Tag("meta")) {
      ReadItemList(item, items);
    } else {
      items.push_back(TdvQuickTimeUserItem{CodeOf(item.type), UserItemText(item)});
    }
  }
}

// Older QuickTime files compress their movie box with zlib: a cmov box
// holding the method (dcom) and the compressed movie box (cmvd: its size,
// then the data). Answers the inflated movie box, header included.
std::optional<std::vector<std::uint8_t>> InflateMovieBox(const Box& cmov) {
  auto parts = ChildBoxes(cmov.data, cmov.size);
  const Box* dcom = FindChild(parts, Tag("dcom"));
  const Box* cmvd = FindChild(parts, Tag("cmvd"));
  if (!dcom || !cmvd || dcom->size < 4 || std::memcmp(dcom->data, "zlib", 4) != 0 ||
      cmvd->size < 4) {
    return std::nullopt;
  }
  ByteReader reader(cmvd->data, 4);
  const std::uint64_t inflatedSize = reader.Read(4);
  if (inflatedSize == 0 || inflatedSize > kMaxMovieBox) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> inflated(static_cast<std::size_t>(inflatedSize));
  uLongf length = static_cast<uLongf>(inflated.size());
  if (uncompress(inflated.data(), &length, cmvd->data + 4, static_cast<uLong>(cmvd->size - 4)) !=
      Z_OK) {
    return std::nullopt;
  }
  inflated.resize(length);
  return inflated;
}

std::optional<TdvQuickTimeIndex> ParseMovieBox(const std::uint8_t* data, std::size_t size,
                                               bool mayInflate);

std::optional<TdvQuickTimeIndex> ParseCompressedMovieBox(const Box& cmov) {
  auto inflated = InflateMovieBox(cmov);
  if (!inflated) {
    return std::nullopt;
  }
  auto boxes = ChildBoxes(inflated->data(), inflated->size());
  const Box* moov = FindChild(boxes, Tag("moov"));
  return moov ? ParseMovieBox(moov->data, moov->size, false) : std::nullopt;
}

std::optional<TdvQuickTimeIndex> ParseMovieBox(const std::uint8_t* data, std::size_t size,
                                               bool mayInflate) {
  auto parts = ChildBoxes(data, size);
  const Box* mvhd = FindChild(parts, Tag("mvhd"));
  if (!mvhd) {
    const Box* cmov = FindChild(parts, Tag("cmov"));
    return cmov && mayInflate ? ParseCompressedMovieBox(*cmov) : std::nullopt;
  }
  auto movieScale = static_cast<std::uint32_t>(FullBoxField(*mvhd, 8, 16));
  TdvQuickTimeIndex index;
  index.movieTimeScale = movieScale;
  for (const Box& box : parts) {
    if (box.type == Tag("trak")) {
      if (auto track = ReadTrack(box, movieScale)) {
        index.tracks.push_back(std::move(*track));
      }
    } else if (box.type == Tag("udta")) {
      ReadUserData(box, index.userItems);
    } else if (box.type == Tag("meta")) {
      ReadItemList(box, index.userItems);
    } else if (box.type == Tag("mvex")) {
      index.fragmented = true;
    }
  }
  return index;
}

}  // namespace

std::optional<TdvQuickTimeIndex> ParseQuickTimeMovieBox(const std::uint8_t* data,
                                                        std::size_t size) {
  return ParseMovieBox(data, size, true);
}

std::optional<TdvQuickTimeIndex> ReadQuickTimeIndex(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return std::nullopt;
  }
  file.seekg(0, std::ios::end);
  const std::uint64_t fileSize = static_cast<std::uint64_t>(file.tellg());
  std::uint64_t pos = 0;
  while (pos + 8 <= fileSize) {
    std::uint8_t header[16];
    file.seekg(static_cast<std::streamoff>(pos));
    if (!file.read(reinterpret_cast<char*>(header), 8)) {
      return std::nullopt;
    }
    ByteReader reader(header, 8);
    std::uint64_t boxSize = reader.Read(4);
    std::uint32_t type = static_cast<std::uint32_t>(reader.Read(4));
    std::uint64_t headerSize = 8;
    if (boxSize == 1) {
      if (!file.read(reinterpret_cast<char*>(header + 8), 8)) {
        return std::nullopt;
      }
      ByteReader large(header + 8, 8);
      boxSize = large.Read(8);
      headerSize = 16;
    } else if (boxSize == 0) {
      boxSize = fileSize - pos;
    }
    if (boxSize < headerSize || boxSize > fileSize - pos) {
      return std::nullopt;
    }
    if (type == Tag("moov")) {
      std::uint64_t payload = boxSize - headerSize;
      if (payload > kMaxMovieBox) {
        return std::nullopt;
      }
      std::vector<std::uint8_t> bytes(static_cast<std::size_t>(payload));
      file.seekg(static_cast<std::streamoff>(pos + headerSize));
      if (!file.read(reinterpret_cast<char*>(bytes.data()),
                     static_cast<std::streamsize>(bytes.size()))) {
        return std::nullopt;
      }
      return ParseQuickTimeMovieBox(bytes.data(), bytes.size());
    }
    pos += boxSize;
  }
  return std::nullopt;
}

std::optional<TdvIndexedFrames> PresentedFrames(const TdvQuickTimeTrack& track) {
  if (track.samples.empty() || track.editCount > 1) {
    return std::nullopt;
  }
  const std::int64_t begin =
      track.editCount == 1 ? track.editMediaTime : std::numeric_limits<std::int64_t>::min();
  const std::int64_t stop = track.editCount == 1 && track.editMediaDuration > 0
                                ? track.editMediaTime + track.editMediaDuration
                                : std::numeric_limits<std::int64_t>::max();
  TdvIndexedFrames result;
  std::int64_t end = std::numeric_limits<std::int64_t>::min();
  for (const auto& sample : track.samples) {
    std::int64_t start = sample.decodeTime + sample.compositionOffset;
    if (start < begin || start >= stop) {
      continue;
    }
    end = std::max(end, start + std::max<std::int64_t>(sample.duration, 0));
    result.frames.push_back(TdvIndexedFrame{start, sample.key});
  }
  if (result.frames.empty()) {
    return std::nullopt;
  }
  std::sort(result.frames.begin(), result.frames.end(),
            [](const TdvIndexedFrame& a, const TdvIndexedFrame& b) { return a.time < b.time; });
  const std::int64_t first = result.frames.front().time;
  for (auto& frame : result.frames) {
    frame.time -= first;
  }
  result.end = std::min(end, stop) - first;
  return result;
}

}  // namespace kinovex
