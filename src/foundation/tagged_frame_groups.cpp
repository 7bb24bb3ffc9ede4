#include "foundation/tagged_frame_groups.h"

namespace {

bool ReadFrameDatum(TdvStringStream& stream, TdvFrameDatumToken& datum) {
  return stream.ReadInt(datum.key) && stream.ReadInt(datum.x) && stream.ReadInt(datum.y) &&
         stream.ReadReal(datum.value);
}

bool ReadTransformedFrame(TdvStringStream& stream, TdvTransformedFrameToken& entry) {
  return stream.ReadQuoted(entry.name) && stream.ReadInt(entry.startFrame) &&
         stream.ReadInt(entry.useTransformPoint);
}

// Frames of a count group follow each other without separators. When a
// count claims more marks than there are, the next frame's tag reads as a
// mark's x; going back lets that frame still be read.
bool ReadCountMark(TdvStringStream& stream, TdvCountMarkToken& mark) {
  const std::size_t start = stream.Position();
  if (stream.ReadInt(mark.x) && stream.ReadInt(mark.y)) {
    return true;
  }
  stream.ReturnTo(start);
  return false;
}

// The tag and element count that open every token of these groups.
bool ReadTaggedCount(TdvStringStream& stream, std::int32_t& tag, std::int32_t& count) {
  return stream.ReadTag(tag) && stream.ReadInt(count);
}

}  // namespace

bool ReadFrameDataGroup(TdvStringStream& stream, const TdvFrameDatumSink& store) {
  return stream.ReadGroup([&] {
    std::int32_t tag = 0;
    std::int32_t count = 0;
    if (!ReadTaggedCount(stream, tag, count)) {
      return false;
    }
    TdvFrameDatumToken datum;
    for (std::int32_t i = 0; i < count && ReadFrameDatum(stream, datum); ++i) {
      store(tag, datum);
    }
    return true;
  });
}

bool ReadTransformedFramesGroup(TdvStringStream& stream, const TdvTransformedFrameSink& store) {
  return stream.ReadGroup([&] {
    std::int32_t tag = 0;
    std::int32_t count = 0;
    if (!ReadTaggedCount(stream, tag, count)) {
      return false;
    }
    TdvTransformedFrameToken entry;
    for (std::int32_t i = 0; i < count && ReadTransformedFrame(stream, entry); ++i) {
      store(tag, i, entry);
    }
    return true;
  });
}

bool ReadCountGroup(TdvStringStream& stream, const TdvCountFrameSink& store) {
  return stream.ReadGroup([&] {
    std::int32_t tag = 0;
    std::int32_t frameKey = 0;
    std::int32_t count = 0;
    if (!stream.ReadTag(tag) || !stream.ReadInt(frameKey) || !stream.ReadInt(count)) {
      return false;
    }
    std::vector<TdvCountMarkToken> marks;
    TdvCountMarkToken mark;
    for (std::int32_t i = 0; i < count && ReadCountMark(stream, mark); ++i) {
      marks.push_back(mark);
    }
    store(tag, frameKey, marks);
    return true;
  });
}
