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

  FakeSeriesDocument doc;
  TdvCountObject count;
};

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
