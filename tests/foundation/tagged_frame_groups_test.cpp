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

TEST(TaggedFrameData, CountsAreNeverTrusted) {
  TdvStringStream larger("(520x2147483647 0 10 20 0.0 100 11 )];");
  EXPECT_EQ(ReadGroup(kTdvCodeFrameDataGroup, larger).frameData,
            (std::vector<Ints>{{520, 0, 10, 20}}));
  TdvStringStream cut("(520x3 0 1 2 3.5 1 2 3");
  EXPECT_EQ(ReadGroup(kTdvCodeFrameDataGroup, cut).frameData.size(), 1u);
  EXPECT_TRUE(cut.AtEnd());
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

}  // namespace
