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

  TdvPoint TransformPointAt(std::int32_t frame) {
    TdvPoint p{-1, -1};
    double value = 0.0;
    EXPECT_TRUE(point.GetTransformPoint(frame, p, value)) << "frame " << frame;
    return p;
  }

  std::vector<std::string> EntryNames() {
    std::vector<std::string> names;
    for (const TdvTransformedFrame* e : point.TransformedFrames()) {
      names.push_back(e->name);
    }
    return names;
  }
};

TEST_F(TransformTest, RefusalsAndTheirMessages) {
  TdvDataPoint plain;
  plain.SetId(2);
  doc.Add(plain);
  plain.TakeData(0, -100, 100);
  EXPECT_FALSE(plain.TransformOrigin(100));

  EXPECT_FALSE(point.TransformOrigin(100));
  point.TakeData(0, -100, 100);
  EXPECT_TRUE(point.TransformOrigin(100));
  EXPECT_FALSE(point.TransformOrigin(100));

  TdvDataPoint fixed;
  fixed.SetId(3);
  doc.Add(fixed);
  fixed.SetOrigin(1);
  fixed.SetSampleType(kFixed);
  fixed.TakeData(0, -100, 100);
  EXPECT_FALSE(fixed.TransformOrigin(100));

  EXPECT_EQ(doc.messages, (std::vector<Message>{
                              {"Can Only Transform Origins", ""},
                              {"must have origin data at this point to transform it", ""},
                              {"origin has already been transformed", ""},
                              {"cannot transform a fixed origin", ""},
                          }));
  EXPECT_TRUE(fixed.TransformPoints().IsEmpty());
}

TEST_F(TransformTest, TheTransformPointStartsAboveTheDatumOrBelowNearTheTop) {
  point.TakeData(50, -100, 100);
  point.TakeData(60, -10, 200);
  point.TakeData(70, -20, 300);
  point.TransformOrigin(100);
  point.TransformOrigin(200);
  point.TransformOrigin(300);
  EXPECT_EQ(TransformPointAt(100), (TdvPoint{50, -80}));
  EXPECT_EQ(TransformPointAt(200), (TdvPoint{60, -30}));
  EXPECT_EQ(TransformPointAt(300), (TdvPoint{70, 0}));
}

TEST_F(TransformTest, TheFirstTransformationNamesItsEntryAfterTheFrameTime) {
  point.TakeData(0, -100, 300);
  doc.events.clear();
  ASSERT_TRUE(point.TransformOrigin(300));
  EXPECT_EQ(point.GetActiveTransform(), 0);
  EXPECT_EQ(point.GetRowCount(), 3);
  EXPECT_EQ(EntryNames(), (std::vector<std::string>{"original", "XF@0.5000"}));
  const TdvTransformedFrame* entry = point.TransformedFrames().Last();
  EXPECT_EQ(entry->startFrame, 300);
  EXPECT_EQ(entry->useTransformPoint, 1);
  EXPECT_EQ(doc.textDialogs,
            (std::vector<Message>{{"Name of new transformed origin:", "Transform Origin"}}));
  EXPECT_EQ(doc.textDialogInitials, (std::vector<std::string>{"XF@0.5000"}));
  EXPECT_EQ(doc.CountEvents("relayout 1"), 1);
  EXPECT_EQ(doc.CountEvents("changed 1"), 1);
}

TEST_F(TransformTest, EntriesStayInStartOrderAfterOriginal) {
  for (std::int32_t key : {100, 200, 300}) {
    point.TakeData(0, -100, key);
  }
  point.TransformOrigin(300);
  point.SetIntValue(505, 1);
  point.TransformOrigin(100);
  EXPECT_EQ(point.GetActiveTransform(), 2);  // the entry in force stays in force
  point.TransformOrigin(200);
  EXPECT_EQ(EntryNames(),
            (std::vector<std::string>{"original", "XF@0.1667", "XF@0.3333", "XF@0.5000"}));
  EXPECT_EQ(point.GetRowCount(), 5);

  TdvDataPoint late;  // data that start before the original entry
  late.SetId(2);
  doc.Add(late);
  late.TakeData(0, -100, 500);
  late.SetOrigin(1);
  late.TakeData(0, -100, 200);
  late.TransformOrigin(200);
  ASSERT_EQ(late.TransformedFrames().Count(), 2);
  EXPECT_EQ(late.TransformedFrames().First()->name, "original");
}

TEST_F(TransformTest, SemiFixedOriginCopiesTheDatumInForceOntoTheTransformFrame) {
  point.SetSampleType(kSemiFixed);
  point.TakeData(40, -100, 200);
  point.SetValue(0.5, 200);
  doc.events.clear();
  ASSERT_TRUE(point.TransformOrigin(600));
  const TdvTimeData* copy = point.FrameData().Get(600);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->x, 40);
  EXPECT_EQ(copy->y, -100);
  // Transforming must not turn the coordinate system by itself.
  EXPECT_DOUBLE_EQ(copy->value, 0.5);
  ASSERT_FALSE(doc.events.empty());
  EXPECT_EQ(doc.events.front(), "changed-at 1 600 3");
}

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

