#include <gtest/gtest.h>

#include "foundation/angles.h"
#include "series_fixture.h"

namespace {

using Message = FakeSeriesDocument::Message;

class TransformTest : public PointTest {
 protected:
  TransformTest() { point.SetOrigin(1); }

  // A camera pan: the origin drifts right, leaves on frame 200, and from
  // frame 300 on the landmark 20 units above it is clicked instead.
  void TrackPan() {
    point.TakeData(100, -100, 0);
    point.TakeData(110, -100, 100);
    point.TakeData(120, -100, 200);
    ASSERT_TRUE(point.TransformOrigin(200));
    point.TakeData(130, -80, 300);
    point.TakeData(140, -80, 400);
  }

  TdvRealPoint OriginAt(std::int32_t frame) {
    TdvRealPoint position(-1.0, -1.0);
    double angle = 0.0;
    EXPECT_TRUE(point.GetOriginPosition(position, angle, frame)) << "frame " << frame;
    return position;
  }

  void ExpectOrigin(std::int32_t frame, double x, double y) {
    TdvRealPoint position = OriginAt(frame);
    EXPECT_NEAR(position.x, x, 1e-9) << "frame " << frame;
    EXPECT_NEAR(position.y, y, 1e-9) << "frame " << frame;
  }

  std::vector<std::string> EntryNames() {
    std::vector<std::string> names;
    for (const TdvTransformedFrame* e : point.TransformedFrames()) {
      names.push_back(e->name);
    }
    return names;
  }
};

TEST_F(TransformTest, EachSystemIsCarriedAcrossThePanByTheLandmark) {
  TrackPan();
  for (std::int32_t frame : {0, 100, 200, 300, 400}) {
    ExpectOrigin(frame, 100 + frame / 10, -100);
  }
  EXPECT_EQ(doc.beeps, 0);
  point.SetIntValue(505, 1);  // the transformed system, carried back too
  TdvPoint shown;
  double value = 0.0;
  ASSERT_TRUE(point.GetDisplayPosition(200, shown, value));
  EXPECT_EQ(shown, (TdvPoint{120, -80}));
  for (std::int32_t frame : {0, 100, 200, 300}) {
    ExpectOrigin(frame, 100 + frame / 10, -80);
  }
}

TEST_F(TransformTest, ClearAllAsksBeforeDroppingTransformationsAndKeepsTheData) {
  TrackPan();
  doc.confirmAnswers = {false, true};
  doc.events.clear();
  point.ClearAllData();
  EXPECT_EQ(point.GetRowCount(), 3);
  EXPECT_TRUE(doc.events.empty());

  point.ClearAllData();
  EXPECT_EQ(doc.confirmations,
            (std::vector<Message>(2, Message{"This will remove all transformations of P, continue?",
                                             "Transformed Origin"})));
  EXPECT_EQ(EntryNames(), (std::vector<std::string>{"original"}));
  EXPECT_EQ(point.TransformedFrames().First()->startFrame, 0);
  EXPECT_TRUE(point.TransformPoints().IsEmpty());
  EXPECT_EQ(point.GetRowCount(), 1);
  EXPECT_EQ(point.GetActiveTransform(), -1);
  EXPECT_EQ(point.FrameData().Count(), 5);
  EXPECT_EQ(doc.events, (std::vector<std::string>{"changed 1"}));

  // Now without transformations, clearing all removes the data.
  point.ClearAllData();
  EXPECT_TRUE(point.FrameData().IsEmpty());
  EXPECT_EQ(doc.confirmations.size(), 2u);
}

}  // namespace
