#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "fake_series_document.h"
#include "model/series.h"

namespace {

class SampleTypeTest : public ::testing::Test {
 protected:
  SampleTypeTest() {
    series.SetId(4);
    doc.Add(series);
    for (std::int32_t key = 0; key <= 10; ++key) {
      doc.frameKeys.push_back(key);
    }
  }

  void Place(std::int32_t frame, std::int32_t x, std::int32_t y, double value = 0.0) {
    series.FrameData().Set(frame, std::make_unique<TdvTimeData>(x, y, value));
  }

  FakeSeriesDocument doc;
  TdvDataObject series;
};

TEST_F(SampleTypeTest, EachSampleTypeAnswersFramesItsOwnWay) {
  Place(3, 30, -30, 0.3);
  Place(7, 70, -70, 0.7);
  Place(10, kNoPosition, 0, 1.5);  // a datum without position has no data
  EXPECT_TRUE(series.HasData(3));
  EXPECT_FALSE(series.HasData(4) || series.HasData(10));
  EXPECT_DOUBLE_EQ(series.GetValue(4), 0.0);
  EXPECT_DOUBLE_EQ(series.GetValue(10), 1.5);

  series.SetSampleType(kSemiFixed);  // the last datum stays in force
  EXPECT_EQ(series.ResolveFrame(5), 3);
  EXPECT_DOUBLE_EQ(series.GetValue(5), 0.3);
  EXPECT_TRUE(series.HasData(5));
  EXPECT_DOUBLE_EQ(series.GetValue(9), 0.7);
  EXPECT_EQ(series.ResolveFrame(2), 2);
  EXPECT_FALSE(series.HasData(2));
  EXPECT_DOUBLE_EQ(series.GetValue(2), 0.0);

  TdvDataObject fixed;
  fixed.SetSampleType(kFixed);
  fixed.FrameData().Set(0, std::make_unique<TdvTimeData>(10, -20, 0.5));
  for (std::int32_t frame : {0, 3, 9, 12345}) {
    EXPECT_TRUE(fixed.HasData(frame)) << frame;
    EXPECT_DOUBLE_EQ(fixed.GetValue(frame), 0.5) << frame;
  }
}

TEST_F(SampleTypeTest, SemiFixedLookupOnlyFollowsFramesOfTheMovie) {
  series.SetSampleType(kSemiFixed);
  doc.frameKeys = {0, 3, 6, 9};
  Place(3, 1, -1);
  Place(4, 2, -2);  // not a frame of the movie
  EXPECT_EQ(series.ResolveFrame(6), 3);
  EXPECT_EQ(series.ResolveFrame(5), 5);  // off the movie: only its own datum
  EXPECT_FALSE(series.HasData(5));
}

// The answer must be the one of a plain walk backwards over the movie's
// frames, whatever keys are stored and wherever the cursor was left.
TEST_F(SampleTypeTest, ResolveFrameAgreesWithABackwardWalkOverTheMovieFrames) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    TdvDataObject s;
    s.SetDocument(&doc);
    doc.frameKeys.clear();
    for (std::int32_t key = 0; key < 40; ++key) {
      if (random() % 3 != 0) {
        doc.frameKeys.push_back(key * 5);
      }
    }
    std::set<std::int32_t> stored;
    for (int i = 0; i < 6; ++i) {
      std::int32_t key = static_cast<std::int32_t>(random() % 210);
      stored.insert(key);
      s.FrameData().Set(key, std::make_unique<TdvTimeData>());
    }
    std::int32_t frame = static_cast<std::int32_t>(random() % 210);
    s.FrameData().Get(static_cast<std::int32_t>(random() % 210));

    std::int32_t expected = frame;
    auto at = std::find(doc.frameKeys.begin(), doc.frameKeys.end(), frame);
    if (stored.count(frame) == 0 && at != doc.frameKeys.end()) {
      for (auto it = std::make_reverse_iterator(at + 1); it != doc.frameKeys.rend(); ++it) {
        if (stored.count(*it) > 0) {
          expected = *it;
          break;
        }
      }
    }
    ASSERT_EQ(s.ResolveFrame(frame), expected) << "round " << round;
  }
}

TEST_F(SampleTypeTest, SetValueKeepsOrMakesTheDatumOfTheFrame) {
  series.SetValue(0.25, 6);  // an empty frame gets a datum without position
  ASSERT_NE(series.FrameData().Get(6), nullptr);
  EXPECT_EQ(series.FrameData().Get(6)->x, kNoPosition);
  EXPECT_DOUBLE_EQ(series.GetValue(6), 0.25);
  EXPECT_EQ(doc.events, std::vector<std::string>{"changed 4"});
  Place(6, 12, -14, 0.1);
  series.SetValue(0.9, 6);
  EXPECT_EQ(series.FrameData().Get(6)->x, 12);
  EXPECT_EQ(series.FrameData().Get(6)->y, -14);
  EXPECT_DOUBLE_EQ(series.GetValue(6), 0.9);
}

