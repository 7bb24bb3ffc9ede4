#include <gtest/gtest.h>

#include <sstream>

#include "fake_series_document.h"
#include "foundation/angles.h"
#include "model/series.h"
#include "series_test_kinds.h"

namespace {

class OriginLinkTest : public ::testing::Test {
 protected:
  OriginLinkTest() {
    series.SetId(5);
    doc.Add(series);
    origin.SetId(1);
    doc.Add(origin);
  }

  FakeSeriesDocument doc;
  TdvDataObject series;
  TestOrigin origin;
};

TEST_F(OriginLinkTest, AnUnknownOriginIsHeldPendingInTheVideoOriginUntilSettled) {
  series.SetOriginId(7);
  EXPECT_EQ(series.GetOriginId(), -2);
  EXPECT_EQ(series.GetSavedOriginId(), 7);
  series.SetOriginId(1);
  EXPECT_EQ(series.GetOriginId(), 1);
  EXPECT_EQ(series.GetSavedOriginId(), 1);
  series.SetOriginId(1);  // the same origin only relays out
  EXPECT_EQ(doc.events, (std::vector<std::string>{"moved-origin 5 -1 -2", "relayout 5", "changed 5",
                                                  "moved-origin 5 -2 1", "relayout 5", "changed 5",
                                                  "relayout 5", "changed 5"}));
  series.SetIntValue(551, 9);  // reading the origin tag follows the same rule
  EXPECT_EQ(series.GetOriginId(), -2);
  EXPECT_EQ(series.GetSavedOriginId(), 9);
}

TEST_F(OriginLinkTest, TheVideoAndDefaultOriginReferences) {
  series.SetOriginId(-2);
  EXPECT_EQ(series.GetOriginId(), -2);
  EXPECT_EQ(series.GetSavedOriginId(), -2);
  doc.defaultOrigin = 1;
  series.SetOriginId(-1);
  EXPECT_EQ(series.GetOriginId(), -1);
  doc.defaultOrigin = 42;  // gone
  series.SetOriginId(-2);
  series.SetOriginId(-1);
  EXPECT_EQ(series.GetOriginId(), -2);
  EXPECT_EQ(series.GetSavedOriginId(), -1);
}

TEST_F(OriginLinkTest, ScaleIdIsStoredWithoutCheckingIt) {
  series.SetScaleId(12);
  EXPECT_EQ(series.GetScaleId(), 12);
  EXPECT_EQ(series.GetSavedScaleId(), 12);
  EXPECT_EQ(doc.events, (std::vector<std::string>{"relayout 5", "redraw-row 5"}));
  doc.events.clear();
  series.SetScaleId(12);
  EXPECT_TRUE(doc.events.empty());
}

TEST_F(OriginLinkTest, BecomingAnOriginMakesACoordinateSystemOnlyForPointTypes) {
  origin.SetOrigin(1);
  series.SetOrigin(1);
  EXPECT_TRUE(series.IsOrigin());
  EXPECT_EQ(doc.events, std::vector<std::string>{"add-frame 1"});
  origin.SetOrigin(0);
  EXPECT_EQ(doc.events.back(), "remove-frame 1");
}

class ConvertPointTest : public ::testing::Test {
 protected:
  ConvertPointTest() {
    origin.SetId(1);
    doc.Add(origin);
    origin.SetOrigin(1);
    origin.position = TdvRealPoint(100.0, -50.0);
    scale.SetId(3);
    doc.Add(scale);
    doc.events.clear();
  }

  bool Convert(const TdvRealPoint& point, std::uint8_t unit = 1) {
    return origin.ConvertPoint(result, point, unit, label, 0);
  }

