#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fake_series_document.h"
#include "model/count_series.h"
#include "series_record_io.h"

namespace {

// Damaged records (bytes changed, dropped or cut off) must read without
// crashing and must leave the series in a state it could have reached by
// its own operations.
TEST(SeriesRecordRobustness, DamagedRecordsReadIntoAConsistentSeries) {
  const std::string valid =
      "O3x9[b(500x1 p501x1 p502x0 )i(550x-3 p551x-1 p552x1 p553x1 p554x0 p555x2 p556x1 p801x7 "
      "p800x1 p557x2 p558x1 p505x-1 p560x1 p559x2 )s(570x\"Beads\" )d(580x0.10000000 )"
      "y(520x2 0 10 -20 0.5 600 30 -40 0.25 )y(521x1 600 30 -60 0.0 )"
      "f(522x2  \"original\" 0 0 \"XF@1.000\" 600 1)c(523x4 2 10 -20 30 -40 523x8 0 ];\r\n";
  const std::string alphabet = "0123456789-x p()[];\"yfcbisdl.e ";
  std::mt19937 random(11);
  FakeSeriesDocument doc;
  doc.frameKeys = {0, 600, 1200};
  for (int round = 0; round < 3000; ++round) {
    std::string text = valid;
    int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      std::size_t at = random() % text.size();
      switch (random() % 3) {
        case 0:
          text[at] = alphabet[random() % alphabet.size()];
          break;
        case 1:
          text.erase(at, 1 + random() % 8);
          break;
        default:
          text.resize(at);
          break;
      }
    }
    TdvCountObject series;
    doc.Add(series);
    ReadRecordText(text, series, round % 2 == 0);
    ASSERT_LE(series.GetName().size(), 255u) << text;
    ASSERT_GE(series.GetSampleType(), kFrameByFrame) << text;
    ASSERT_LE(series.GetSampleType(), kSemiFixed) << text;
    ASSERT_TRUE(std::isfinite(series.GetMass())) << text;
    std::string again = RecordText(series);
    TdvCountObject reread;
    doc.Add(reread);
    ReadRecordText(again, reread);
    ASSERT_EQ(RecordText(reread), again) << text;
  }
}

}  // namespace