TEST_F(SampleTypeTest, SemiFixedSetValueCopiesThePositionInForceIfAny) {
  series.SetSampleType(kSemiFixed);
  Place(3, 30, -31, 0.3);
  series.SetValue(1.25, 5);
  TdvTimeData* made = series.FrameData().Get(5);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->x, 30);
  EXPECT_EQ(made->y, -31);
  EXPECT_DOUBLE_EQ(made->value, 1.25);
  EXPECT_DOUBLE_EQ(series.GetValue(3), 0.3);
  series.SetValue(1.5, 2);  // before any datum nothing is stored
  EXPECT_EQ(series.FrameData().Get(2), nullptr);
}

TEST_F(SampleTypeTest, RotatingAFixedOriginReportsOldAndNewRotation) {
  series.SetOrigin(1);
  series.SetSampleType(kFixed);
  Place(0, 5, -5, 0.5);
  doc.events.clear();
  series.SetValue(1.5, 8);
  EXPECT_DOUBLE_EQ(series.FrameData().Get(0)->value, 1.5);
  EXPECT_EQ(doc.events, std::vector<std::string>{"fixed-origin-rotated 4 0.500000 1.50000"});
}

TEST_F(SampleTypeTest, SwitchingToFixedKeepsTheDisplayedFrameUnderKeyZero) {
  for (std::int32_t frame = 1; frame <= 10; ++frame) {
    Place(frame, frame * 10, -frame, frame / 10.0);
  }
  doc.displayedFrame = 4;
  series.SetSampleType(kFixed);
  EXPECT_EQ(series.GetSampleType(), kFixed);
  EXPECT_EQ(series.FrameData().Count(), 1);
  TdvTimeData* kept = series.FrameData().Get(0);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->x, 40);
  EXPECT_EQ(kept->y, -4);
  EXPECT_DOUBLE_EQ(kept->value, 0.4);
  EXPECT_EQ(doc.events, std::vector<std::string>{"became-fixed 4"});

  series.SetSampleType(kFrameByFrame);
  EXPECT_EQ(series.FrameData().Count(), 1);
  EXPECT_NE(series.FrameData().Get(0), nullptr);
  EXPECT_EQ(doc.CountEvents("no-longer-fixed 4"), 1);
}

TEST_F(SampleTypeTest, SwitchingToFixedOnAnEmptyFrameTakesAStoredNeighbour) {
  series.SetSampleType(kFixed);
  EXPECT_TRUE(series.FrameData().IsEmpty());  // an empty series stays empty
  series.SetSampleType(kFrameByFrame);
  Place(2, 20, -2);
  Place(8, 80, -8);
  doc.displayedFrame = 5;
  series.SetSampleType(kFixed);
  EXPECT_EQ(series.FrameData().Count(), 1);
  TdvTimeData* kept = series.FrameData().Get(0);
  ASSERT_NE(kept, nullptr);
  EXPECT_TRUE(kept->x == 20 || kept->x == 80);
}

TEST_F(SampleTypeTest, OtherSwitchesLeaveTheDataAndUnknownTypesAreRefused) {
  Place(2, 1, -1);
  Place(5, 2, -2);
  series.SetSampleType(kSemiFixed);
  series.SetSampleType(kFrameByFrame);
  series.SetSampleType(0);
  series.SetSampleType(4);
  EXPECT_EQ(series.GetSampleType(), kFrameByFrame);
  EXPECT_EQ(series.FrameData().Count(), 2);
  // Semi-Fixed data answer for later frames too: both switches change the
  // series' values, the refused ones change nothing.
  EXPECT_EQ(doc.CountEvents("changed"), 2);
  EXPECT_EQ(doc.events.size(), 2u);
  series.ClearFrame(2);
  EXPECT_FALSE(series.HasData(2));
  EXPECT_TRUE(series.HasData(5));
  series.ClearAllData();
  EXPECT_TRUE(series.FrameData().IsEmpty());
}

TEST_F(SampleTypeTest, CloneCopiesTheDataDeeply) {
  Place(2, 1, -1, 0.5);
  series.SetName("Ball");
  std::unique_ptr<TdvObject> copy = series.Clone();
  ASSERT_TRUE(copy->IsA(kDataObjectCode));
  auto* clone = static_cast<TdvDataObject*>(copy.get());
  clone->FrameData().Get(2)->x = 99;
  EXPECT_EQ(series.FrameData().Get(2)->x, 1);
  EXPECT_EQ(clone->GetName(), "Ball");
  EXPECT_EQ(clone->GetDocument(), &doc);
}

TEST(SeriesIdentity, ClassCodesAndNamesCutToTheSavedLength) {
  TdvDataObject series;
  EXPECT_TRUE(series.IsA(kDataObjectCode) && series.IsA(0));
  EXPECT_FALSE(series.IsA(kDataPointCode));
  TdvTimeData datum;
  EXPECT_TRUE(datum.IsA(kTimeDataCode) && datum.IsA(0));
  EXPECT_FALSE(datum.IsA(kDataObjectCode));
  EXPECT_TRUE(TdvTransformedFrame().IsA(5));
  EXPECT_TRUE(series.IsExported());
  EXPECT_FALSE(series.IsPointType());
  series.SetName(std::string(300, 'n'));
  EXPECT_EQ(series.GetName().size(), 255u);
}

}  // namespace