  FakeSeriesDocument doc;
  TestOrigin origin;
  TestScale scale;
  TdvRealPoint result;
  std::string label = "unset";
};

TEST_F(ConvertPointTest, WithoutScaleReportsMovieUnitsFromTheOrigin) {
  ASSERT_TRUE(Convert(TdvRealPoint(130.0, -10.0)));
  EXPECT_DOUBLE_EQ(result.x, 30.0);
  EXPECT_DOUBLE_EQ(result.y, 40.0);
  EXPECT_EQ(label, "(pixels)");
  EXPECT_TRUE(doc.messages.empty());
}

TEST_F(ConvertPointTest, TurnedOriginReportsInItsOwnAxes) {
  // The origin's x axis points up the picture.
  origin.rotation = kHalfPi;
  ASSERT_TRUE(Convert(TdvRealPoint(100.0, -40.0)));
  EXPECT_NEAR(result.x, 10.0, 1e-9);
  EXPECT_NEAR(result.y, 0.0, 1e-9);
  ASSERT_TRUE(Convert(TdvRealPoint(90.0, -50.0)));
  EXPECT_NEAR(result.x, 0.0, 1e-9);
  EXPECT_NEAR(result.y, 10.0, 1e-9);
}

TEST_F(ConvertPointTest, ScaledOriginConvertsBothCoordinatesIntoTheUnitAsked) {
  origin.SetScaleId(3);
  ASSERT_TRUE(Convert(TdvRealPoint(150.0, -30.0), 2));
  EXPECT_DOUBLE_EQ(result.x, 50.0);  // 50 units at 1 cm each
  EXPECT_DOUBLE_EQ(result.y, 20.0);
  EXPECT_EQ(label, "[cm]");
}

TEST_F(ConvertPointTest, AMissingScaleOrAnotherKindReportsMovieUnitsAndSucceeds) {
  TdvDataObject notAScale;
  notAScale.SetId(4);
  doc.Add(notAScale);
  for (std::int32_t id : {8, 4}) {
    origin.SetScaleId(id);
    label.clear();
    ASSERT_TRUE(Convert(TdvRealPoint(150.0, -30.0), 2));
    EXPECT_DOUBLE_EQ(result.x, 50.0);
    EXPECT_DOUBLE_EQ(result.y, 20.0);
    EXPECT_EQ(label, "(pixels)");
  }
  EXPECT_EQ(doc.messages, (std::vector<FakeSeriesDocument::Message>(
                              2, {"calibrate Object not found", "TdvDataObject::ConvertPoint"})));
}

TEST_F(ConvertPointTest, OnlyAPlacedOriginConverts) {
  origin.placed = false;
  EXPECT_FALSE(Convert(TdvRealPoint(1.0, 1.0)));
  EXPECT_TRUE(doc.messages.empty());
  origin.SetOrigin(0);
  EXPECT_FALSE(Convert(TdvRealPoint(1.0, 1.0)));
  EXPECT_EQ(doc.messages, (std::vector<FakeSeriesDocument::Message>{
                              {"DataPoint is not an origin", "TdvDataPoint::ConvertPoint"}}));
}

TEST(LabelPosition, LiesBesideTheMarkerAlongTheTurnedAxis) {
  TdvDataObject series;
  series.SetMarkerSize(1);  // 1 * 3 + 5 = 8 units away
  EXPECT_EQ(series.LabelPosition(10, -20, 0.0), (TdvPoint{18, -20}));
  EXPECT_EQ(series.LabelPosition(10, -20, kHalfPi), (TdvPoint{10, -28}));
  EXPECT_EQ(series.LabelPosition(10, -20, -kHalfPi), (TdvPoint{10, -12}));
  series.SetMarkerSize(0);
  // 5 units at 45 degrees: 3.54 each way, rounded.
  EXPECT_EQ(series.LabelPosition(0, 0, kPi / 4), (TdvPoint{4, -4}));
}

class ExportInfoTest : public ::testing::Test {
 protected:
  ExportInfoTest() : series("Pt.") {
    series.SetId(0);
    series.SetName("Origin 1");
    doc.Add(series);
  }

  std::string Export() {
    std::ostringstream out;
    series.ExportInfo(out, 1);
    return out.str();
  }

  FakeSeriesDocument doc;
  LabelledSeries series;
};

TEST_F(ExportInfoTest, TheOriginOfANewDocumentAndSemiFixedAsFrameByFrame) {
  series.SetOrigin(1);
  series.SetOriginId(-2);
  series.SetSampleType(kFixed);
  EXPECT_EQ(Export(), "\nOrigin 1\t\t\tPt.\t0.100000\tVideo Origin\tTrue\t\tFixed\t");
  series.SetOrigin(0);
  series.SetSampleType(kSemiFixed);
  EXPECT_EQ(Export(), "\nOrigin 1\t\t\tPt.\t0.100000\tVideo Origin\tFalse\t\tFrame by Frame\t");
}

TEST_F(ExportInfoTest, AnOriginNamesItsScaleAndAPointItsOrigin) {
  LabelledSeries scale("Scale");
  scale.SetId(2);
  scale.SetName("Ruler");
  doc.Add(scale);
  series.SetOrigin(1);
  series.SetScaleId(2);
  series.SetMass(2.5);
  TdvDataObject point;
  point.SetId(3);
  point.SetName("Ball");
  doc.Add(point);
  point.SetOriginId(0);
  std::ostringstream out;
  series.ExportInfo(out, 1);
  point.ExportInfo(out, 2);
  EXPECT_EQ(out.str(),
            // Reporting in the default origin, which is this series itself.
            "\nOrigin 1\t\t\tPt.\t2.50000\tOrigin 1\tTrue\tRuler\tFrame by Frame\t"
            "\nBall\t\t\t\t0.100000\tOrigin 1\tFalse\t\tFrame by Frame\t");
}

}  // namespace
