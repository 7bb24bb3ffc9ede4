#include "movie_fixture.h"
#include "shell/headless_surface.h"

namespace {

TEST_F(MovieDocumentTest, AutoAddPointsMakesANamedPointPerClick) {
  TdvDataObjectWindow* doc = MovieDocument();
  doc->DoCommand(351);
  EXPECT_TRUE(movie.checks[351]);
  std::int32_t recorder = doc->CurrentItem();
  ASSERT_TRUE(doc->GetItem(recorder)->IsA(kRecordPointCode));

  Click(*doc, 100, -200);
  Click(*doc, 300, -400);
  std::vector<std::int32_t> order = doc->ItemOrder();
  ASSERT_EQ(order.size(), 4u);
  EXPECT_EQ(Names(*doc, {order[2], order[3]}), (std::vector<std::string>{"Point S1", "Point S2"}));
  EXPECT_EQ(PositionOf(*doc, order[2], 0), (TdvPoint{100, -200}));
  EXPECT_EQ(PositionOf(*doc, order[3], 0), (TdvPoint{300, -400}));
  EXPECT_EQ(dialogs.opened, (std::vector<std::string>{"edit " + std::to_string(order[2]),
                                                      "edit " + std::to_string(order[3])}));
  EXPECT_EQ(doc->CurrentItem(), recorder);

  // With the list modifier the new point's dialog stays closed.
  Click(*doc, 50, -50, kTdvRightButton);
  EXPECT_EQ(dialogs.opened.size(), 2u);
  EXPECT_EQ(doc->ItemCount(), 5);
}

TEST_F(MovieDocumentTest, AutoPointAdvanceVisitsEachPointThenStepsTheMovie) {
  TdvDataObjectWindow* doc = MovieDocument();
  std::vector<std::int32_t> points;
  for (const char* name : {"P1", "P2", "P3"}) {
    points.push_back(AddPoint(*doc, name)->GetId());
  }
  doc->DoToolCommand(1);
  ASSERT_EQ(doc->CurrentItem(), points[0]);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(doc->CurrentItem(), points[i]);
    Click(*doc, 100 * (i + 1), -100);
    EXPECT_EQ(PositionOf(*doc, points[i], 0), (TdvPoint{100 * (i + 1), -100}));
  }
  EXPECT_EQ(movie.steps, 1);
  EXPECT_EQ(doc->DisplayedFrame(), 100);
  EXPECT_EQ(doc->CurrentItem(), points[0]);

  // Without Auto Frame Advance the last point stays on this frame.
  doc->DoCommand(353);
  EXPECT_FALSE(movie.checks[353]);
  for (int i = 0; i < 3; ++i) {
    Click(*doc, 10, -10);
  }
  EXPECT_EQ(movie.steps, 1);
  EXPECT_EQ(doc->DisplayedFrame(), 100);
}

struct DragCase {
  const char* name;
  int keyFlags;
  std::vector<TdvPoint> moves;
  TdvPoint expected;
};

TEST_F(MovieDocumentTest, DraggingMovesThePointAndShiftLocksTheFirstAxis) {
  const DragCase cases[] = {
      {"free", 0, {{105, -99}, {108, -96}}, {108, -96}},
      {"horizontal", kTdvShiftKey, {{105, -99}, {108, -90}}, {108, -100}},
      {"vertical", kTdvShiftKey, {{101, -95}, {110, -91}}, {100, -91}},
  };
  TdvDataObjectWindow* doc = MovieDocument();
  for (const DragCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::int32_t id = AddPoint(*doc, c.name, kFixed)->GetId();
    static_cast<TdvDataPoint*>(doc->GetItem(id))->TakeData(100, -100, 0);
    doc->SelectItem(id, 0);
    // Shift on the click itself would take the point out of the selection.
    doc->MovieClick(100, -100, TdvRect{96, -104, 104, -96}, 0);
    for (const TdvPoint& move : c.moves) {
      doc->MovieDrag(move.x, move.y, 100, -100, c.keyFlags);
    }
    doc->MovieMouseUp(c.moves.back().x, c.moves.back().y, c.keyFlags);
    EXPECT_EQ(PositionOf(*doc, id, 0), c.expected);
    EXPECT_EQ(doc->CurrentItem(), id);
    static_cast<TdvDataPoint*>(doc->GetItem(id))->SetVisible(0);
  }
  EXPECT_TRUE(doc->modified);
}

