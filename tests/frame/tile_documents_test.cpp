#include <optional>
#include <vector>

#include "document/window_tiling.h"
#include "frame_fixture.h"

namespace {

bool Overlap(const TdvRect& a, const TdvRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const TdvRect& inner, const TdvRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

long long Area(const TdvRect& rect) {
  return static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

// Stand-ins for the movie, table and graph windows: they remember where
// the document put them.
class PlacedMovie : public TdvMovieLink {
 public:
  int NaturalHeight() const override { return 240; }
  void RedrawMovie() override {}
  std::optional<TdvRect> WindowRect() const override { return place; }
  void PlaceWindow(const TdvRect& rect) override { place = rect; }
  std::optional<TdvRect> place;
};

class PlacedTable : public TdvTableWindowLink {
 public:
  void ColumnAvailable(std::int32_t, int) override {}
  void GroupActiveChanged(std::int32_t, int) override {}
  void WriteRecord(TdvTaggedWriter&) override {}
  void PlaceWindow(const TdvRect& rect) override { place = rect; }
  std::optional<TdvRect> place;
};

class PlacedGraph : public TdvGraphLink {
 public:
  void ItemRemoved(std::int32_t) override {}
  void TimeChanged(std::int32_t) override {}
  void WriteRecord(TdvTaggedWriter&) override {}
  void PlaceWindow(const TdvRect& rect) override { place = rect; }
  std::optional<TdvRect> place;
};

}  // namespace

// ---------------------------------------------------------------- places

TEST(TiledPlaces, OneOfEachWindowFillsTheAreaWithoutOverlap) {
  for (auto [width, height] : {std::pair{1000, 700}, {1601, 999}, {640, 480}}) {
    const TdvRect area{0, 0, width, height};
    const TdvTiledPlaces places = TiledPlaces(width, height, 1);
    ASSERT_EQ(places.graphs.size(), 1u);
    const std::vector<TdvRect> all{places.movie, places.coordinateSystems, places.table,
                                   places.graphs[0]};
    long long covered = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
      EXPECT_TRUE(Inside(all[i], area)) << width << "x" << height << " window " << i;
      EXPECT_GT(Area(all[i]), 0);
      covered += Area(all[i]);
      for (std::size_t j = i + 1; j < all.size(); ++j) {
        EXPECT_FALSE(Overlap(all[i], all[j])) << i << " and " << j;
      }
    }
    EXPECT_EQ(covered, Area(area)) << "no gaps";
  }
}

TEST(TiledPlaces, MovieAboveCoordinateSystemsTableAboveGraphs) {
  const TdvTiledPlaces places = TiledPlaces(1200, 800, 1);
  EXPECT_EQ(places.movie.left, 0);
  EXPECT_EQ(places.movie.top, 0);
  EXPECT_EQ(places.coordinateSystems.top, places.movie.bottom);
  EXPECT_EQ(places.coordinateSystems.left, places.movie.left);
  EXPECT_GE(places.table.left, places.movie.right);
  EXPECT_EQ(places.table.top, 0);
  EXPECT_EQ(places.graphs[0].top, places.table.bottom);
  EXPECT_EQ(places.graphs[0].left, places.table.left);
}

TEST(TiledPlaces, ManyGraphsShareTheirBandAndStayUsable) {
  const TdvTiledPlaces two = TiledPlaces(1000, 800, 2);
  ASSERT_EQ(two.graphs.size(), 2u);
  EXPECT_FALSE(Overlap(two.graphs[0], two.graphs[1])) << "room enough for both";
  EXPECT_EQ(two.graphs[1].bottom, 800);

  const TdvTiledPlaces many = TiledPlaces(1000, 800, 9);
  ASSERT_EQ(many.graphs.size(), 9u);
  const TdvRect band{many.table.left, many.table.bottom, 1000, 800};
  for (std::size_t i = 0; i < many.graphs.size(); ++i) {
    EXPECT_TRUE(Inside(many.graphs[i], band)) << i;
    EXPECT_GE(many.graphs[i].bottom - many.graphs[i].top, kTiledGraphMinimumHeight) << i;
    if (i > 0) {
      EXPECT_GT(many.graphs[i].top, many.graphs[i - 1].top) << "every title bar shows";
    }
  }
  EXPECT_TRUE(TiledPlaces(1000, 800, 0).graphs.empty());
}

TEST(TiledPlaces, ATinyOrEmptyAreaStillGivesUsableWindows) {
  for (auto [width, height] : {std::pair{0, 0}, {-40, 300}, {200, 100}}) {
    const TdvTiledPlaces places = TiledPlaces(width, height, 3);
    EXPECT_EQ(places.graphs.back().bottom, kTiledMinimumHeight);
    EXPECT_EQ(places.table.right, kTiledMinimumWidth);
    EXPECT_GT(Area(places.coordinateSystems), 0);
  }
}

// ---------------------------------------------------------------- command

class TileDocumentsTest : public FrameTest {
 protected:
  TileDocumentsTest() {
    backend.SetClientSize(frame->hwnd, {kToolStrip + 1000, 700});
    document = frame->NewDocumentWindow();
  }

  TdvTiledPlaces Expected(std::size_t graphs) const { return TiledPlaces(1000, 700, graphs); }

  static constexpr int kToolStrip = 32;
  TdvDataObjectWindow* document = nullptr;
};

TEST_F(TileDocumentsTest, TheMenuCommandPutsTheCoordinateSystemsInPlace) {
  const TdvRect before = backend.OuterRect(document->hwnd);
  backend.Command(frame->hwnd, 251);
  const TdvRect after = backend.OuterRect(document->hwnd);
  EXPECT_NE(after, before);
  EXPECT_EQ(after, Expected(0).coordinateSystems);
}

TEST_F(TileDocumentsTest, EveryWindowOfTheDocumentGoesToItsPlace) {
  PlacedMovie movie;
  PlacedTable table;
  PlacedGraph first;
  PlacedGraph second;
  document->AttachMovie(&movie);
  document->AttachTableWindow(&table);
  document->AddGraph(&first);
  document->AddGraph(&second);
  frame->TileDocuments();
  const TdvTiledPlaces expected = Expected(2);
  EXPECT_EQ(movie.place, expected.movie);
  EXPECT_EQ(table.place, expected.table);
  EXPECT_EQ(first.place, expected.graphs[0]);
  EXPECT_EQ(second.place, expected.graphs[1]);
  EXPECT_EQ(backend.OuterRect(document->hwnd), expected.coordinateSystems);
  document->AttachTableWindow(nullptr);
  document->AttachMovie(nullptr);
}

// Tiling works on the active window's document only.
TEST_F(TileDocumentsTest, OnlyTheActiveDocumentIsArranged) {
  TdvDataObjectWindow* other = frame->NewDocumentWindow();
  const TdvRect otherBefore = backend.OuterRect(other->hwnd);
  const TdvRect firstBefore = backend.OuterRect(document->hwnd);
  ASSERT_EQ(frame->activeDocument, other);
  backend.Command(frame->hwnd, 251);
  EXPECT_EQ(backend.OuterRect(other->hwnd), Expected(0).coordinateSystems);
  EXPECT_EQ(backend.OuterRect(document->hwnd), firstBefore);
  EXPECT_NE(otherBefore, Expected(0).coordinateSystems);
}
