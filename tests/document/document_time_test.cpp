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

}  // namespace