TEST_F(MovieDocumentTest, AnOriginTurnsByItsHandle) {
  TdvDataObjectWindow* doc = MovieDocument();
  std::int32_t origin = doc->DefaultOrigin();
  // Placed 16 pixels in from the picture's bottom-left corner.
  ASSERT_EQ(PositionOf(*doc, origin, 0), (TdvPoint{32, -928}));
  doc->SelectItem(origin, 0);
  doc->MovieClick(52, -928, TdvRect{50, -930, 54, -926}, 0);
  doc->MovieDrag(32, -900, 52, -928, 0);
  doc->MovieMouseUp(32, -900, 0);
  EXPECT_NEAR(doc->GetItem(origin)->GetValue(0), 1.570796326795, 1e-9);
  EXPECT_EQ(PositionOf(*doc, origin, 0), (TdvPoint{32, -928}));

  // A click away from marker and handle clears the selection.
  Click(*doc, 600, -300);
  EXPECT_EQ(doc->CurrentItem(), kNoItem);
}

TEST_F(MovieDocumentTest, BackspaceClearsTheSelectionOnTheDisplayedFrameOnly) {
  TdvDataObjectWindow* doc = MovieDocument();
  auto* point = AddPoint(*doc, "P");
  point->TakeData(10, -10, 0);
  point->TakeData(20, -20, 100);
  doc->CurrentTimeChanged(100);
  doc->SelectItem(point->GetId(), 0);
  doc->modified = false;
  doc->MovieKey(kTdvKeyDelete, 0);
  EXPECT_FALSE(point->HasData(100));
  EXPECT_TRUE(point->HasData(0));
  EXPECT_TRUE(doc->modified);
  // Tab moves on to the next item in the list.
  doc->MovieKey(kTdvKeyTab, 0);
  EXPECT_NE(doc->CurrentItem(), point->GetId());
}

struct NudgeCase {
  TdvPoint from;
  int code;
  TdvPoint expected;
};

TEST_F(MovieDocumentTest, NudgingMovesOneUnitButNeverOffThePicture) {
  const NudgeCase cases[] = {
      {{0, -10}, 6, {0, -10}}, {{0, -10}, 7, {1, -10}},     {{5, 0}, 5, {5, 0}},
      {{5, 0}, 8, {5, -1}},    {{1279, -5}, 7, {1279, -5}}, {{40, -959}, 8, {40, -959}},
  };
  TdvDataObjectWindow* doc = MovieDocument();
  auto* point = AddPoint(*doc, "P");
  doc->SelectItem(point->GetId(), 0);
  for (const NudgeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from.x << "," << c.from.y << " code " << c.code);
    point->TakeData(c.from.x, c.from.y, 0);
    doc->NudgeSelected(c.code);
    EXPECT_EQ(PositionOf(*doc, point->GetId(), 0), c.expected);
  }
}

// Items that stand on one spot keep their names apart on the movie.
TEST_F(MovieDocumentTest, LabelsOfItemsOnOneSpotDoNotCoverEachOther) {
  TdvDataObjectWindow* doc = MovieDocument();
  movie.window = doc;
  for (const char* name : {"Ball", "Cup", "Lid"}) {
    AddPoint(*doc, name)->TakeData(300, -200, 0);
  }
  doc->BeginUpdate();
  doc->DrawItemsAt(0);
  doc->EndUpdate();
  std::vector<shell::Rect> labels;
  for (const shell::DrawRecord& record : backend.DrawingOn(doc->hwnd)) {
    if (record.op != shell::DrawOp::kText) {
      continue;
    }
    const shell::TextMetrics size = shell::HeadlessTextMetrics(record.font, record.text);
    const shell::Point at = record.points.front();
    const shell::Rect rect{at.x, at.y - size.ascent, at.x + size.width, at.y + size.descent};
    for (const shell::Rect& other : labels) {
      EXPECT_FALSE(IntersectRects(rect, other)) << record.text;
    }
    labels.push_back(rect);
  }
  EXPECT_EQ(labels.size(), 4u) << "Origin 1 and the three points";
}

}  // namespace
