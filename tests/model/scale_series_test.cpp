#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/calculated_point_series.h"
#include "model/scale_series.h"
#include "series_fixture.h"

namespace {

// A 1 m scale (id 10) between two Fixed ends 200 units apart.
class ScaleTest : public SeriesTest {
 protected:
  ScaleTest() : scale(Add<TdvCalibrateObject>(10, "S")) {
    AddPoint(1, "E1", 100, -300, 0, kFixed);
    AddPoint(2, "E2", 220, -140, 0, kFixed);
    Include(scale, {1, 2});
  }

  TdvDataPoint& End(std::int32_t id) { return *static_cast<TdvDataPoint*>(doc.items[id]); }

  TdvCalibrateObject& scale;
};

// A scale is also a distance and a calculated series wherever kinds are
// tested by code, and measures in the movie's own frame.
TEST_F(ScaleTest, ANewScaleIsADistanceOfOneMetreInTheVideoOrigin) {
  TdvCalibrateObject fresh;
  const int codes[] = {kCalibrateObjectCode, kCalculatedLineCode, kCalculatedObjectCode,
                       kDataObjectCode, 0};
  for (int code : codes) {
    EXPECT_TRUE(fresh.IsA(code)) << code;
  }
  EXPECT_FALSE(fresh.IsA(kCalculatedCMCode));
  EXPECT_EQ(fresh.GetOriginId(), kVideoOriginRef);
  EXPECT_DOUBLE_EQ(fresh.GetKnownLength(), 1.0);
}

TEST_F(ScaleTest, FiftyUnitsConvertIntoEveryUnitByTheKnownLength) {
  struct Case {
    double known;
    std::uint8_t unit;
    double value;
    const char* label;
  };
  const Case cases[] = {
      {1.0, 1, 0.25, "[m]"},    {1.0, 2, 25.0, "[cm]"},   {1.0, 3, 250.0, "[mm]"},
      {1.0, 4, 9.8425, "[in]"}, {1.0, 5, 0.8202, "[ft]"}, {0.5, 2, 12.5, "[cm]"},
  };
  for (const Case& c : cases) {
    scale.SetKnownLength(c.known);
    double value = 50.0;
    std::string label;
    ASSERT_TRUE(scale.Convert(value, 400, c.unit, label)) << c.label;
    EXPECT_NEAR(value, c.value, 1e-12) << c.label;
    EXPECT_EQ(label, c.label);
  }
}

TEST_F(ScaleTest, EndsMovingFrameByFrameRescaleEveryFrame) {
  End(1).SetSampleType(kFrameByFrame);
  End(2).SetSampleType(kFrameByFrame);
  End(1).TakeData(0, -100, 100);
  End(2).TakeData(200, -100, 100);
  End(1).TakeData(0, -100, 200);
  End(2).TakeData(400, -100, 200);
  double near = 50.0;
  double far = 50.0;
  std::string label;
  ASSERT_TRUE(scale.Convert(near, 100, 1, label));
  ASSERT_TRUE(scale.Convert(far, 200, 1, label));
  EXPECT_DOUBLE_EQ(near, 0.25);
  EXPECT_DOUBLE_EQ(far, 0.125);
  EXPECT_DOUBLE_EQ(scale.MetresPerPixel(200), 1.0 / 400.0);
}

TEST_F(ScaleTest, EndsWithoutPositionsLeaveMovieUnitsAndSaySo) {
  End(2).SetSampleType(kFrameByFrame);
  double value = 50.0;
  std::string label = "(pixels)";
  EXPECT_FALSE(scale.Convert(value, 300, 1, label));
  EXPECT_EQ(value, 50.0);
  EXPECT_EQ(label, "S unknown");
  EXPECT_TRUE(doc.messages.empty());
}

TEST_F(ScaleTest, CoincidentEndsAreMovedApartWithAMessage) {
  End(2).TakeData(100, -300, 700);
  doc.displayedFrame = 700;
  double value = 50.0;
  std::string label = "[m]";
  EXPECT_FALSE(scale.Convert(value, 700, 2, label));
  EXPECT_EQ(value, 50.0);
  EXPECT_EQ(label, "[m]");
  ASSERT_EQ(doc.messages.size(), 1u);
  EXPECT_EQ(doc.messages[0],
            (FakeSeriesDocument::Message{"Calibrate value too small. Spacing will be changed",
                                         "TdvCalibrateObject::Convert"}));
  // The last end went 5 units right and 5 up; the first stayed.
  TdvPoint position;
  double rotation = 0.0;
  ASSERT_TRUE(End(2).GetPosition(0, position, rotation));
  EXPECT_EQ(position, (TdvPoint{105, -295}));
  ASSERT_TRUE(End(1).GetPosition(0, position, rotation));
  EXPECT_EQ(position, (TdvPoint{100, -300}));
  // Apart now, the ends convert again without a message.
  EXPECT_TRUE(scale.Convert(value, 700, 2, label));
  EXPECT_EQ(doc.messages.size(), 1u);
}

TEST_F(ScaleTest, EachConversionWithCoincidentEndsShowsItsMessage) {
  // A centre of mass of the first end alone cannot be moved, so the ends
  // stay together and every conversion reports again.
  auto& centre = Add<TdvCalculatedCM>(3, "CM");
  Include(centre, {1});
  Include(scale, {1, 3});
  double value = 50.0;
  std::string label;
  EXPECT_FALSE(scale.Convert(value, 0, 1, label));
  EXPECT_FALSE(scale.Convert(value, 0, 1, label));
  EXPECT_EQ(doc.messages.size(), 2u);
  EXPECT_EQ(value, 50.0);
}

TEST_F(ScaleTest, TheScaleFactorIsInUnitsOfTheScalesOwnLengthUnit) {
  End(2).TakeData(350, -300, 0);  // 250 units apart
  scale.SetLengthUnit(2);
  double factor = 0.0;
  ASSERT_TRUE(scale.GetScaleFactor(factor, 0));
  EXPECT_DOUBLE_EQ(factor, 2.5);
  EXPECT_EQ(scale.ScaleRowText(0), " Scale: S  2.500 (pixels)/[cm]");
  EXPECT_DOUBLE_EQ(scale.MetresPerPixel(0), 0.004);

  scale.SetLengthUnit(1);
  scale.SetKnownLength(0.0);  // no known length: factor one and no row value
  ASSERT_TRUE(scale.GetScaleFactor(factor, 0));
  EXPECT_DOUBLE_EQ(factor, 1.0);
  EXPECT_EQ(scale.ScaleRowText(0), " Scale: S  No Value (pixels)/[m]");

  Include(scale, {1, 9});  // unplaced ends: no factor and no value
  factor = -1.0;
  EXPECT_FALSE(scale.GetScaleFactor(factor, 0));
  EXPECT_EQ(factor, -1.0);
  EXPECT_DOUBLE_EQ(scale.MetresPerPixel(0), 1.0);
  EXPECT_EQ(scale.ScaleRowText(0), " Scale: S  No Value (pixels)/[m]");
}

// A point reporting in an origin that uses the scale.
TEST_F(ScaleTest, AnOriginWithTheScaleReportsPointsInUnits) {
  TdvDataPoint& origin = AddPoint(0, "Origin 1", 20, -60, 0, kFixed);
  origin.SetOrigin(1);
  origin.SetScaleId(10);
  TdvRealPoint result;
  std::string label;
  ASSERT_TRUE(origin.ConvertPoint(result, TdvRealPoint(70, -160), 3, label, 100));
  EXPECT_NEAR(result.x, 250.0, 1e-9);
  EXPECT_NEAR(result.y, -500.0, 1e-9);
  EXPECT_EQ(label, "[mm]");
}

TEST_F(ScaleTest, TheExportLineListsTheEnds) {
  std::ostringstream out;
  scale.ExportInfo(out, 2);
  EXPECT_EQ(out.str(), "\nS\t\t\tScale\t0.100000\tVideo Origin\tFalse\t\tFixed\tE1\tE2\t");
}

class ScaleSampleTypeTest : public SeriesTest {
 protected:
  ScaleSampleTypeTest() : scale(Add<TdvCalibrateObject>(10, "S")) {
    Add<TdvDataPoint>(1, "E1");
    Add<TdvDataPoint>(2, "E2");
    Include(scale, {1, 2});
  }

