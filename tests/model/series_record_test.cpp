#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fake_series_document.h"
#include "model/count_series.h"
#include "model/series.h"
#include "series_record_io.h"
#include "series_test_kinds.h"

namespace {

TEST(SeriesRecordWriting, ANewSeries) {
  TdvDataObject series;
  series.SetId(3);
  series.SetName("Ball");
  EXPECT_EQ(RecordText(series),
            "O3x1[b(500x0 p501x1 p502x0 )"
            "i(550x-3 p551x-1 p552x1 p553x0 p554x0 p555x0 p556x1 p801x7 p800x1 p557x2 p558x1 "
            "p505x-1 p560x1 p559x1 )"
            "s(570x\"Ball\" )d(580x0.10000000 )];\r\n");
}

TEST(SeriesRecordWriting, FrameDataInKeyOrderThenTransformPointsThenFrames) {
  TdvDataObject series;
  series.SetId(2);
  series.FrameData().Set(600, std::make_unique<TdvTimeData>(30, -40, 0.5));
  series.FrameData().Set(0, std::make_unique<TdvTimeData>(10, -20, 0.0));
  series.TransformPoints().Set(600, std::make_unique<TdvTimeData>(30, -60, 0.25));
  series.TransformedFrames().Append(std::make_unique<TdvTransformedFrame>("original", 0, 0));
  series.TransformedFrames().Append(std::make_unique<TdvTransformedFrame>("XF@1.000", 600, 1));
  std::string text = RecordText(series);
  EXPECT_NE(text.find(")y(520x2 0 10 -20 0.0000000 600 30 -40 0.50000000 )"
                      "y(521x1 600 30 -60 0.25000000 )"
                      "f(522x2  \"original\" 0 0 \"XF@1.000\" 600 1)];\r\n"),
            std::string::npos)
      << text;
}

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

TEST(SeriesRecordWriting, KindCodes) {
  struct Case {
    CodedSeries series;
    int kind;
  };
  Case cases[] = {
      {CodedSeries{50}, 1},         {CodedSeries{52, 50}, 1}, {CodedSeries{56, 50}, 6},
      {CodedSeries{54, 57, 53}, 4}, {CodedSeries{57, 53}, 3}, {CodedSeries{58, 53}, 5},
      {CodedSeries{60, 53}, 7},     {CodedSeries{59, 53}, 8}, {CodedSeries{61}, 9},
      {CodedSeries{53}, 1},         {CodedSeries{}, 1},
  };
  for (Case& c : cases) {
    EXPECT_EQ(c.series.RecordKind(), c.kind);
    c.series.SetId(11);
    EXPECT_EQ(RecordText(c.series).rfind("O11x" + std::to_string(c.kind) + "[", 0), 0u);
  }
  TdvCountObject count;
  EXPECT_EQ(count.RecordKind(), 9);
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

TEST_F(SeriesRecordReading, TagsGoThroughTheSetters) {
  ReadRecordText(
      "O4x1[b(500x1 p501x0 p502x7 p599x1 )"
      "i(498x17 p550x6 p552x3 p553x2 p554x102 p555x5 p556x2 p801x8 p800x3 p557x1 p558x2 "
      "p505x1 p560x2 p559x3 p999x4 )s(571x\"other\" p570x\"Cart\" )];",
      series);
  EXPECT_TRUE(series.IsOrigin());
  EXPECT_FALSE(series.IsVisible());
  EXPECT_TRUE(series.HasTrails());
  EXPECT_EQ(series.GetId(), 17);
  EXPECT_EQ(series.GetScaleId(), 6);
  EXPECT_EQ(series.GetRowCount(), 3);
  EXPECT_EQ(series.GetMarkerSize(), 2);
  EXPECT_EQ(series.GetMarkerType(), 102);
  EXPECT_EQ(series.GetMarkerColour(), 5);
  EXPECT_EQ(series.GetLengthUnit(), 2);
  EXPECT_EQ(series.GetAngleUnit(), 8);
  EXPECT_EQ(series.GetAngleRange(), 3);
  EXPECT_EQ(series.GetMassUnit(), 1);
  EXPECT_EQ(series.GetCoordinates(), kPolar);
  EXPECT_EQ(series.GetActiveTransform(), 1);
  EXPECT_EQ(series.GetFrameCoordinates(), kPolar);
  EXPECT_EQ(series.GetSampleType(), kSemiFixed);
  EXPECT_EQ(series.GetName(), "Cart");
}

TEST_F(SeriesRecordReading, ValuesThatDoNotFitTheirFieldAreDropped) {
  ReadRecordText("O4x1[i(555x300 p556x-1 p554x70000 p505x40000 p559x9 )];", series);
  EXPECT_EQ(series.GetMarkerColour(), 0);
  EXPECT_EQ(series.GetLengthUnit(), 1);
  EXPECT_EQ(series.GetMarkerType(), 0);
  EXPECT_EQ(series.GetActiveTransform(), -1);
  EXPECT_EQ(series.GetSampleType(), kFrameByFrame);
}

TEST_F(SeriesRecordReading, MassTellsTheDocumentAndOneThatIsNotANumberIsDropped) {
  ReadRecordText("O4x1[d(580xnan )];", series);
  ReadRecordText("O4x1[d(580xinf )];", series);
  EXPECT_EQ(series.GetMass(), 0.1);
  EXPECT_TRUE(doc.events.empty());
  ReadRecordText("O4x1[d(580x0.25000000 p581x9.0 )];", series);
  EXPECT_EQ(series.GetMass(), 0.25);
  EXPECT_EQ(doc.events, std::vector<std::string>{"changed 4"});
}

TEST_F(SeriesRecordReading, EachDatumIsStoredAndAnnounced) {
  series.FrameData().Set(5, std::make_unique<TdvTimeData>(1, 1, 1.0));
  ReadRecordText("O4x1[y(520x2 5 30 -40 0.5 9 31 -41 0.25 )y(521x1 9 3 -4 1.5 )];", series);
  ASSERT_NE(series.FrameData().Get(5), nullptr);
  EXPECT_EQ(series.FrameData().Get(5)->x, 30);
  EXPECT_EQ(series.FrameData().Get(5)->y, -40);
  EXPECT_EQ(series.FrameData().Get(5)->value, 0.5);
  EXPECT_EQ(series.FrameData().Get(9)->value, 0.25);
  EXPECT_EQ(series.TransformPoints().Get(9)->x, 3);
  EXPECT_EQ(series.FrameData().Get(9) != nullptr && series.TransformPoints().Count() == 1, true);
  EXPECT_EQ(doc.events,
            (std::vector<std::string>{"changed-at 4 5 1", "changed-at 4 9 1", "changed-at 4 9 1"}));
}

TEST_F(SeriesRecordReading, TransformedFramesReplaceByPosition) {
  ReadRecordText(
      "O4x1[f(522x2  \"original\" 0 0 \"first\" 600 1)"
      "f(522x3  \"original\" 0 0 \"renamed\" 900 5 \"third\" 1200 0)];",
      series);
  std::vector<std::string> names;
  std::vector<std::int32_t> starts;
  std::vector<std::int32_t> uses;
  for (const TdvTransformedFrame* entry : series.TransformedFrames()) {
    names.push_back(entry->name);
    starts.push_back(entry->startFrame);
    uses.push_back(entry->useTransformPoint);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"original", "renamed", "third"}));
  EXPECT_EQ(starts, (std::vector<std::int32_t>{0, 900, 1200}));
  EXPECT_EQ(uses, (std::vector<std::int32_t>{0, 1, 0}));
}

