#include <algorithm>

#include "model/series_row_columns.h"
#include "movie_fixture.h"

// The coordinate-systems window driven as a user drives it: clicks, drags
// and keys on the window, its state and its drawn texts read back.

namespace {

constexpr int kEditControl = TdvDataObjectWindow::kListEdit;
const shell::Modifiers kCloneDrag{false, false, true};
const shell::Modifiers kShift{false, true, false};
// The value components of a point's x and y.
constexpr int kX = 2;
constexpr int kY = 3;

class CoordinateSystemsWindowTest : public MovieDocumentTest {
 protected:
  TdvDataObjectWindow* Window(TdvDataObjectWindow* doc) {
    backend.Resize(doc->hwnd, {420, 500});
    backend.RunPosted();
    return doc;
  }

  // The middle of a column of the item's row, as laid out now.
  static shell::Point Cell(TdvDataObjectWindow& doc, std::int32_t id, int column) {
    const auto& rows = doc.ListLayout().rows;
    auto row = std::find_if(rows.begin(), rows.end(), [id](const auto& r) { return r.id == id; });
    EXPECT_NE(row, rows.end()) << "no row for item " << id;
    const TdvRowColumn& c = kRowColumns[column];
    return {(c.start + c.end) / 2, row == rows.end() ? -1 : row->rect.top + 9};
  }

  static shell::Point Header(TdvDataObjectWindow& doc, std::int32_t origin) {
    const TdvCoordinateSystemsLayout::Box* box = doc.ListLayout().BoxOf(origin);
    EXPECT_NE(box, nullptr) << "no box for origin " << origin;
    return box == nullptr ? shell::Point{-1, -1} : shell::Point{200, box->header.top + 10};
  }

  void Drag(TdvDataObjectWindow& doc, shell::Point from, shell::Point to,
            shell::Modifiers modifiers = {}) {
    backend.MouseDown(doc.hwnd, from);
    backend.MouseMove(doc.hwnd, {(from.x + to.x) / 2, (from.y + to.y) / 2});
    backend.MouseMove(doc.hwnd, to);
    backend.MouseUp(doc.hwnd, to, modifiers);
  }

  // Replaces what the in-place edit holds, as typing over it does.
  void Retype(TdvDataObjectWindow& doc, const std::string& text) {
    backend.TypeText(doc.hwnd, kEditControl, std::string(40, '\b') + text);
  }

  // Keys typed into the in-place edit reach the list.
  void Type(TdvDataObjectWindow& doc, const char* keys, shell::Modifiers modifiers = {}) {
    backend.TypeText(doc.hwnd, kEditControl, keys, modifiers);
  }

  std::vector<std::string> DrawnTexts(TdvDataObjectWindow& doc) {
    backend.Paint(doc.hwnd);
    std::vector<std::string> texts;
    for (const shell::DrawRecord& record : backend.DrawingOn(doc.hwnd)) {
      if (!record.text.empty()) {
        texts.push_back(record.text);
      }
    }
    return texts;
  }

