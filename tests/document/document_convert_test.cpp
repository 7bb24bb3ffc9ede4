#include <cmath>

#include "document/text_prompt_dialog.h"
#include "document_fixture.h"
#include "foundation/angles.h"
#include "model/calculated_series.h"
#include "model/scale_series.h"

namespace {

using shell::MessageAnswer;

class ConvertTest : public DocumentTest {
 protected:
  ConvertTest() {
    doc = NewDocument();
    doc->SetTimeBase(600, {0, 20, 40});
  }

  // Converts (x, y) through originRef on frame; the reference as handed back.
  TdvRealPoint Convert(double x, double y, std::int32_t& originRef, std::int32_t frame = 0,
                       std::uint8_t unit = 1) {
    TdvRealPoint point(x, y);
    std::string label;
    converted = doc->ConvertPoint(point, originRef, unit, label, frame);
    lastLabel = label;
    return point;
  }

  void PlaceOrigin1(int x, int y, double angle = 0.0) {
    doc->GetItem(0)->FrameData().Set(0, std::make_unique<TdvTimeData>(x, y, angle));
  }

  double Value(std::int32_t id, std::int32_t time, int component, double* previous = nullptr) {
    double value = 0.0;
    double scratch = 0.0;
    EXPECT_TRUE(
        doc->GetItemValue(value, previous != nullptr ? *previous : scratch, id, time, component));
    return value;
  }

  TdvDataObjectWindow* doc = nullptr;
  bool converted = false;
  std::string lastLabel;
};

TEST_F(ConvertTest, VideoOriginCountsFromTheBottomOfThePicture) {
  std::int32_t ref = kVideoOriginRef;
  Convert(10, -30, ref);
  EXPECT_FALSE(converted);
  FakeMovie movie(240);
  doc->AttachMovie(&movie);
  TdvRealPoint p = Convert(10, -30, ref);
  EXPECT_TRUE(converted);
  EXPECT_DOUBLE_EQ(p.x, 10);
  EXPECT_DOUBLE_EQ(p.y, 450);
  EXPECT_EQ(lastLabel, "(pixels)");
  doc->AttachMovie(nullptr);
}

TEST_F(ConvertTest, MissingAndUnusableOriginsFallBackOrFail) {
  std::int32_t ref = 77;
  TdvRealPoint p = Convert(10, -30, ref);
  EXPECT_TRUE(converted);
  EXPECT_EQ(ref, kVideoOriginRef);
  EXPECT_DOUBLE_EQ(p.x, 10);
  EXPECT_DOUBLE_EQ(p.y, 30);
  EXPECT_EQ(backend.Beeps(), 2);

  std::int32_t plain = AddPoint(*doc, "plain")->GetId();
  ref = plain;
  p = Convert(10, -30, ref);
  EXPECT_TRUE(converted);
  EXPECT_EQ(ref, kVideoOriginRef);
  EXPECT_DOUBLE_EQ(p.y, 30);
  EXPECT_EQ(lastLabel, "(pixels)");
  EXPECT_EQ(backend.Beeps(), 2);

  std::int32_t distance = doc->ObjectNewObject(kItemDistance, "D");
  ref = distance;
  backend.ExpectMessage("There is no useable origin", MessageAnswer::kOk,
                        "TdvDataObjectWindow::ConvertPoint");
  Convert(10, -30, ref);
  EXPECT_FALSE(converted);
}

TEST_F(ConvertTest, MovingOriginIsFollowedFrameByFrame) {
  TdvDataPoint* origin = AddPoint(*doc, "O");
  origin->SetOrigin(1);
  origin->TakeData(100, -100, 0);
  origin->TakeData(200, -50, 20);
  std::int32_t ref = origin->GetId();
  TdvRealPoint p = Convert(150, -100, ref, 0);
  EXPECT_DOUBLE_EQ(p.x, 50);
  EXPECT_DOUBLE_EQ(p.y, 0);
  p = Convert(200, 0, ref, 20);
  EXPECT_DOUBLE_EQ(p.x, 0);
  EXPECT_DOUBLE_EQ(p.y, 50);
  // -1 stands for the default origin.
  PlaceOrigin1(10, -10);
  ref = kDefaultOriginRef;
  p = Convert(15, -5, ref);
  EXPECT_EQ(ref, 0);
  EXPECT_DOUBLE_EQ(p.x, 5);
  EXPECT_DOUBLE_EQ(p.y, 5);
}

TEST_F(ConvertTest, RotatedOriginTurnsTheAxes) {
  PlaceOrigin1(100, -100, kHalfPi);
  std::int32_t ref = 0;
  TdvRealPoint p = Convert(100, -90, ref);
  EXPECT_NEAR(p.x, 10, 1e-9);
  EXPECT_NEAR(p.y, 0, 1e-9);
}

TEST_F(ConvertTest, ScaleOfTheOriginGivesRealUnits) {
  PlaceOrigin1(100, -100);
  TdvDataPoint* a = AddPoint(*doc, "A", kFixed);
  TdvDataPoint* b = AddPoint(*doc, "B", kFixed);
  a->TakeData(0, -300, 0);
  b->TakeData(200, -300, 0);
  std::int32_t scale = doc->ObjectNewObject(kItemScale, "S");
  LList ends;
  ends.Append(std::make_unique<TdvInt>(a->GetId()));
  ends.Append(std::make_unique<TdvInt>(b->GetId()));
  static_cast<TdvCalculatedObject*>(doc->GetItem(scale))->SetIncluded(ends);
  ASSERT_EQ(doc->GetItem(0)->GetScaleId(), scale);
  std::int32_t ref = 0;
  TdvRealPoint p = Convert(150, -100, ref, 0, 2);
  EXPECT_DOUBLE_EQ(p.x, 25);
  EXPECT_EQ(lastLabel, "[cm]");
  // The table reads the same through GetItemValue, in the point's unit.
  TdvDataPoint* ball = AddPoint(*doc, "ball", kFixed);
  ball->TakeData(150, -50, 0);
  ball->SetLengthUnit(2);
  EXPECT_DOUBLE_EQ(Value(ball->GetId(), 0, 2), 25);
  EXPECT_DOUBLE_EQ(Value(ball->GetId(), 0, 3), 25);
  // A distance reports through the scale of its origin; the scale itself
  // reports in the Video frame, in movie units.
  std::int32_t distance = doc->ObjectNewObject(kItemDistance, "D");
  static_cast<TdvCalculatedObject*>(doc->GetItem(distance))->SetIncluded(ends);
  doc->GetItem(distance)->SetOriginId(0);
  EXPECT_DOUBLE_EQ(Value(distance, 0, 1), 1.0);
  EXPECT_DOUBLE_EQ(Value(scale, 0, 1), 200.0);
}

TEST_F(ConvertTest, PolarComponentsAndTimeItem) {
  PlaceOrigin1(100, -100);
  TdvDataPoint* p = AddPoint(*doc, "P", kFixed);
  p->TakeData(103, -96, 0);
  p->SetCoordinates(kPolar);
  EXPECT_DOUBLE_EQ(Value(p->GetId(), 0, 2), 3);
  EXPECT_DOUBLE_EQ(Value(p->GetId(), 0, 3), 4);
  EXPECT_DOUBLE_EQ(Value(p->GetId(), 0, 5), 5);
  EXPECT_NEAR(Value(p->GetId(), 0, 4), std::atan2(4.0, 3.0), 1e-9);
  EXPECT_DOUBLE_EQ(Value(p->GetId(), 0, 7), 5);
  p->SetAngleUnit(8);
  EXPECT_NEAR(Value(p->GetId(), 0, 4), 53.130102, 1e-5);
  EXPECT_DOUBLE_EQ(Value(kTimeItemRef, 300, 0), 0.5);
  double value = 0.0;
  double previous = 0.0;
  EXPECT_FALSE(doc->GetItemValue(value, previous, 99, 0, 2));
}

TEST_F(ConvertTest, ContinuousAnglesRunPastAFullTurn) {
  PlaceOrigin1(0, 0);
  TdvDataPoint* p = AddPoint(*doc, "P");
  p->SetCoordinates(kPolar);
  p->SetAngleUnit(8);
  p->SetAngleRange(kAngleRangeContinuous);
  p->TakeData(-985, 174, 0);
  p->TakeData(-985, -174, 20);
  p->TakeData(-866, -500, 40);
  double previous = 0.0;
  EXPECT_NEAR(Value(p->GetId(), 0, 4, &previous), 170.0, 0.05);
  EXPECT_NEAR(Value(p->GetId(), 20, 4, &previous), 190.0, 0.05);
  EXPECT_NEAR(Value(p->GetId(), 40, 4, &previous), 210.0, 0.05);

  TdvDataPoint* vertex = AddPoint(*doc, "V", kFixed);
  TdvDataPoint* a = AddPoint(*doc, "A", kFixed);
  TdvDataPoint* b = AddPoint(*doc, "B");
  vertex->TakeData(0, 0, 0);
  a->TakeData(1000, 0, 0);
  b->TakeData(985, -174, 0);
  b->TakeData(985, 174, 20);
  std::int32_t angle = doc->ObjectNewObject(kItemAngle, "angle");
  LList ends;
  for (TdvDataPoint* end : {a, vertex, b}) {
    ends.Append(std::make_unique<TdvInt>(end->GetId()));
  }
  TdvDataObject* item = doc->GetItem(angle);
  static_cast<TdvCalculatedObject*>(item)->SetIncluded(ends);
  item->SetAngleUnit(8);
  item->SetAngleRange(kAngleRangeContinuous);
  previous = 0.0;
  EXPECT_NEAR(Value(angle, 0, 1, &previous), -10.0, 0.05);
  EXPECT_NEAR(Value(angle, 20, 1, &previous), 10.0, 0.05);
  item->SetAngleRange(kAngleRangePositive);
  EXPECT_NEAR(Value(angle, 0, 1, &previous), 350.0, 0.05);
}

}  // namespace

