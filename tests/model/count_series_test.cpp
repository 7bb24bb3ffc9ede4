#include <gtest/gtest.h>

#include <limits>

#include "fake_series_document.h"
#include "model/count_series.h"
#include "series_record_io.h"

namespace {

class CountSeriesTest : public ::testing::Test {
 protected:
  CountSeriesTest() {
    count.SetId(6);
    doc.Add(count);
  }

  std::vector<std::int32_t> Selected() const {
    std::vector<std::int32_t> indexes;
    for (const TdvInt* index : count.SelectedMarks()) {
      indexes.push_back(index->value);
    }
    return indexes;
  }

  double CountOn(std::int32_t frame) {
    double value = -1.0;
    EXPECT_TRUE(count.GetCount(value, frame)) << frame;
    return value;
  }

  TdvPoint Mark(std::int32_t frame, int index) {
    TdvPoint mark{-1, -1};
    EXPECT_TRUE(count.FrameCounts().Get(frame)->GetMark(index, mark.x, mark.y));
    return mark;
  }

  FakeSeriesDocument doc;
  TdvCountObject count;
};

TEST_F(CountSeriesTest, IdentityAndTableLayout) {
  EXPECT_TRUE(count.IsA(kCountObjectCode) && count.IsA(kDataObjectCode) && count.IsA(0));
  EXPECT_FALSE(count.IsA(kDataPointCode));
  EXPECT_EQ(count.ScalarKind(), 37);
  EXPECT_EQ(count.TableWidth(), 70);
  EXPECT_EQ(count.TableColumns(), 1);
  EXPECT_EQ(count.ColumnWidth(), 70);
  EXPECT_TRUE(count.GetTypeLabel().empty());
  TdvCountDataObject record;
  EXPECT_TRUE(record.IsA(kCountDataObjectCode));
  EXPECT_FALSE(record.IsA(kCountObjectCode));
}

TEST_F(CountSeriesTest, ClicksCountOnTheirFrameAndClearingLeavesZero) {
  EXPECT_TRUE(count.AddMark(10, -10, 5));
  EXPECT_TRUE(count.AddMark(20, -20, 5));
  EXPECT_TRUE(count.AddMark(30, -30, 5));
  EXPECT_EQ(CountOn(5), 3.0);
  EXPECT_EQ(count.GetCurrentMark(), 2);
  EXPECT_EQ(Selected(), std::vector<std::int32_t>{2});
  EXPECT_EQ(doc.CountEvents("changed-at 6 5 1"), 3);
  EXPECT_FALSE(count.HasData(5));
  double value = 0.0;
  EXPECT_FALSE(count.GetCount(value, 4));  // never clicked: no value
  count.ClearFrame(5);                     // the last added mark is current
  EXPECT_EQ(CountOn(5), 2.0);
  doc.events.clear();
  count.ClearAllData();
  EXPECT_EQ(CountOn(5), 0.0);
  EXPECT_EQ(count.GetCurrentMark(), -1);
  EXPECT_EQ(doc.events, std::vector<std::string>{"changed 6"});
}

TEST_F(CountSeriesTest, OneClickPicksEveryVisibleMarkUnderItHighestFirst) {
  count.AddMark(100, -100, 5);
  count.AddMark(300, -300, 5);
  count.AddMark(101, -99, 5);
  count.AddMark(99, -101, 5);
  EXPECT_TRUE(count.HitTest(TdvPoint{100, -100}, 5));
  EXPECT_EQ(Selected(), (std::vector<std::int32_t>{3, 2, 0}));
  EXPECT_EQ(count.GetCurrentMark(), 3);
  EXPECT_FALSE(count.HitTest(TdvPoint{200, -200}, 5));
  EXPECT_TRUE(Selected().empty());
  count.SetVisible(0);
  EXPECT_FALSE(count.HitTest(TdvPoint{100, -100}, 5));
  EXPECT_TRUE(Selected().empty());
}

TEST_F(CountSeriesTest, PickedMarksAreRemovedTogetherOnceAndOnlyOnTheirFrame) {
  count.AddMark(100, -100, 5);
  count.AddMark(300, -300, 5);
  count.AddMark(102, -98, 5);
  count.AddMark(500, -500, 5);
  ASSERT_TRUE(count.HitTest(TdvPoint{101, -99}, 5));
  doc.events.clear();
  count.ClearFrame(5);
  EXPECT_EQ(doc.events, std::vector<std::string>{"changed-at 6 5 1"});
  count.ClearFrame(5);  // again: no other mark goes
  EXPECT_EQ(CountOn(5), 2.0);
  EXPECT_EQ(Mark(5, 0), (TdvPoint{300, -300}));
  EXPECT_EQ(count.GetCurrentMark(), -1);
  count.AddMark(300, -300, 6);
  ASSERT_TRUE(count.HitTest(TdvPoint{300, -300}, 5));
  count.ClearFrame(6);
  EXPECT_EQ(CountOn(6), 1.0);
  EXPECT_EQ(CountOn(5), 2.0);
}

TEST_F(CountSeriesTest, DraggingMovesOnlyTheCurrentMarkSafelyAtTheEdges) {
  count.AddMark(100, -100, 5);
  count.AddMark(300, -300, 5);
  ASSERT_TRUE(count.HitTest(TdvPoint{100, -100}, 5));
  count.MoveTransformPoint(7, -3, 5);
  EXPECT_EQ(Mark(5, 0), (TdvPoint{107, -103}));
  EXPECT_EQ(Mark(5, 1), (TdvPoint{300, -300}));

  count.ClearAllData();
  count.AddMark(100, -100, 6);
  count.ClearFrame(6);  // no current mark any more
  count.AddMark(100, -100, 6);
  count.MoveTransformPoint(5, 5, 7);  // a frame without marks
  EXPECT_EQ(Mark(6, 0), (TdvPoint{100, -100}));

  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  count.SetMarkerSize(kMax);
  count.AddMark(kMax - 1, kMin + 1, 8);
  ASSERT_TRUE(count.HitTest(TdvPoint{0, 0}, 8));
  count.MoveTransformPoint(10, -10, 8);
  EXPECT_EQ(Mark(8, 0), (TdvPoint{kMax, kMin}));
}

TEST_F(CountSeriesTest, MarksOfOneFrame) {
  TdvCountDataObject record;
  record.AddMark(1, 2);
  record.AddMark(3, 4);
  std::int32_t x = 0;
  std::int32_t y = 0;
  EXPECT_FALSE(record.GetMark(2, x, y));
  EXPECT_FALSE(record.GetMark(-1, x, y));
  EXPECT_TRUE(record.SetMark(1, 5, 6));
  EXPECT_FALSE(record.SetMark(2, 5, 6));
  EXPECT_TRUE(record.RemoveMark(0));
  EXPECT_FALSE(record.RemoveMark(1));
  ASSERT_TRUE(record.GetMark(0, x, y));
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 6);
  EXPECT_EQ(record.MarkCount(), 1);
}

