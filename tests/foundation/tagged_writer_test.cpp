#include "foundation/tagged_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tagged_recording_receiver.h"

namespace {

using Ints = std::vector<std::int32_t>;
constexpr TdvTokenEnd kMore = TdvTokenEnd::kSeparator;
constexpr TdvTokenEnd kSpace = TdvTokenEnd::kSpace;
constexpr TdvTokenEnd kNothing = TdvTokenEnd::kNothing;

LList IdList(const Ints& values) {
  LList list;
  for (const std::int32_t value : values) {
    list.Append(std::make_unique<TdvInt>(value));
  }
  return list;
}

TdvSeriesGroupsReceiver ReadBack(const std::string& text) {
  TdvStringStream stream(text);
  EXPECT_EQ(stream.NextCode(), kTdvCodeObjectRecord);
  std::int32_t id = 0;
  EXPECT_TRUE(stream.ReadTag(id));
  TdvSeriesGroupsReceiver receiver;
  ReadRecordBody(stream, receiver);
  EXPECT_EQ(stream.NextCode(), kTdvCodeEnd) << "the whole record is consumed";
  return receiver;
}

TEST(TaggedWriterRoundTrip, EveryGroupKindReadsBackAsWritten) {
  const std::int32_t min = std::numeric_limits<std::int32_t>::min();
  const std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const std::vector<double> reals = {0.0,
                                     0.1,
                                     -250.5,
                                     1.2345678e-05,
                                     6.0221408e+23,
                                     -9.9999999e-300,
                                     std::numeric_limits<double>::infinity()};
  std::string out;
  TdvTaggedWriter w(out);
  w.OpenObjectRecord(12, 9);
  w.RectGroup(1000, TdvRect{min, -1, 0, max});
  w.OpenGroup('b');
  w.Flag(500, true, kMore);
  w.Flag(501, false, kSpace);
  w.CloseGroup();
  w.OpenGroup('i');
  w.Int(550, min, kMore);
  w.Int(551, max, kMore);
  w.Int(552, 0, kNothing);
  w.CloseGroup();
  w.OpenGroup('d');
  for (std::size_t i = 0; i < reals.size(); ++i) {
    w.Real(600 + static_cast<std::int32_t>(i), reals[i], kMore);
  }
  w.Real(700, 3.14159265359, kMore);
  w.Real(701, -2.0 / 3.0, kSpace);
  w.CloseGroup();
  w.OpenGroup('s');
  w.String(570, "Ball ; ] ) p , x", kMore);
  w.String(571, "", kSpace);
  w.CloseGroup();
  w.OpenGroup('l');
  w.List(591, IdList({3, -4, max}));
  w.Text(" p");
  w.List(592, IdList({}));
  w.CloseGroup();
  w.OpenFrameData(520, 2);
  w.FrameDatum(0, 32767, -1, 0.5);
  w.FrameDatum(3003, min, max, -1.0e-6);
  w.CloseGroup();
  w.OpenTransformedFrames(522, 2);
  w.TransformedFrame("Frame 1", 0, 0);
  w.TransformedFrame("", 1001, 1);
  w.CloseGroup();
  w.OpenCountData();
  w.CountFrame(523, 4, 2);
  w.CountMark(10, 20);
  w.CountMark(30, -40);
  w.CountFrame(523, 5, 0);
  w.CloseRecord();

  const TdvSeriesGroupsReceiver r = ReadBack(out);
  EXPECT_EQ(*r.Last<TdvRect>(1000), (TdvRect{min, -1, 0, max}));
  EXPECT_EQ(*r.Last<bool>(500), true);
  EXPECT_EQ(*r.Last<bool>(501), false);
  EXPECT_EQ(*r.Last<std::int32_t>(550), min);
  EXPECT_EQ(*r.Last<std::int32_t>(551), max);
  EXPECT_EQ(*r.Last<std::int32_t>(552), 0);
  for (std::size_t i = 0; i < reals.size(); ++i) {
    const double* read = r.Last<double>(600 + static_cast<std::int32_t>(i));
    ASSERT_NE(read, nullptr) << i;
    EXPECT_EQ(*read, reals[i]) << i;
  }
  EXPECT_EQ(*r.Last<std::string>(570), "Ball ; ] ) p , x");
  EXPECT_EQ(*r.Last<std::string>(571), "");
  EXPECT_EQ(*r.Last<Ints>(591), (Ints{3, -4, max}));
  EXPECT_TRUE(r.Last<Ints>(592)->empty());
  EXPECT_EQ(r.frameData, (std::vector<Ints>{{520, 0, 32767, -1}, {520, 3003, min, max}}));
  EXPECT_EQ(r.frameValues, (std::vector<double>{0.5, -1.0e-6}));
  EXPECT_EQ(r.frameNames, (std::vector<std::string>{"Frame 1", ""}));
  EXPECT_EQ(r.frames, (std::vector<Ints>{{522, 0, 0, 0}, {522, 1, 1001, 1}}));
  EXPECT_EQ(r.counts, (std::vector<Ints>{{523, 4, 10, 20, 30, -40}, {523, 5}}));
  // Fixed-form reals are rounded on six decimals, so a saved value of order
  // one comes back within half a millionth.
  EXPECT_NEAR(*r.Last<double>(700), 3.14159265359, 5e-7);
  EXPECT_NEAR(*r.Last<double>(701), -2.0 / 3.0, 5e-7);
}

}  // namespace
