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

  // The groups after the base groups of the record.
  static std::string Tail(const std::string& text) {
    std::size_t at = text.find("l(");
    return at == std::string::npos ? "" : text.substr(at);
  }
};

TEST_F(CalculatedRecordTest, ADistanceSavesItsEndsAfterTheBaseGroups) {
  auto& distance = Add<TdvCalculatedLine>(10, "D");
  Include(distance, {1, 2});
  distance.SetLengthUnit(3);
  const std::string text = RecordText(distance);
  EXPECT_EQ(text.rfind("O10x3[", 0), 0u) << text;
  EXPECT_EQ(Tail(text), "l(591x2 1 2  )];\r\n");

  auto& copy = ReadBack<TdvCalculatedLine>(text);
  ExpectSameCalculated(distance, copy);
  copy.SetId(10);
  EXPECT_EQ(RecordText(copy), text);
}

TEST_F(CalculatedRecordTest, AnAngleKeepsItsEmptyPlaces) {
  auto& angle = Add<TdvCalculatedAngle>(10, "Ang");
  Include(angle, {1, kEmptyInputRef, 3});
  angle.SetAngleUnit(8);
  angle.SetAngleRange(3);
  const std::string text = RecordText(angle);
  EXPECT_EQ(text.rfind("O10x7[", 0), 0u) << text;
  EXPECT_EQ(Tail(text), "l(591x3 1 -4 3  )];\r\n");

  auto& copy = ReadBack<TdvCalculatedAngle>(text);
  ExpectSameCalculated(angle, copy);
}

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

TEST_F(CalculatedRecordTest, ADesignatedPointSavesItsFractionsLast) {
  auto& designated = Add<TdvCalculatedDesPt>(10, "DP");
  Include(designated, {3, 1});
  designated.SetAlong(0.25);
  designated.SetPerp(-0.5);
  const std::string text = RecordText(designated);
  EXPECT_EQ(text.rfind("O10x8[", 0), 0u) << text;
  EXPECT_EQ(Tail(text), "l(591x2 3 1  )d(563x0.25000000 p564x-0.50000000 )];\r\n");

  auto& copy = ReadBack<TdvCalculatedDesPt>(text);
  ExpectSameCalculated(designated, copy);
  EXPECT_DOUBLE_EQ(copy.GetAlong(), 0.25);
  EXPECT_DOUBLE_EQ(copy.GetPerp(), -0.5);
}

TEST_F(CalculatedRecordTest, AScaleIsKindFourAndKeepsItsKnownLengthButNotAMass) {
  auto& scale = Add<TdvCalibrateObject>(10, "S");
  Include(scale, {1, 2});
  scale.SetKnownLength(0.25);
  scale.SetLengthUnit(2);
  scale.SetMass(0.5);
  const std::string text = RecordText(scale);
  EXPECT_EQ(text.rfind("O10x4[", 0), 0u) << text;
  EXPECT_NE(text.find("d(580x0.50000000 )"), std::string::npos) << text;
  EXPECT_EQ(Tail(text), "l(591x2 1 2  )d(566x0.25000000 )];\r\n");

  auto& copy = ReadBack<TdvCalibrateObject>(text);
  EXPECT_EQ(Included(copy), Included(scale));
  EXPECT_DOUBLE_EQ(copy.GetKnownLength(), 0.25);
  EXPECT_DOUBLE_EQ(copy.GetMass(), 0.1);
  EXPECT_EQ(copy.GetLengthUnit(), 2);
  EXPECT_EQ(copy.GetOriginId(), kVideoOriginRef);
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

TEST_F(CalculatedRecordTest, ReadListsReplaceTheItemsAndFractionsMustBeNumbers) {
  auto& distance = Add<TdvCalculatedLine>(10, "D");
  Include(distance, {1, 2});
  ReadRecordText("O10x3[l(592x1 3  )l(591x1 3  )];", distance);
  EXPECT_EQ(Included(distance), std::vector<std::int32_t>{3});
  auto& designated = Add<TdvCalculatedDesPt>(11, "DP");
  designated.SetRealValue(563, std::numeric_limits<double>::quiet_NaN());
  designated.SetRealValue(564, std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(designated.GetAlong(), 0.7);
  EXPECT_DOUBLE_EQ(designated.GetPerp(), 0.0);
  auto& scale = Add<TdvCalibrateObject>(12, "S");
  scale.SetRealValue(566, -std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(scale.GetKnownLength(), 1.0);
}

TEST_F(CalculatedRecordTest, EveryKindClonesIntoItsOwnKindWithItsOwnFieldsAndList) {
  auto& designated = Add<TdvCalculatedDesPt>(10, "DP");
  Include(designated, {1, 2});
  designated.SetAlong(0.4);
  designated.SetPerp(0.1);
  std::unique_ptr<TdvObject> copy = designated.Clone();
  auto* cloned = dynamic_cast<TdvCalculatedDesPt*>(copy.get());
  ASSERT_NE(cloned, nullptr);
  designated.RemoveIncluded(1);
  EXPECT_EQ(Included(*cloned), (std::vector<std::int32_t>{1, 2}));
  EXPECT_DOUBLE_EQ(cloned->GetAlong(), 0.4);
  EXPECT_DOUBLE_EQ(cloned->GetPerp(), 0.1);
  EXPECT_EQ(cloned->GetName(), "DP");

  auto& scale = Add<TdvCalibrateObject>(11, "S");
  scale.SetKnownLength(3.0);
  std::unique_ptr<TdvObject> scaleCopy = scale.Clone();
  auto* clonedScale = dynamic_cast<TdvCalibrateObject*>(scaleCopy.get());
  ASSERT_NE(clonedScale, nullptr);
  EXPECT_DOUBLE_EQ(clonedScale->GetKnownLength(), 3.0);

  std::vector<std::pair<std::unique_ptr<TdvDataObject>, int>> kinds;
  kinds.emplace_back(std::make_unique<TdvCalculatedLine>(), kCalculatedLineCode);
  kinds.emplace_back(std::make_unique<TdvCalculatedAngle>(), kCalculatedAngleCode);
  kinds.emplace_back(std::make_unique<TdvCalculatedCM>(), kCalculatedCMCode);
  for (const auto& [series, code] : kinds) {
    std::unique_ptr<TdvObject> kindCopy = series->Clone();
    EXPECT_TRUE(kindCopy->IsA(code)) << code;
    EXPECT_EQ(static_cast<TdvDataObject&>(*kindCopy).GetTypeLabel(), series->GetTypeLabel());
  }
}

}  // namespace
