#include "foundation/tagged_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tagged_recording_receiver.h"

namespace {

using Ints = std::vector<std::int32_t>;

TdvRecordingReceiver ReadBody(const std::string& text) {
  TdvStringStream stream(text);
  TdvRecordingReceiver receiver;
  ReadRecordBody(stream, receiver);
  return receiver;
}

Ints TagsOf(const TdvRecordingReceiver& r) {
  Ints tags;
  for (const auto& call : r.calls) {
    tags.push_back(call.tag);
  }
  return tags;
}

TEST(TaggedRecordBody, EveryValueKindReachesItsSetterInTextOrder) {
  const TdvRecordingReceiver r = ReadBody(
      "[r(1000x-1 0 640 480)b(7x2 p3x0 )i(550x-3 p551x12 )s(570x\"Origin 1\" )"
      "d(580x1.0000000e-06 p581x2.5 )l(591x2 3 4  )l( p303x2 4 7  p304x0 )i(550x5 )];");
  EXPECT_EQ(TagsOf(r), (Ints{1000, 7, 3, 550, 551, 570, 580, 581, 591, 303, 304, 550}));
  EXPECT_EQ(*r.Last<TdvRect>(1000), (TdvRect{-1, 0, 640, 480}));
  EXPECT_EQ(*r.Last<bool>(7), true);
  EXPECT_EQ(*r.Last<bool>(3), false);
  EXPECT_EQ(*r.Last<std::int32_t>(551), 12);
  EXPECT_EQ(*r.Last<std::string>(570), "Origin 1");
  EXPECT_EQ(*r.Last<double>(580), 1.0e-6);
  EXPECT_EQ(*r.Last<double>(581), 2.5);
  EXPECT_EQ(*r.Last<Ints>(591), (Ints{3, 4}));
  EXPECT_EQ(*r.Last<Ints>(303), (Ints{4, 7}));
  EXPECT_TRUE(r.Last<Ints>(304)->empty());
  EXPECT_EQ(*r.Last<std::int32_t>(550), 5);  // a later token with the same tag comes later
}

TEST(TaggedRecordBody, TheRecordEndsAtItsSemicolon) {
  TdvStringStream stream("[i(1x1 )];O4x1[i(2x2 )];");
  TdvRecordingReceiver first;
  ReadRecordBody(stream, first);
  EXPECT_EQ(first.calls.size(), 1u);
  EXPECT_EQ(stream.NextCode(), kTdvCodeObjectRecord);
}

TEST(TaggedRecordBody, DamagedTextKeepsWhatReads) {
  struct Case {
    const char* text;
    Ints tags;
  };
  const Case cases[] = {
      {"[b(500x1 p501x0 )i(550x3 p551", {500, 501, 550}},     // cut off
      {"[t(1x1 )z(9x9)i(2x5 )m(3x3)];", {2}},                 // unknown groups
      {"[i(550x3 p551xq p552x4 )d(580x2.5 )];", {550, 580}},  // a bad token ends its group
      {"[s(570x\"a];b)\" )i(1x1 )];", {570, 1}},              // structure inside a string
      {"[i(1x1 2x2,3x3)];", {1, 2, 3}},                       // no separators
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TagsOf(ReadBody(c.text)), c.tags) << c.text;
  }
  EXPECT_EQ(*ReadBody(cases[3].text).Last<std::string>(570), "a];b)");
  EXPECT_EQ(*ReadBody(cases[4].text).Last<std::int32_t>(3), 3);
}

TEST(TaggedRecordBody, ASemicolonInsideAGroupEndsTheRecord) {
  TdvStringStream stream("[i(550x3 ;O5x1[i(560x1 )];");
  TdvRecordingReceiver first;
  ReadRecordBody(stream, first);
  ASSERT_EQ(first.calls.size(), 1u);
  EXPECT_EQ(stream.NextCode(), kTdvCodeObjectRecord);
}

TEST(TaggedRecordBody, AStringMayHoldTheRecordsStructuralCharacters) {
  const TdvRecordingReceiver r = ReadBody("[s(570x\"a];b)\" )i(1x1 )];");
  EXPECT_EQ(*r.Last<std::string>(570), "a];b)");
  EXPECT_EQ(*r.Last<std::int32_t>(1), 1);
}

