#include "foundation/tagged_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<int> CodesOf(const std::string& text) {
  TdvStringStream stream(text);
  std::vector<int> codes;
  for (int code = stream.NextCode(); code != kTdvCodeEnd; code = stream.NextCode()) {
    codes.push_back(code);
  }
  return codes;
}

TEST(TaggedStreamCodes, EveryMeaningfulCharacterHasItsCode) {
  std::vector<int> expected = {kTdvCodeSeparator, kTdvCodeSeparator, kTdvCodeEndRecord,
                               kTdvCodeEndGroup, kTdvCodeEndGroup};
  expected.insert(expected.end(),
                  {100,  500,  700,  1000, 1100, 1200, 1300, 2120, 2000, 2010, 2020, 2030,
                   2050, 2060, 2070, 2080, 2090, 2100, 2110, 2130, 2140, 2150, 2160, 2170});
  EXPECT_EQ(CodesOf(",p;])DTGOMPCVdisbrlygtfcjhema"), expected);
}

TEST(TaggedStreamCodes, WhitespaceIsSkippedAndTheTextEndsAtItsFirstNul) {
  EXPECT_EQ(CodesOf(" \t\r\n;\r\n  ]  "), (std::vector<int>{kTdvCodeEndRecord, kTdvCodeEndGroup}));
  EXPECT_TRUE(CodesOf(" \r\n\t").empty());
  EXPECT_EQ(CodesOf(std::string("b\0i", 3)), std::vector<int>{kTdvCodeFlagGroup});
}

TEST(TaggedStreamOpenGroup, ReturnsTheOpeningCharacterPastSkippedText) {
  TdvStringStream stream("O3x50[b(1x1)");
  EXPECT_EQ(stream.OpenGroup(), '[');
  EXPECT_EQ(stream.NextCode(), kTdvCodeFlagGroup);
  EXPECT_EQ(stream.OpenGroup(), '(');
  std::int32_t tag = 0;
  EXPECT_TRUE(stream.ReadTag(tag));
  EXPECT_EQ(tag, 1);
}

TEST(TaggedStreamOpenGroup, NeverOpensPastTheEndOfTheRecord) {
  TdvStringStream stream("b ; i(5x2)");
  stream.NextCode();
  EXPECT_EQ(stream.OpenGroup(), 0);
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);

  TdvStringStream empty("abc");
  EXPECT_EQ(empty.OpenGroup(), 0);
  EXPECT_TRUE(empty.AtEnd());
}

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

TEST(TaggedStreamTags, ATagReadsOnlyWhenFollowedByItsX) {
  TdvStringStream good("570x\"a\"");
  std::int32_t tag = 0;
  ASSERT_TRUE(good.ReadTag(tag));
  EXPECT_EQ(tag, 570);
  for (const char* text : {"570", "570;", "570 x1", "x1", "12;"}) {
    TdvStringStream stream(text);
    tag = -1;
    EXPECT_FALSE(stream.ReadTag(tag)) << text;
    EXPECT_EQ(tag, -1);
    EXPECT_EQ(stream.NextCode(), text[0]) << "nothing consumed";
  }
}

TEST(TaggedStreamReals, StopsAtTheFirstCharacterThatIsNotPartOfTheNumber) {
  TdvStringStream stream("1.5p2x7 .25)");
  double value = 0.0;
  ASSERT_TRUE(stream.ReadReal(value));
  EXPECT_EQ(value, 1.5);
  EXPECT_EQ(stream.NextCode(), kTdvCodeSeparator);
  std::int32_t tag = 0;
  ASSERT_TRUE(stream.ReadTag(tag));
  ASSERT_TRUE(stream.ReadReal(value));
  EXPECT_EQ(value, 7.0);
  ASSERT_TRUE(stream.ReadReal(value));
  EXPECT_EQ(value, 0.25);
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndGroup);
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

TEST(TaggedStreamReals, FailsOnTextThatIsNoNumber) {
  double value = 4.0;
  for (const char* text : {"", ".", "-", "+-1", "e5", "x"}) {
    TdvStringStream stream(text);
    EXPECT_FALSE(stream.ReadReal(value)) << text;
  }
  EXPECT_EQ(value, 4.0);
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

TEST(TaggedStreamStrings, LongerTextIsCutToTheFieldLengthAndFullyConsumed) {
  const std::string longText(300, 'k');
  TdvStringStream stream("\"" + longText + "\";");
  std::string text;
  ASSERT_TRUE(stream.ReadQuoted(text));
  EXPECT_EQ(text, std::string(255, 'k'));
  EXPECT_EQ(stream.NextCode(), kTdvCodeEndRecord);
}

TEST(TaggedStreamStrings, AValueWithoutQuoteDoesNotSwallowFollowingGroups) {
  TdvStringStream stream("570x) i(5x1) s(6x\"name\")");
  std::int32_t tag = 0;
  std::string text = "kept";
  EXPECT_FALSE(stream.ReadTaggedString(tag, text));
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(stream.NextCode(), '5');
}

TEST(TaggedStreamFlags, TheSingleCharacterAfterTheXDecides) {
  TdvStringStream stream("1x1 p3x0 p5x1 p7x2 p9xz");
  std::vector<std::pair<std::int32_t, bool>> read;
  std::int32_t tag = 0;
  bool flag = false;
  while (stream.ReadTaggedFlag(tag, flag)) {
    read.emplace_back(tag, flag);
    stream.NextCode();
  }
  const std::vector<std::pair<std::int32_t, bool>> expected = {
      {1, true}, {3, false}, {5, true}, {7, true}, {9, true}};
  EXPECT_EQ(read, expected);
}

TEST(TaggedStreamFlags, AMissingValueLeavesTheClosingCharacter) {
  for (const char* text : {"4x)", "4x;", "4x]", "4x"}) {
    TdvStringStream stream(text);
    std::int32_t tag = 0;
    bool flag = false;
    EXPECT_FALSE(stream.ReadTaggedFlag(tag, flag)) << text;
    EXPECT_EQ(stream.NextCode(), '4') << text;
  }
}

TEST(TaggedStreamRects, AShortRectangleDoesNotRead) {
  TdvStringStream stream("1000x1 2 3)");
  std::int32_t tag = 0;
  TdvRect rect{9, 9, 9, 9};
  EXPECT_FALSE(stream.ReadTaggedRect(tag, rect));
  EXPECT_EQ(rect, (TdvRect{9, 9, 9, 9}));
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