TEST_F(CountSeriesTest, CloneCopiesTheMarks) {
  count.AddMark(100, -100, 5);
  std::unique_ptr<TdvObject> copy = count.Clone();
  ASSERT_TRUE(copy->IsA(kCountObjectCode));
  auto* clone = static_cast<TdvCountObject*>(copy.get());
  clone->AddMark(1, 1, 5);
  EXPECT_EQ(CountOn(5), 1.0);
  double value = 0.0;
  ASSERT_TRUE(clone->GetCount(value, 5));
  EXPECT_EQ(value, 2.0);
}

TEST_F(CountSeriesTest, SavedMarksFollowTheBaseGroupsWithoutClosingTheGroup) {
  count.AddMark(10, -20, 4);
  count.AddMark(30, -40, 4);
  std::string text = RecordText(count);
  EXPECT_EQ(text.rfind("O6x9[", 0), 0u);
  ASSERT_NE(text.find("c("), std::string::npos);
  EXPECT_EQ(text.substr(text.find("c(")), "c(523x4 2 10 -20 30 -40 ];\r\n");
  count.AddMark(10, -20, 8);
  count.ClearAllData();
  count.AddMark(1, -2, 8);  // an emptied frame is saved with count zero
  text = RecordText(count);
  EXPECT_EQ(text.substr(text.find("c(")), "c(523x4 0 523x8 1 1 -2 ];\r\n");
}

TEST(CountRoundTrip, MarksAndEmptyFramesComeBack) {
  FakeSeriesDocument doc;
  TdvCountObject written;
  written.SetId(3);
  doc.Add(written);
  written.SetName("Beads");
  written.SetMarkerColour(4);
  written.AddMark(5, -5, 0);
  written.AddMark(-7, -9, 600);
  written.AddMark(15, -25, 600);
  written.AddMark(1, -1, 1200);
  ASSERT_TRUE(written.HitTest(TdvPoint{1, -1}, 1200));
  written.ClearFrame(1200);
  std::string text = RecordText(written);

  TdvCountObject read;
  doc.Add(read);
  ReadRecordText(text, read);
  ExpectSameSeries(written, read);
  std::vector<std::int32_t> keys;
  for (const auto& entry : written.FrameCounts()) {
    keys.push_back(entry.key);
    TdvCountDataObject* other = read.FrameCounts().Get(entry.key);
    ASSERT_NE(other, nullptr) << entry.key;
    ASSERT_EQ(other->MarkCount(), entry.value->MarkCount()) << entry.key;
    auto mark = entry.value->Marks().begin();
    for (const TdvTimeData* readMark : other->Marks()) {
      EXPECT_EQ(readMark->x, (*mark)->x);
      EXPECT_EQ(readMark->y, (*mark)->y);
      ++mark;
    }
  }
  EXPECT_EQ(keys, (std::vector<std::int32_t>{0, 600, 1200}));
  EXPECT_EQ(read.FrameCounts().Count(), 3);
  double value = -1.0;
  ASSERT_TRUE(read.GetCount(value, 1200));
  EXPECT_EQ(value, 0.0);
}

TEST(CountRoundTrip, AMarkCountLargerThanTheTextKeepsTheMarksThatAreThere) {
  TdvCountObject read;
  ReadRecordText("O3x9[s(570x\"C\" )c(523x4 999999 1 -1 2 -2 ];", read);
  double value = 0.0;
  ASSERT_TRUE(read.GetCount(value, 4));
  EXPECT_EQ(value, 2.0);
}

}  // namespace