  static std::int32_t Distance(TdvDataObjectWindow& doc) {
    return doc.ObjectNewObject(kItemDistance, "Span");
  }
};

TEST_F(CoordinateSystemsWindowTest, TheOriginCellActsOnlyOnPointsThatAreNotTheDefaultOrigin) {
  TdvDataObjectWindow* doc = Window(MovieDocument());
  const std::int32_t point = AddPoint(*doc, "Ball")->GetId();
  const std::int32_t distance = Distance(*doc);
  struct Case {
    const char* name;
    std::int32_t id;
    bool originAfter;
  };
  const Case cases[] = {
      {"distance", distance, false},
      {"default origin", doc->DefaultOrigin(), true},
      {"point", point, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    backend.Click(doc->hwnd, Cell(*doc, c.id, kOriginColumn));
    EXPECT_EQ(doc->GetItem(c.id)->IsOrigin(), c.originAfter);
    EXPECT_EQ(doc->CurrentItem(), c.id);
  }
  // The point's new box is there; clicking again takes it away.
  EXPECT_NE(doc->ListLayout().BoxOf(point), nullptr);
  backend.Click(doc->hwnd, Cell(*doc, point, kOriginColumn));
  EXPECT_EQ(doc->ListLayout().BoxOf(point), nullptr);
}

TEST_F(CoordinateSystemsWindowTest, AMassThatIsNoNumberOrNegativeChangesNothingAndSaysWhy) {
  TdvDataObjectWindow* doc = Window(MovieDocument());
  const std::int32_t point = AddPoint(*doc, "Ball")->GetId();
  struct Case {
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {"heavy", "\"heavy\" is not a number: the mass of Ball is unchanged."},
      {"-3", "A mass cannot be negative: the mass of Ball is unchanged."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    backend.ExpectMessage(c.message);
    backend.Click(doc->hwnd, Cell(*doc, point, kMassColumn));
    Retype(*doc, c.typed);
    // Another click commits the edit first.
    backend.Click(doc->hwnd, {300, 5});
    EXPECT_DOUBLE_EQ(doc->GetItem(point)->GetMass(), 0.1);
    EXPECT_EQ(doc->EditedItem(), kNoItem);
  }
}

TEST_F(CoordinateSystemsWindowTest, AModifiedDragOntoTheVideoHeaderClonesWithAShortenedName) {
  TdvDataObjectWindow* doc = Window(MovieDocument());
  const std::pair<const char*, const char*> cases[] = {
      {"Ball", "Ball clone"},
      {"A twenty char name!!", "A twenty char clone"},
  };
  for (const auto& [source, expected] : cases) {
    SCOPED_TRACE(source);
    const std::int32_t id = AddPoint(*doc, source)->GetId();
    const std::vector<std::int32_t> before = doc->ItemOrder();
    Drag(*doc, Cell(*doc, id, kDragColumn), Header(*doc, kVideoOriginRef), kCloneDrag);
    const std::vector<std::int32_t> after = doc->ItemOrder();
    ASSERT_EQ(after.size(), before.size() + 1);
    const std::int32_t clone = after.back();
    EXPECT_EQ(doc->GetItem(clone)->GetName(), expected);
    EXPECT_TRUE(doc->GetItem(clone)->IsA(kClonePointCode));
    EXPECT_EQ(doc->GetItem(clone)->GetOriginId(), kVideoOriginRef);
    const std::vector<std::int32_t> video = doc->Members(kVideoOriginRef);
    EXPECT_NE(std::find(video.begin(), video.end(), clone), video.end());
    // The source stays where it was.
    EXPECT_EQ(doc->GetItem(id)->GetOriginId(), kDefaultOriginRef);
  }
  // Only points clone.
  const std::int32_t distance = Distance(*doc);
  backend.ExpectMessage("You can only clone points");
  Drag(*doc, Cell(*doc, distance, kDragColumn), Header(*doc, kVideoOriginRef), kCloneDrag);
}

TEST_F(CoordinateSystemsWindowTest, ADragOntoAnotherBoxReparentsThePointAndItsValuesFollow) {
  TdvDataObjectWindow* doc = Window(MovieDocument());
  TdvDataPoint* pivot = AddPoint(*doc, "Pivot", kFixed);
  pivot->TakeData(100, -100, 0);
  TdvDataPoint* ball = AddPoint(*doc, "Ball");
  ball->TakeData(150, -60, 0);
  backend.Click(doc->hwnd, Cell(*doc, pivot->GetId(), kOriginColumn));
  ASSERT_TRUE(pivot->IsOrigin());

  double x = 0.0;
  double previous = 0.0;
  ASSERT_TRUE(doc->GetItemValue(x, previous, ball->GetId(), 0, kX));
  EXPECT_DOUBLE_EQ(x, 150 - 32);

  Drag(*doc, Cell(*doc, ball->GetId(), kDragColumn), Header(*doc, pivot->GetId()));
  EXPECT_EQ(ball->GetOriginId(), pivot->GetId());
  EXPECT_EQ(doc->Members(pivot->GetId()), std::vector<std::int32_t>{ball->GetId()});
  double y = 0.0;
  ASSERT_TRUE(doc->GetItemValue(x, previous, ball->GetId(), 0, kX));
  ASSERT_TRUE(doc->GetItemValue(y, previous, ball->GetId(), 0, kY));
  EXPECT_DOUBLE_EQ(x, 50.0);
  EXPECT_DOUBLE_EQ(y, 40.0);
  EXPECT_TRUE(doc->modified);

  // Dropped on a row of its own box, an item moves before that row.
  TdvDataPoint* second = AddPoint(*doc, "Second");
  second->SetOriginId(pivot->GetId());
  Drag(*doc, Cell(*doc, second->GetId(), kDragColumn), Cell(*doc, ball->GetId(), kNameColumn));
  EXPECT_EQ(doc->Members(pivot->GetId()),
            (std::vector<std::int32_t>{second->GetId(), ball->GetId()}));
}

TEST_F(CoordinateSystemsWindowTest, TabAndReturnWalkThroughTheInPlaceEdits) {
  TdvDataObjectWindow* doc = Window(MovieDocument());
  const std::int32_t first = AddPoint(*doc, "First")->GetId();
  const std::int32_t second = AddPoint(*doc, "Second")->GetId();
  // Tab on the list without an edit moves the selection on.
  backend.Click(doc->hwnd, Cell(*doc, second, kTypeColumn));
  backend.PressKey(doc->hwnd, shell::Key::kTab, kShift);
  ASSERT_EQ(doc->CurrentItem(), first);
  backend.Click(doc->hwnd, Cell(*doc, first, kNameColumn));
  ASSERT_EQ(doc->EditedItem(), first);
  // Typing replaces the whole name.
  EXPECT_EQ(backend.Window(backend.ControlOf(doc->hwnd, kEditControl))->textSelection,
            std::make_pair(0, 5));

  struct Step {
    const char* name;
    const char* keys;
    shell::Modifiers modifiers;
    std::int32_t edited;
    int kind;
  };
  const Step steps[] = {
      {"Tab goes to the mass", "\t", {}, first, 5},
      {"Tab goes to the next name", "\t", {}, second, 1},
      {"Shift-Tab goes back to the mass", "\t", kShift, first, 5},
      {"Shift-Tab goes back to the name", "\t", kShift, first, 1},
      {"Return commits", "\r", {}, kNoItem, 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    Type(*doc, step.keys, step.modifiers);
    EXPECT_EQ(doc->EditedItem(), step.edited);
    EXPECT_EQ(doc->EditKind(), step.kind);
  }
  // What was typed into each edit is kept when it is left.
  backend.Click(doc->hwnd, Cell(*doc, first, kNameColumn));
  Retype(*doc, "Ball");
  Type(*doc, "\t");
  Retype(*doc, "50");
  Type(*doc, "\t");
  EXPECT_EQ(doc->GetItem(first)->GetName(), "Ball");
  EXPECT_DOUBLE_EQ(doc->GetItem(first)->GetMass(), 0.05);
  EXPECT_EQ(doc->CurrentItem(), second);
  EXPECT_EQ(doc->EditedItem(), second);
}

TEST_F(CoordinateSystemsWindowTest, TheMovieLineNamesTheMovieOrSaysThereIsNone) {
  TdvDataObjectWindow* without = Window(NewDocument());
  std::vector<std::string> texts = DrawnTexts(*without);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Movie: None.  Use File->Open to add one."),
            texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Origin: Video Origin"), texts.end());

  TdvDataObjectWindow* with = Window(MovieDocument());
  AddPoint(*with, "Ball");
  texts = DrawnTexts(*with);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Movie: ball.mov"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Ball"), texts.end());
}

TEST_F(CoordinateSystemsWindowTest, EachButtonOfTheWindowRunsItsCommand) {
  TdvDataObjectWindow* doc = Window(MovieDocument());
  TdvDataPoint* pivot = AddPoint(*doc, "Pivot");
  pivot->SetOrigin(1);
  const std::int32_t ball = AddPoint(*doc, "Ball")->GetId();
  // The button, the item made current first, the message it shows.
  const std::tuple<int, std::int32_t, std::string> cases[] = {
      {10, kNoItem, ""},
      {11, ball, ""},
      {13, kNoItem, "Must select an origin to transform it"},
      {14, pivot->GetId(), ""},
      {12, ball, "Delete All Data Relative to Ball?"}};
  for (const auto& [button, current, message] : cases) {
    SCOPED_TRACE(button);
    // A click on the list's empty end clears the selection.
    backend.Click(doc->hwnd, current != kNoItem
                                 ? Cell(*doc, current, kTypeColumn)
                                 : shell::Point{100, doc->ListLayout().list.bottom - 2});
    if (!message.empty()) {
      backend.ExpectMessage(message);
    }
    backend.PressButton(doc->hwnd, button);
  }
  EXPECT_EQ(dialogs.opened, (std::vector<std::string>{"new item", "edit " + std::to_string(ball)}));
  EXPECT_EQ(doc->DefaultOrigin(), pivot->GetId());
  EXPECT_EQ(doc->GetItem(ball), nullptr);
}

TEST_F(CoordinateSystemsWindowTest, AfterScrollingAClickHitsTheRowDrawnThere) {
  TdvDataObjectWindow* doc = Window(MovieDocument());
  std::vector<std::int32_t> points;
  for (int i = 0; i < 60; ++i) {
    points.push_back(AddPoint(*doc, "P" + std::to_string(i))->GetId());
  }
  // Where the row lies unscrolled, in a window tall enough for all.
  backend.Resize(doc->hwnd, {420, 1600});
  const shell::Point unscrolled = Cell(*doc, points[45], kVisibleColumn);
  backend.Resize(doc->hwnd, {420, 500});
  backend.Scroll(doc->hwnd, TdvDataObjectWindow::kListScrollBar, shell::kScrollThumb, 40);
  backend.Click(doc->hwnd, {unscrolled.x, unscrolled.y - 40 * kListRowHeight});
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(doc->GetItem(points[i])->IsVisible(), i != 45) << i;
  }
}

}  // namespace