TEST_F(TransformTest, LinksAreTurnedByTheRotationsOfTheirFrame) {
  TrackPan();
  point.SetValue(kHalfPi, 200);
  // The link from the origin up to the landmark, (0, 20), seen in axes turned
  // a quarter turn, is (20, 0).
  ExpectOrigin(300, 110, -80);
}

TEST_F(TransformTest, AWalkThatMissesTheStartBeepsAndKeepsWhatItHas) {
  point.TakeData(10, -100, 100);
  point.TakeData(30, -100, 300);
  point.TransformOrigin(300);
  point.TakeData(50, -100, 500);
  point.SetIntValue(505, 1);
  point.TransformedFrames().Last()->startFrame = 400;
  ExpectOrigin(100, 10, -80);
  EXPECT_EQ(doc.beeps, 1);
}

TEST_F(TransformTest, FixedOriginsIgnoreTransformations) {
  TrackPan();
  point.SetIntValue(505, 1);
  point.SetSampleType(kFixed);
  TdvPoint shown;
  double value = 0.0;
  ASSERT_TRUE(point.GetDisplayPosition(200, shown, value));
  EXPECT_EQ(shown, (TdvPoint{100, -100}));
}

TEST_F(TransformTest, DraggingTheDatumMovesItOnItsFrameOrEveryFrameWhenFixed) {
  point.TakeData(10, -10, 300);
  doc.events.clear();
  point.MoveTransformPoint(5, -3, 300);
  EXPECT_EQ(PositionAt(point, 300), (TdvPoint{15, -13}));
  EXPECT_EQ(doc.events, (std::vector<std::string>{"changed-at 1 300 1"}));
  point.SetSampleType(kFixed);
  point.SetValue(0.5, 300);
  doc.events.clear();
  point.MoveTransformPoint(1, 1, 800);
  EXPECT_EQ(PositionAt(point, 0), (TdvPoint{16, -12}));
  ASSERT_EQ(doc.events.size(), 1u);
  EXPECT_EQ(doc.CountEvents("fixed-origin-moved 1 "), 1);
}

TEST_F(TransformTest, DraggingTheGrabbedTransformPoint) {
  TrackPan();
  ASSERT_TRUE(point.HitTest(TdvPoint{120, -80}, 200));
  point.MoveTransformPoint(2, 4, 200);
  EXPECT_EQ(TransformPointAt(200), (TdvPoint{122, -76}));
  EXPECT_EQ(PositionAt(point, 200), (TdvPoint{120, -100}));
  point.SelectDatum();
  point.MoveTransformPoint(1, 0, 200);
  EXPECT_EQ(PositionAt(point, 200), (TdvPoint{121, -100}));

  ASSERT_TRUE(point.HitTest(TdvPoint{122, -76}, 200));
  doc.events.clear();
  point.MoveTransformPoint(2, 4, 300);  // none on that frame
  EXPECT_EQ(doc.messages, (std::vector<Message>{{"there is no transform point to move",
                                                 "TdvDataPoint::MoveTransformPoint"}}));
  EXPECT_TRUE(doc.events.empty());
  EXPECT_EQ(PositionAt(point, 300), (TdvPoint{130, -80}));
}

TEST_F(TransformTest, AFixedPointComplainsButItsTransformPointStillMoves) {
  TrackPan();
  ASSERT_TRUE(point.HitTest(TdvPoint{120, -80}, 200));
  point.SetSampleType(kFixed);
  point.MoveTransformPoint(0, 1, 200);
  EXPECT_EQ(doc.messages, (std::vector<Message>{{"cannot transform a fixed origin",
                                                 "TdvDataPoint::MoveTransformPoint"}}));
  EXPECT_EQ(TransformPointAt(200), (TdvPoint{120, -79}));
}

TEST_F(TransformTest, ClearingAStartFrameRemovesThatTransformation) {
  TrackPan();
  point.TakeData(150, -80, 500);
  point.TransformOrigin(500);
  point.SetIntValue(505, 2);
  doc.events.clear();
  point.ClearFrame(200);
  EXPECT_EQ(EntryNames(), (std::vector<std::string>{"original", "XF@0.8333"}));
  EXPECT_FALSE(point.HasData(200));
  TdvPoint p;
  double value = 0.0;
  EXPECT_FALSE(point.GetTransformPoint(200, p, value));
  EXPECT_EQ(point.GetRowCount(), 3);
  EXPECT_EQ(point.GetActiveTransform(), 1);
  EXPECT_EQ(doc.events, (std::vector<std::string>{"relayout 1", "changed-at 1 200 1"}));
}

TEST_F(TransformTest, ClearingTheLastTransformationLeavesAnUntransformedOrigin) {
  TrackPan();
  point.ClearFrame(200);
  EXPECT_EQ(EntryNames(), (std::vector<std::string>{"original"}));
  EXPECT_EQ(point.GetActiveTransform(), -1);
  EXPECT_EQ(point.GetRowCount(), 1);
  EXPECT_TRUE(point.HasData(300));
}

TEST_F(TransformTest, OriginalIsNotRemovedWithATransformationOnItsFirstFrame) {
  point.SetOrigin(0);
  point.TakeData(0, -100, 100);
  point.SetOrigin(1);
  point.TransformOrigin(100);
  point.ClearFrame(100);
  EXPECT_EQ(EntryNames(), (std::vector<std::string>{"original"}));
  EXPECT_EQ(point.TransformedFrames().First()->startFrame, 100);
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