  int TypeOf(int first, int second) {
    static_cast<TdvDataPoint*>(doc.items[1])->SetSampleType(first);
    static_cast<TdvDataPoint*>(doc.items[2])->SetSampleType(second);
    return scale.GetSampleType();
  }

  TdvCalibrateObject& scale;
};

TEST_F(ScaleSampleTypeTest, FrameByFrameWinsOverSemiFixedWhichWinsOverFixed) {
  EXPECT_EQ(TypeOf(kFixed, kFixed), kFixed);
  EXPECT_EQ(TypeOf(kFixed, kFrameByFrame), kFrameByFrame);
  EXPECT_EQ(TypeOf(kFrameByFrame, kFixed), kFrameByFrame);
  EXPECT_EQ(TypeOf(kFixed, kSemiFixed), kSemiFixed);
  EXPECT_EQ(TypeOf(kSemiFixed, kFixed), kSemiFixed);
  EXPECT_EQ(TypeOf(kSemiFixed, kSemiFixed), kSemiFixed);
  EXPECT_EQ(TypeOf(kSemiFixed, kFrameByFrame), kFrameByFrame);
  EXPECT_EQ(TypeOf(kFrameByFrame, kSemiFixed), kFrameByFrame);
  EXPECT_EQ(TypeOf(kFrameByFrame, kFrameByFrame), kFrameByFrame);
}

TEST_F(ScaleSampleTypeTest, MissingOrNonPointEndsCountAsFixedAndClonesAsTheirSource) {
  static_cast<TdvDataPoint*>(doc.items[1])->SetSampleType(kSemiFixed);
  static_cast<TdvDataPoint*>(doc.items[2])->SetSampleType(kSemiFixed);
  Include(scale, {9, 2});
  EXPECT_EQ(scale.GetSampleType(), kSemiFixed);
  Include(scale, {});
  EXPECT_EQ(scale.GetSampleType(), kFixed);
  EXPECT_EQ(TdvCalibrateObject().GetSampleType(), kFixed);
  Add<TdvCalculatedLine>(3, "D");
  static_cast<TdvDataPoint*>(doc.items[2])->SetSampleType(kFrameByFrame);
  Include(scale, {3, 2});
  EXPECT_EQ(scale.GetSampleType(), kFixed);
  auto& clone = Add<TdvClonePoint>(4, "C");
  clone.SetSource(1);
  Include(scale, {4, 4});
  EXPECT_EQ(scale.GetSampleType(), kSemiFixed);
}

}  // namespace