TEST(TaggedRecordBody, TokensWithoutSeparatorsStillRead) {
  const TdvRecordingReceiver r = ReadBody("[i(1x1 2x2,3x3)];");
  EXPECT_EQ(r.calls.size(), 3u);
  EXPECT_EQ(*r.Last<std::int32_t>(3), 3);
}

TEST(TaggedRecordBody, DefaultReceiverIgnoresEverything) {
  TdvStringStream stream(
      "[b(1x1 )i(2x2 )d(3x3 )s(4x\"s\")r(5x1 2 3 4)l(6x1 1 )y(520x1 0 0 0 0 )];x");
  TdvTaggedReceiver receiver;
  ReadRecordBody(stream, receiver);
  EXPECT_EQ(stream.NextCode(), 'x');
}

// A receiver that reads the groups of its own layout the way series and the
// generic graph record do.
class OwnGroupReceiver : public TdvRecordingReceiver {
 public:
  void ReadOwnGroup(int code, TdvStringStream& stream) override {
    codes.push_back(code);
    if (code == kTdvCodePlotRecord || code == kTdvCodeSubRecord) {
      children.emplace_back();
      ReadRecordBody(stream, children.back());
    }
  }

  std::vector<int> codes;
  std::vector<OwnGroupReceiver> children;
};

TEST(TaggedRecordOwnGroups, SpecialGroupsAreHandedToTheReceiver) {
  TdvStringStream stream("[y(520x0 )f(522x0 )c(523x1 0 ];");
  OwnGroupReceiver receiver;
  ReadRecordBody(stream, receiver);
  EXPECT_EQ(receiver.codes, (std::vector<int>{kTdvCodeFrameDataGroup,
                                              kTdvCodeTransformedFramesGroup, kTdvCodeCountGroup}));
  EXPECT_TRUE(receiver.calls.empty());
}

TEST(TaggedRecordOwnGroups, NestedRecordsReadIntoTheirOwnReceivers) {
  const std::string graph =
      "G[r(1000x9 9 209 109)i(675x-31 p850x1 p852x5 )b(651x1 )d(655x10.000000 p656x0.0 )\r\n"
      "a[b(650x1 p649x0 )d(657x1.0 p658x-1.0 )i(852x4 )\r\n"
      "g[b(688x1 )i(676x3 p680x1 p681x3 p682x2 p850x10 )];\r\n"
      "];\r\n"
      "];\r\nT[";
  TdvStringStream stream(graph);
  stream.NextCode();
  OwnGroupReceiver window;
  ReadRecordBody(stream, window);
  EXPECT_EQ(*window.Last<std::int32_t>(675), -31);
  ASSERT_EQ(window.children.size(), 1u);
  const OwnGroupReceiver& graphRecord = window.children[0];
  EXPECT_EQ(*graphRecord.Last<double>(658), -1.0);
  ASSERT_EQ(graphRecord.children.size(), 1u);
  EXPECT_EQ(*graphRecord.children[0].Last<std::int32_t>(850), 10);
  EXPECT_EQ(*window.Last<std::int32_t>(850), 1);
  EXPECT_EQ(stream.NextCode(), kTdvCodeTableRecord);
}

TEST(TaggedRecordOwnGroups, NestingBeyondTheLimitIsSkippedNotFollowed) {
  std::string text;
  const int depth = 10000;
  for (int i = 0; i < depth; ++i) {
    text += "a[i(1x1 )";
  }
  for (int i = 0; i < depth; ++i) {
    text += "];";
  }
  TdvStringStream stream("G[" + text + "];");
  stream.NextCode();
  OwnGroupReceiver top;
  ReadRecordBody(stream, top);
  int levels = 0;
  const OwnGroupReceiver* node = &top;
  while (!node->children.empty()) {
    node = &node->children.front();
    ++levels;
  }
  EXPECT_EQ(levels, kTdvMaxRecordDepth);
  EXPECT_TRUE(node->calls.empty());
}

}  // namespace
