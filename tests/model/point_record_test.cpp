#include <gtest/gtest.h>

#include <string>

#include "series_fixture.h"
#include "series_record_io.h"

namespace {

class PointRecordTest : public PointTest {
 protected:
  // Read back as the file reader does: a new point of the kind, in the
  // same document, under another id.
  void ReadBack(TdvDataPoint& copy, const std::string& text) {
    copy.SetId(20);
    doc.Add(copy);
    copy.SetName("bogus");
    ReadRecordText(text, copy);
  }
};

TEST_F(PointRecordTest, ATransformedOriginComesBackFieldForField) {
  point.SetOrigin(1);
  point.SetScaleId(6);
  point.TakeData(100, -100, 0);
  point.TakeData(120, -100, 200);
  point.SetValue(0.125, 200);
  doc.textAnswer = "pan left";
  point.TransformOrigin(200);
  doc.textAnswer.reset();
  point.TakeData(130, -80, 300);
  point.SetValue(-1.5, 300);
  point.TransformOrigin(300);
  point.SetIntValue(505, 2);

  const std::string text = RecordText(point);
  EXPECT_NE(text.find("y(521x2 200 120 -80 0.0000000 300 130 -60 0.0000000 )"), std::string::npos)
      << text;
  EXPECT_NE(text.find("f(522x3  \"original\" -1 0 \"pan left\" 200 1 \"XF@0.5000\" 300 1)"),
            std::string::npos)
      << text;

  TdvDataPoint copy;
  ReadBack(copy, text);
  ExpectSameSeries(point, copy);
  EXPECT_EQ(copy.GetRowCount(), 4);

  // What was read answers as the original did.
  for (std::int32_t frame : {0, 200, 300}) {
    TdvRealPoint a;
    TdvRealPoint b;
    double angleA = 0.0;
    double angleB = 0.0;
    ASSERT_TRUE(point.GetOriginPosition(a, angleA, frame));
    ASSERT_TRUE(copy.GetOriginPosition(b, angleB, frame));
    EXPECT_DOUBLE_EQ(a.x, b.x);
    EXPECT_DOUBLE_EQ(a.y, b.y);
    EXPECT_DOUBLE_EQ(angleA, angleB);
  }
  copy.SetId(point.GetId());
  EXPECT_EQ(RecordText(copy), text);
}

}  // namespace
