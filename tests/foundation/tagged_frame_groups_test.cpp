#include "foundation/tagged_frame_groups.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tagged_recording_receiver.h"

namespace {

using Ints = std::vector<std::int32_t>;

// Reads one group of the given kind from text whose opening is next.
TdvSeriesGroupsReceiver ReadGroup(int code, TdvStringStream& stream) {
  TdvSeriesGroupsReceiver receiver;
  receiver.ReadOwnGroup(code, stream);
  return receiver;
}

TEST(TaggedFrameData, ElementsArriveWithTheirTagUpToTheCount) {
  TdvStringStream stream("(520x2 0 10 -20 0.50000000 3003 11 21 1.0000000e-06 );");
  TdvSeriesGroupsReceiver r = ReadGroup(kTdvCodeFrameDataGroup, stream);
  EXPECT_EQ(r.frameData, (std::vector<Ints>{{520, 0, 10, -20}, {520, 3003, 11, 21}}));
  EXPECT_EQ(r.frameValues, (std::vector<double>{0.5, 1e-6}));
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);

  TdvStringStream counted("(521x1 0 10 20 0.0 100 11 21 0.5 )];");
  EXPECT_EQ(ReadGroup(kTdvCodeFrameDataGroup, counted).frameData.size(), 1u);
}

TEST(TaggedFrameData, CountsAreNeverTrusted) {
  TdvStringStream larger("(520x2147483647 0 10 20 0.0 100 11 )];");
  EXPECT_EQ(ReadGroup(kTdvCodeFrameDataGroup, larger).frameData,
            (std::vector<Ints>{{520, 0, 10, 20}}));
  TdvStringStream cut("(520x3 0 1 2 3.5 1 2 3");
  EXPECT_EQ(ReadGroup(kTdvCodeFrameDataGroup, cut).frameData.size(), 1u);
  EXPECT_TRUE(cut.AtEnd());
}

TEST(TaggedFrameData, WithoutAnOpeningTheGroupIsNotRead) {
  TdvStringStream stream(" ;(520x1 0 1 2 3.5)");
  EXPECT_FALSE(ReadFrameDataGroup(stream, [](std::int32_t, const TdvFrameDatumToken&) {
    ADD_FAILURE() << "nothing may be read past the record's end";
  }));
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);
}

TEST(TaggedTransformedFrames, EntriesArriveWithTheirPositionAndCountsAreNotTrusted) {
  TdvStringStream stream("(522x2  \"Origin 1\" 0 0 \"Turned\" 2002 1)];");
  TdvSeriesGroupsReceiver r = ReadGroup(kTdvCodeTransformedFramesGroup, stream);
  EXPECT_EQ(r.frames, (std::vector<Ints>{{522, 0, 0, 0}, {522, 1, 2002, 1}}));
  EXPECT_EQ(r.frameNames, (std::vector<std::string>{"Origin 1", "Turned"}));
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndGroup);

  TdvStringStream larger("(522x90000  \"A\" 0 0 \"B\" 5)];O2x1[s(570x\"next\")];");
  EXPECT_EQ(ReadGroup(kTdvCodeTransformedFramesGroup, larger).frames.size(), 1u);
  EXPECT_EQ(larger.NextCode(), kTdvCodeEndGroup);
  EXPECT_EQ(larger.NextCode(), kTdvCodeEndRecord);
}

TEST(TaggedCountData, FramesFollowEachOtherWithoutSeparatorsUpToTheRecordEnd) {
  TdvStringStream stream("(523x4 2 10 20 30 40 523x8 0 523x9 1 -5 6 ];\r\n");
  EXPECT_EQ(ReadGroup(kTdvCodeCountGroup, stream).counts,
            (std::vector<Ints>{{523, 4, 10, 20, 30, 40}, {523, 8}, {523, 9, -5, 6}}));
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);
}

TEST(TaggedCountData, CountsAreNeverTrusted) {
  TdvStringStream larger("(523x4 3 10 20 30 40 523x8 1 7 8 ];");
  EXPECT_EQ(ReadGroup(kTdvCodeCountGroup, larger).counts,
            (std::vector<Ints>{{523, 4, 10, 20, 30, 40}, {523, 8, 7, 8}}));
  TdvStringStream huge("(523x1 2147483647 1 2 ];");
  EXPECT_EQ(ReadGroup(kTdvCodeCountGroup, huge).counts, (std::vector<Ints>{{523, 1, 1, 2}}));
}

}  // namespace