TEST_F(SeriesRecordReading, DamagedOrForeignGroupsKeepWhatReads) {
  ReadRecordText("O4x1[y(520x1000000 5 30 -40 0.5 )s(570x\"After\" )];", series);
  EXPECT_EQ(series.FrameData().Count(), 1);  // a count larger than the text
  EXPECT_EQ(series.GetName(), "After");
  ReadRecordText("O4x1[s(570x\"Before\" )c(523x4 1 10 -20 ];", series);
  EXPECT_EQ(series.GetName(), "Before");  // a count group in another kind is passed over
  EXPECT_EQ(series.FrameData().Count(), 1);
  ReadRecordText("O4x1[s(570x\"Half\" )i(553x4 p554x", series);
  EXPECT_EQ(series.GetName(), "Half");  // cut short
  EXPECT_EQ(series.GetMarkerSize(), 4);
}

TEST(LegacyReading, ConversionsOfOlderFiles) {
  EXPECT_EQ(LegacyMarkerSize(3), 2);
  EXPECT_EQ(LegacyMarkerSize(1), 0);
  EXPECT_EQ(LegacyMarkerType(5), 5);
  EXPECT_EQ(LegacyMarkerType(6), 0);
  EXPECT_EQ(LegacyMarkerType(98), 0);
  EXPECT_EQ(LegacyMarkerType(99), 99);
  EXPECT_EQ(LegacyMarkerType(102), 102);
  const std::pair<int, int> colours[] = {{15, 1}, {12, 2}, {46, 3}, {42, 6}, {255, 7},
                                         {0, 4},  {48, 4}, {3, 4},  {51, 4}};
  for (auto [old, now] : colours) {
    EXPECT_EQ(LegacyMarkerColour(old), now) << old;
  }
  EXPECT_DOUBLE_EQ(LegacyMass(100.0), 0.1);
  EXPECT_EQ(LegacyMarkerSize(0), 0);
}

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
