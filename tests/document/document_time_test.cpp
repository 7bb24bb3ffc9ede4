#include "document_fixture.h"

namespace {

class TimeTest : public DocumentTest {
 protected:
  TimeTest() {
    doc = NewDocument();
    std::vector<std::int32_t> times;
    for (int i = 0; i < 10; ++i) {
      times.push_back(20 * i);
    }
    doc->SetTimeBase(600, times);
  }

  TdvDataObjectWindow* doc = nullptr;
};

TEST_F(TimeTest, FrameIndexAndSeconds) {
  std::int32_t start = -1;
  EXPECT_EQ(doc->FrameIndex(25, &start), 1);
  EXPECT_EQ(start, 20);
  EXPECT_EQ(doc->FrameIndex(-5, &start), 0);
  EXPECT_EQ(doc->FrameIndex(1000, &start), 9);
  EXPECT_EQ(start, 180);
  EXPECT_DOUBLE_EQ(doc->FrameSeconds(300), 0.5);
  EXPECT_EQ(doc->FrameTimeText(300), "0.5000");
  doc->SetFrameRate(25.0);
  EXPECT_DOUBLE_EQ(doc->FrameSeconds(45), 2.0 / 25.0);
  EXPECT_DOUBLE_EQ(doc->FrameRate(), 25.0);
  doc->SetFrameRate(0.0);
  EXPECT_DOUBLE_EQ(doc->FrameRate(), -1.0);
  EXPECT_DOUBLE_EQ(doc->FrameSeconds(45), 45.0 / 600.0);
}

TEST_F(TimeTest, StepEveryFrameStopsAtBothEnds) {
  EXPECT_EQ(doc->StepTime(20, true), 40);
  EXPECT_EQ(doc->StepTime(25, true), 40);
  EXPECT_EQ(doc->StepTime(40, false), 20);
  EXPECT_EQ(doc->StepTime(180, true), 180);
  EXPECT_EQ(doc->StepTime(0, false), 0);
}

TEST_F(TimeTest, StepInFramesRoundsHalvesToEven) {
  doc->SetStep(2.5, true);
  EXPECT_FALSE(doc->stepEveryFrame);
  EXPECT_EQ(doc->StepTime(20, true), 60);
  doc->SetStep(3.5, true);
  EXPECT_EQ(doc->StepTime(20, true), 100);
  EXPECT_EQ(doc->StepTime(40, false), 0);
  EXPECT_EQ(doc->StepTime(160, true), 180);
  doc->SetStep(0.0, true);
  EXPECT_TRUE(doc->stepEveryFrame);
  EXPECT_EQ(doc->StepTime(20, true), 40);
}

TEST_F(TimeTest, StepInSecondsCountsTheFramesItCrosses) {
  doc->SetStep(0.1, false);
  EXPECT_EQ(doc->StepTime(20, true), 80);
  EXPECT_EQ(doc->StepTime(80, false), 20);
  // Shorter than a frame: still one frame.
  doc->SetStep(0.01, false);
  EXPECT_EQ(doc->StepTime(20, true), 40);
}

TEST_F(TimeTest, OwnFrameRateRaisesAShortStepToOnePeriod) {
  doc->SetStep(0.01, false);
  doc->SetFrameRate(30.0);
  EXPECT_DOUBLE_EQ(doc->stepSize, 1.0 / 30.0);
  doc->SetStep(0.02, false);
  EXPECT_DOUBLE_EQ(doc->stepSize, 1.0 / 30.0);
  doc->SetStep(0.5, false);
  EXPECT_DOUBLE_EQ(doc->stepSize, 0.5);
  // Frames are not raised.
  doc->SetStep(0.02, true);
  EXPECT_DOUBLE_EQ(doc->stepSize, 0.02);
}

}  // namespace
