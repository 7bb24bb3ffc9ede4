#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/calculated_point_series.h"
#include "model/scale_series.h"
#include "series_fixture.h"
#include "series_record_io.h"

namespace {

class CalculatedRecordTest : public SeriesTest {
 protected:
  CalculatedRecordTest() {
    AddPoint(1, "A", 10, -10);
    AddPoint(2, "B", 50, -40);
    AddPoint(3, "C", 90, -10);
  }

  // Read back as the file reader does: a new series of the kind, in the
  // same document, under another id and the placeholder name.
  template <typename Series>
  Series& ReadBack(const std::string& text, bool legacy = false) {
    Series& copy = Add<Series>(20, "bogus");
    ReadRecordText(text, copy, legacy);
    return copy;
  }

  static void ExpectSameCalculated(const TdvCalculatedObject& a, const TdvCalculatedObject& b) {
    ExpectSameSeries(a, b);
    EXPECT_EQ(Included(a), Included(b));
  }
};

TEST_F(CalculatedRecordTest, ACentreOfMassComesBackWithItsRotationsAndMass) {
  auto& centre = Add<TdvCalculatedCM>(10, "CM");
  Include(centre, {1, 2, 3});
  centre.SetOrigin(1);
  centre.SetValue(0.75, 300);
  centre.SetMass(0.3);
  const std::string text = RecordText(centre);
  EXPECT_EQ(text.rfind("O10x5[", 0), 0u) << text;
  EXPECT_NE(text.find("y(520x1 300 32767 32767 0.75000000 )"), std::string::npos) << text;

  auto& copy = ReadBack<TdvCalculatedCM>(text);
  ExpectSameCalculated(centre, copy);
  EXPECT_TRUE(copy.HasTrails());
  EXPECT_DOUBLE_EQ(copy.GetValue(300), 0.75);
}

TEST_F(CalculatedRecordTest, ALegacyRecordConvertsTheMassOfCalculatedPoints) {
  const std::string text =
      "O4x8[b(500x0 p501x1 p502x0 )i(553x3 p555x12 )s(570x\"old\" )d(580x250 )"
      "l(591x2 1 2  )d(563x0.5 p564x0.25 )];\r\n";
  auto& designated = ReadBack<TdvCalculatedDesPt>(text, true);
  EXPECT_EQ(designated.GetName(), "old");
  EXPECT_DOUBLE_EQ(designated.GetMass(), 0.25);
  EXPECT_EQ(designated.GetMarkerSize(), 2);
  EXPECT_EQ(designated.GetMarkerColour(), 2);
  EXPECT_DOUBLE_EQ(designated.GetAlong(), 0.5);
  EXPECT_DOUBLE_EQ(designated.GetPerp(), 0.25);
  EXPECT_EQ(Included(designated), (std::vector<std::int32_t>{1, 2}));

  auto& scale =  // a scale reads its known length as metres
      ReadBack<TdvCalibrateObject>("O4x4[d(580x1000 )l(591x2 1 2  )d(566x2 )];\r\n", true);
  EXPECT_DOUBLE_EQ(scale.GetKnownLength(), 2.0);
  EXPECT_DOUBLE_EQ(scale.GetMass(), 0.1);
}

}  // namespace
