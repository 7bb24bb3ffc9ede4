#include <gtest/gtest.h>

#include <cmath>

#include "model/count_series.h"
#include "recording_series_view.h"
#include "series_fixture.h"

namespace {

using SeriesDrawingTest = SeriesTest;

struct ZoomCase {
  double zoom;
  TdvPoint expected;
};

TEST_F(SeriesDrawingTest, MarkerAndLabelLandOnTheWindowPixelsOfTheZoom) {
  TdvDataPoint& point = AddPoint(1, "Ball", 40, -60, 100);
  point.SetMarkerType(2);
  point.SetMarkerSize(1);
  point.SetMarkerColour(4);
  for (const ZoomCase& c :
       {ZoomCase{0.5, {30, 50}}, ZoomCase{1.0, {50, 80}}, ZoomCase{2.0, {90, 140}}}) {
    SCOPED_TRACE(c.zoom);
    RecordingSeriesView view;
    view.zoom = c.zoom;
    point.DrawOnMovie(view, 100);
    ASSERT_EQ(view.Of("marker").size(), 1u);
    EXPECT_EQ(view.Of("marker")[0].rect.left, c.expected.x);
    EXPECT_EQ(view.Of("marker")[0].rect.top, c.expected.y);
    ASSERT_EQ(view.texts, std::vector<std::string>{"Ball"});
    EXPECT_EQ(view.Of("text")[0].rect.left, c.expected.x + 5);
    EXPECT_EQ(view.Of("text")[0].rect.top, c.expected.y - 5);
    EXPECT_EQ(view.Of("text")[0].colour, MarkerColourRgb(4));
  }
  // Nothing is drawn on a frame without a position.
  RecordingSeriesView empty;
  point.DrawOnMovie(empty, 200);
  EXPECT_TRUE(empty.marks.empty());
}

TEST_F(SeriesDrawingTest, TrailsMarkEveryOtherFrameOnThePictureOnce) {
  TdvDataPoint& point = AddPoint(1, "Ball", 0, 0, 0);
  for (std::int32_t key = 100; key < 1000; key += 100) {
    point.TakeData(key / 10, -key / 10, key);
  }
  RecordingSeriesView view;
  view.zoom = 1.0;
  point.DrawTrails(view, 300, doc.frameKeys);
  std::vector<RecordingSeriesView::Mark> trails = view.Of("fill");
  ASSERT_EQ(trails.size(), 9u);
  for (const RecordingSeriesView::Mark& mark : trails) {
    TdvPoint centre{(mark.rect.left + mark.rect.right - 1) / 2,
                    (mark.rect.top + mark.rect.bottom - 1) / 2};
    EXPECT_NE(centre, (TdvPoint{40, 50})) << "a trail on the displayed frame";
    EXPECT_EQ(centre.y - 20, centre.x - 10);
  }

  // Off the picture nothing is drawn; positions on one pixel are drawn once.
  TdvDataPoint& far = AddPoint(2, "Far", 5000, 0, 0);
  far.TakeData(2, -2, 100);
  far.TakeData(3, -2, 200);
  RecordingSeriesView halfZoom;
  far.DrawTrails(halfZoom, 900, doc.frameKeys);
  EXPECT_EQ(halfZoom.Of("fill").size(), 1u);

  // A Fixed point stays under its marker: it has no trail.
  TdvDataPoint& fixed = AddPoint(3, "Fixed", 10, -10, 0, kFixed);
  RecordingSeriesView fixedView;
  fixed.DrawTrails(fixedView, 300, doc.frameKeys);
  EXPECT_TRUE(fixedView.marks.empty());
}

TEST_F(SeriesDrawingTest, SelectionFramesMarkerAndLabelWithAHeavyPen) {
  TdvDataPoint& point = AddPoint(1, "P", 40, -60, 100);
  point.SetMarkerSize(2);
  RecordingSeriesView view;
  point.DrawSelection(view, 100);
  std::vector<RecordingSeriesView::Mark> frames = view.Of("frame");
  ASSERT_EQ(frames.size(), 2u);
  // 2 x size + 6 pixels from the centre (30, 50) of the marker.
  EXPECT_EQ(frames[0].rect, (TdvRect{20, 40, 41, 61}));
  EXPECT_EQ(frames[0].penWidth, 2);
  EXPECT_EQ(view.Of("line").size(), 1u);
}

TEST_F(SeriesDrawingTest, DistancesScalesAndCountsDrawWhatTheyMeasure) {
  AddPoint(1, "A", 0, 0, 100);
  AddPoint(2, "B", 40, 0, 100);
  TdvCalculatedLine& line = Add<TdvCalculatedLine>(3, "Dist");
  Include(line, {1, 2});
  line.SetMarkerType(401);
  RecordingSeriesView view;
  view.zoom = 1.0;
  line.DrawOnMovie(view, 100);
  std::vector<RecordingSeriesView::Mark> lines = view.Of("line");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rect, (TdvRect{10, 20, 50, 20}));
  // Ticks across both ends.
  EXPECT_EQ(lines[1].rect.left, lines[1].rect.right);
  EXPECT_EQ(lines[2].rect.left, 50);
  EXPECT_EQ(view.texts, std::vector<std::string>{"Dist"});
  RecordingSeriesView missing;
  line.DrawOnMovie(missing, 200);
  EXPECT_TRUE(missing.marks.empty());

  TdvCountObject& count = Add<TdvCountObject>(4, "Count");
  count.AddMark(0, 0, 100);
  count.AddMark(20, -20, 100);
  RecordingSeriesView counted;
  counted.zoom = 1.0;
  count.DrawOnMovie(counted, 100);
  EXPECT_EQ(counted.Of("marker").size(), 2u);
  ASSERT_EQ(counted.texts.size(), 1u);
  EXPECT_EQ(counted.texts[0], "[" + std::to_string(count.GetCurrentMark() + 1) + "]");
}

}  // namespace
