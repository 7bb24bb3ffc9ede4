#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fake_series_document.h"
#include "model/count_series.h"
#include "model/series.h"
#include "series_record_io.h"
#include "series_test_kinds.h"

namespace {

TEST(SeriesRecordWriting, TransformationsAreSavedOnlyWithDataAndBeyondTheOriginal) {
  TdvDataObject series;
  series.TransformPoints().Set(600, std::make_unique<TdvTimeData>(30, -60, 0.0));
  series.TransformedFrames().Append(std::make_unique<TdvTransformedFrame>("original", 0, 0));
  series.TransformedFrames().Append(std::make_unique<TdvTransformedFrame>("XF", 600, 1));
  std::string text = RecordText(series);
  EXPECT_EQ(text.find("y("), std::string::npos);
  EXPECT_EQ(text.find("f("), std::string::npos);

  TdvDataObject original;
  original.FrameData().Set(0, std::make_unique<TdvTimeData>(1, -1, 0.0));
  original.TransformedFrames().Append(std::make_unique<TdvTransformedFrame>("original", 0, 0));
  text = RecordText(original);
  EXPECT_NE(text.find("y(520x1 "), std::string::npos);
  EXPECT_EQ(text.find("y(521"), std::string::npos);
  EXPECT_EQ(text.find("f("), std::string::npos);
}

class SeriesRecordReading : public ::testing::Test {
 protected:
  SeriesRecordReading() {
    series.SetId(4);
    doc.Add(series);
  }

  FakeSeriesDocument doc;
  TdvDataObject series;
};

TEST(LegacyReading, ARecordWithoutVersionIsConvertedOnTheWayIn) {
  TdvDataObject series;
  const std::string text =
      "O1x1[i(553x3 p554x7 p555x15 p556x2 )d(580x100 )s(570x\"Old\" )y(520x1 0 5 -6 0.0 )];";
  ReadRecordText(text, series, true);
  EXPECT_EQ(series.GetMarkerSize(), 2);
  EXPECT_EQ(series.GetMarkerType(), 0);
  EXPECT_EQ(series.GetMarkerColour(), 1);
  EXPECT_EQ(series.GetLengthUnit(), 2);
  EXPECT_DOUBLE_EQ(series.GetMass(), 0.1);
  EXPECT_EQ(series.GetName(), "Old");
  ASSERT_NE(series.FrameData().Get(0), nullptr);
  EXPECT_EQ(series.FrameData().Get(0)->x, 5);

  TdvDataObject current;
  ReadRecordText(text, current, false);
  EXPECT_EQ(current.GetMarkerSize(), 3);
  EXPECT_EQ(current.GetMarkerType(), 7);
  EXPECT_EQ(current.GetMarkerColour(), 15);
  EXPECT_DOUBLE_EQ(current.GetMass(), 100.0);
}

// Every field that a base series saves, set away from its default. Saved
// reals keep six decimals at most, so the values are chosen to fit.
void FillEveryField(TdvDataObject& series) {
  series.SetName("Cart front wheel");
  series.SetOrigin(1);
  series.SetVisible(0);
  series.SetTrails(1);
  series.SetScaleId(6);
  series.SetOriginId(2);
  series.SetMarkerSize(3);
  series.SetMarkerType(301);
  series.SetMarkerColour(5);
  series.SetLengthUnit(4);
  series.SetAngleUnit(8);
  series.SetAngleRange(2);
  series.SetMassUnit(3);
  series.SetCoordinates(kPolar);
  series.SetFrameCoordinates(kPolar);
  series.SetSampleType(kSemiFixed);
  series.SetMass(1.2345678e-05);
  series.FrameData().Set(0, std::make_unique<TdvTimeData>(-3, -500, 1.570796));
  series.FrameData().Set(1200, std::make_unique<TdvTimeData>(640, 0, -2.5));
  series.FrameData().Set(2400, std::make_unique<TdvTimeData>(kNoPosition, kNoPosition, 0.125));
  series.TransformPoints().Set(1200, std::make_unique<TdvTimeData>(640, -20, 0.75));
  series.TransformedFrames().Append(std::make_unique<TdvTransformedFrame>("original", 0, 0));
  series.TransformedFrames().Append(std::make_unique<TdvTransformedFrame>("XF@2.000", 1200, 1));
  series.TransformedFrames().Append(std::make_unique<TdvTransformedFrame>("", 2400, 0));
}

TEST(SeriesRoundTrip, EveryFieldOfTheBaseComesBack) {
  FakeSeriesDocument doc;
  TestOrigin origin;
  origin.SetId(2);
  doc.Add(origin);
  TdvDataObject written;
  written.SetId(9);
  doc.Add(written);
  FillEveryField(written);
  std::string text = RecordText(written);

  TdvDataObject read;
  doc.Add(read);
  ReadRecordText(text, read);
  ExpectSameSeries(written, read);
  EXPECT_EQ(read.GetOriginId(), 2);
  read.SetId(9);
  EXPECT_EQ(RecordText(read), text);  // writing what was read gives the same text
}

TEST(SeriesRoundTrip, AQuoteInANameIsLeftOutAndTheRestKept) {
  TdvDataObject written;
  written.SetName("Cart \"front\" wheel");
  written.SetMass(0.5);
  TdvDataObject read;
  ReadRecordText(RecordText(written), read);
  EXPECT_EQ(read.GetName(), "Cart front wheel");
  EXPECT_EQ(read.GetMass(), 0.5);
}

TEST(SeriesRoundTrip, AnOriginThatIsNotThereYetIsKeptPending) {
  TdvDataObject written;
  written.SetOriginId(7);
  EXPECT_EQ(written.GetSavedOriginId(), 7);
  FakeSeriesDocument doc;
  TestOrigin seven;
  seven.SetId(7);
  doc.Add(seven);
  doc.Add(written);
  written.SetOriginId(7);
  std::string text = RecordText(written);

  TdvDataObject read;  // read before the origin exists in its new document
  ReadRecordText(text, read);
  EXPECT_EQ(read.GetOriginId(), -2);
  EXPECT_EQ(read.GetSavedOriginId(), 7);
}

}  // namespace
