#include "foundation/tagged_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

TEST(TaggedStreamIntegers, SignedDecimalsAndClampingBeyondThirtyTwoBits) {
  TdvStringStream stream(
      " 42 -17 +8 0 2147483647 2147483648 -2147483648 -99999999999999999999999 7");
  std::int32_t value = 0;
  std::vector<std::int32_t> read;
  while (stream.ReadInt(value)) {
    read.push_back(value);
  }
  const std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const std::int32_t min = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(read, (std::vector<std::int32_t>{42, -17, 8, 0, max, max, min, min, 7}));
}

TEST(TaggedStreamReals, SpecialAndOutOfRangeValuesSaturateLikeFormattedInput) {
  TdvStringStream stream("inf -inf +INF 1e999 -1e999 " + std::string(400, '9') + " 1e-999 0." +
                         std::string(400, '0') + "1 -1e-999 nan -nan");
  double value = 0.0;
  std::vector<double> read;
  while (stream.ReadReal(value)) {
    read.push_back(value);
  }
  const double inf = std::numeric_limits<double>::infinity();
  ASSERT_EQ(read.size(), 11u);
  EXPECT_EQ(std::vector<double>(read.begin(), read.begin() + 9),
            (std::vector<double>{inf, -inf, inf, inf, -inf, inf, 0.0, 0.0, 0.0}));
  EXPECT_TRUE(std::signbit(read[8]));
  EXPECT_TRUE(std::isnan(read[9]) && std::isnan(read[10]));
}

TEST(TaggedStreamStrings, EmptyAndUnterminatedStrings) {
  TdvStringStream stream("570x\"\" )\"Origin 1");
  std::int32_t tag = 0;
  std::string text = "old";
  ASSERT_TRUE(stream.ReadTaggedString(tag, text));
  EXPECT_EQ(tag, 570);
  EXPECT_EQ(text, "");
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndGroup);
  ASSERT_TRUE(stream.ReadQuoted(text));
  EXPECT_EQ(text, "Origin 1");  // a missing closing quote runs to the end of the text
  EXPECT_TRUE(stream.AtEnd());
}

std::vector<std::int32_t> ValuesOf(const LList& list) {
  std::vector<std::int32_t> values;
  for (const TdvObject* element : list) {
    values.push_back(static_cast<const TdvInt*>(element)->value);
  }
  return values;
}

TEST(TaggedStreamLists, CountsAreNeverTrusted) {
  TdvStringStream stream("591x2000000000 8 9 ) 592x-3 8 9");
  LList list;
  list.Append(std::make_unique<TdvInt>(1));
  std::int32_t tag = 0;
  ASSERT_TRUE(stream.ReadTaggedList(tag, list));
  EXPECT_EQ(ValuesOf(list), (std::vector<std::int32_t>{8, 9}));
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndGroup);
  ASSERT_TRUE(stream.ReadTaggedList(tag, list));
  EXPECT_EQ(tag, 592);
  EXPECT_TRUE(list.IsEmpty());
}

}  // namespace
