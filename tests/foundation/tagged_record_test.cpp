#include "foundation/tagged_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tagged_recording_receiver.h"

namespace {

using Ints = std::vector<std::int32_t>;

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
