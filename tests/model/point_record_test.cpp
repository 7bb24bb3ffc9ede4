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

TEST_F(PointRecordTest, AnOriginWithOnlyItsOriginalEntrySavesNoEntries) {
  point.SetOrigin(1);
  point.TakeData(10, -10, 100);
  const std::string text = RecordText(point);
  EXPECT_EQ(text.find("f("), std::string::npos);
  TdvDataPoint copy;
  ReadBack(copy, text);
  ExpectSameSeries(point, copy);
}

TEST_F(PointRecordTest, APlainPointWithDataComesBack) {
  point.SetSampleType(kSemiFixed);
  point.SetMarkerSize(4);
  point.TakeData(1, -2, 100);
  point.TakeData(3, -4, 500);
  const std::string text = RecordText(point);
  EXPECT_EQ(text.rfind("O1x1[", 0), 0u);
  TdvDataPoint copy;
  ReadBack(copy, text);
  ExpectSameSeries(point, copy);
}

TEST_F(PointRecordTest, TheRecordingPointIsSavedAsAPlainPoint) {
  TdvRecordPoint record;
  record.SetId(3);
  const std::string text = RecordText(record);
  EXPECT_EQ(text.rfind("O3x1[", 0), 0u);
  TdvDataPoint copy;
  ReadBack(copy, text);
  ExpectSameSeries(record, copy);
}

TEST_F(PointRecordTest, AClonePointSavesItsSourceFirst) {
  TdvClonePoint clone;
  clone.SetId(2);
  doc.Add(clone);
  clone.SetSource(1);
  const std::string text = RecordText(clone);
  EXPECT_EQ(text.rfind("O2x6[b(500x0 p501x0 p502x0 )i(565x1 p550x", 0), 0u) << text;

  TdvClonePoint copy;
  copy.SetId(21);
  doc.Add(copy);
  ReadRecordText(text, copy);
  std::int32_t source = 0;
  ASSERT_TRUE(copy.GetSourceId(source));
  EXPECT_EQ(source, 1);
  EXPECT_EQ(copy.Source(), &point);
  ExpectSameSeries(clone, copy);
  EXPECT_FALSE(copy.IsVisible());
}

TEST_F(PointRecordTest, DamagedTransformationsReadWithoutHarm) {
  const std::string text =
      "O1x1[b(500x1 p501x1 p502x0 )i(505x-7 p552x3 )"
      "y(520x2 100 5 -50 0 200 6 -60 0 )"
      "f(522x2  \"original\" -1 0 \"lost\" 200 5)];\r\n";
  TdvDataPoint copy;
  ReadBack(copy, text);
  TdvPoint shown;
  double value = 0.0;
  ASSERT_TRUE(copy.GetDisplayPosition(200, shown, value));
  EXPECT_EQ(shown, (TdvPoint{6, -60}));
  TdvRealPoint position;
  ASSERT_TRUE(copy.GetOriginPosition(position, value, 200));
  EXPECT_DOUBLE_EQ(position.y, -60.0);

  copy.SetIntValue(505, 1);
  ASSERT_TRUE(copy.GetDisplayPosition(200, shown, value));
  EXPECT_EQ(shown, (TdvPoint{6, -60}));
}

}  // namespace