namespace {

TEST_F(ConvertTest, TransformingAnOriginKeepsItWhereItWasClicked) {
  TdvDataPoint* origin = AddPoint(*doc, "O");
  origin->SetOrigin(1);
  origin->TakeData(200, -200, 0);
  origin->TakeData(210, -200, 20);
  doc->SetDisplayedTime(20);
  backend.QueueModal([this](shell::WindowHandle dialog) {
    backend.PressButton(dialog, TdvTextPromptDialog::kCancel);
  });
  doc->TransformOrigin(origin->GetId());
  ASSERT_EQ(origin->TransformedFrames().Count(), 2);
  TdvPoint transform;
  double angle = 0.0;
  ASSERT_TRUE(origin->GetTransformPoint(20, transform, angle));
  EXPECT_NE(transform, (TdvPoint{210, -200}));
  // The transform point carries the origin on from the start frame; on the
  // start frame and before it the origin is where it was clicked.
  std::int32_t ref = origin->GetId();
  TdvRealPoint p = Convert(220, -190, ref, 20);
  EXPECT_TRUE(converted);
  EXPECT_DOUBLE_EQ(p.x, 10);
  EXPECT_DOUBLE_EQ(p.y, 10);
  p = Convert(210, -190, ref, 0);
  EXPECT_DOUBLE_EQ(p.x, 10);
  EXPECT_DOUBLE_EQ(p.y, 10);
}

}  // namespace
