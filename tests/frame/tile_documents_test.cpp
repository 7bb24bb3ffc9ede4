#include <optional>
#include <vector>

#include "document/window_tiling.h"
#include "frame_fixture.h"

namespace {

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
