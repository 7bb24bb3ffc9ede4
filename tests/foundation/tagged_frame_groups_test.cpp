#include "foundation/tagged_frame_groups.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Datum = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t, double>;

std::vector<Datum> ReadFrameData(TdvStringStream& stream) {
  std::vector<Datum> read;
  ReadFrameDataGroup(stream, [&](std::int32_t tag, const TdvFrameDatumToken& d) {
    read.emplace_back(tag, d.key, d.x, d.y, d.value);
  });
  return read;
}

TEST(TaggedFrameData, ElementsArriveWithTheirTag) {
  TdvStringStream stream("(520x2 0 10 -20 0.50000000 3003 11 21 1.0000000e-06 );");
  const std::vector<Datum> expected = {{520, 0, 10, -20, 0.5}, {520, 3003, 11, 21, 1e-6}};
  EXPECT_EQ(ReadFrameData(stream), expected);
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);
}

TEST(TaggedFrameData, ACountLargerThanTheTextReadsWhatIsThere) {
  TdvStringStream stream("(520x2147483647 0 10 20 0.0 100 11 )];");
  const std::vector<Datum> expected = {{520, 0, 10, 20, 0.0}};
  EXPECT_EQ(ReadFrameData(stream), expected);
}

TEST(TaggedFrameData, ACountSmallerThanTheTextStopsAtTheCount) {
  TdvStringStream stream("(521x1 0 10 20 0.0 100 11 21 0.5 )];");
  EXPECT_EQ(ReadFrameData(stream).size(), 1u);
}

TEST(TaggedFrameData, AGroupCutOffByTheEndOfTheTextKeepsItsElements) {
  TdvStringStream stream("(520x3 0 1 2 3.5 1 2 3");
  EXPECT_EQ(ReadFrameData(stream).size(), 1u);
  EXPECT_TRUE(stream.AtEnd());
}

TEST(TaggedFrameData, WithoutAnOpeningTheGroupIsNotRead) {
  TdvStringStream stream(" ;(520x1 0 1 2 3.5)");
  EXPECT_FALSE(ReadFrameDataGroup(stream, [](std::int32_t, const TdvFrameDatumToken&) {
    ADD_FAILURE() << "nothing may be read past the record's end";
  }));
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);
}

using Entry = std::tuple<std::int32_t, std::int32_t, std::string, std::int32_t, std::int32_t>;

std::vector<Entry> ReadTransformedFrames(TdvStringStream& stream) {
  std::vector<Entry> read;
  ReadTransformedFramesGroup(
      stream, [&](std::int32_t tag, std::int32_t position, const TdvTransformedFrameToken& e) {
        read.emplace_back(tag, position, e.name, e.startFrame, e.useTransformPoint);
      });
  return read;
}

TEST(TaggedTransformedFrames, EntriesArriveWithTheirPosition) {
  TdvStringStream stream("(522x2  \"Origin 1\" 0 0 \"Turned\" 2002 1)];");
  const std::vector<Entry> expected = {{522, 0, "Origin 1", 0, 0}, {522, 1, "Turned", 2002, 1}};
  EXPECT_EQ(ReadTransformedFrames(stream), expected);
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndGroup);
}

TEST(TaggedTransformedFrames, ACountLargerThanTheTextReadsWhatIsThere) {
  TdvStringStream stream("(522x90000  \"A\" 0 0 \"B\" 5)];O2x1[s(570x\"next\")];");
  EXPECT_EQ(ReadTransformedFrames(stream).size(), 1u);
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndGroup);
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);
}

std::vector<std::tuple<std::int32_t, std::int32_t, std::vector<std::int32_t>>> ReadCounts(
    TdvStringStream& stream) {
  std::vector<std::tuple<std::int32_t, std::int32_t, std::vector<std::int32_t>>> read;
  ReadCountGroup(
      stream, [&](std::int32_t tag, std::int32_t key, const std::vector<TdvCountMarkToken>& marks) {
        std::vector<std::int32_t> flat;
        for (const TdvCountMarkToken& mark : marks) {
          flat.push_back(mark.x);
          flat.push_back(mark.y);
        }
        read.emplace_back(tag, key, flat);
      });
  return read;
}

TEST(TaggedCountData, FramesFollowEachOtherWithoutSeparatorsUpToTheRecordEnd) {
  TdvStringStream stream("(523x4 2 10 20 30 40 523x8 0 523x9 1 -5 6 ];\r\n");
  const auto read = ReadCounts(stream);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0], std::make_tuple(523, 4, std::vector<std::int32_t>{10, 20, 30, 40}));
  EXPECT_EQ(read[1], std::make_tuple(523, 8, std::vector<std::int32_t>{}));
  EXPECT_EQ(read[2], std::make_tuple(523, 9, std::vector<std::int32_t>{-5, 6}));
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);
}

TEST(TaggedCountData, ACountLargerThanTheTextLeavesTheNextFrameReadable) {
  TdvStringStream stream("(523x4 3 10 20 30 40 523x8 1 7 8 ];");
  const auto read = ReadCounts(stream);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0], std::make_tuple(523, 4, std::vector<std::int32_t>{10, 20, 30, 40}));
  EXPECT_EQ(read[1], std::make_tuple(523, 8, std::vector<std::int32_t>{7, 8}));
}

TEST(TaggedCountData, AHugeCountOnShortTextAllocatesOnlyWhatIsThere) {
  TdvStringStream stream("(523x1 2147483647 1 2 ];");
  const auto read = ReadCounts(stream);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(std::get<2>(read[0]), (std::vector<std::int32_t>{1, 2}));
}

}  // namespace
