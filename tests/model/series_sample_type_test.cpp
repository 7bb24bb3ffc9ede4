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

}  // namespace
