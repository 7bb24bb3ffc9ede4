// The items' labels on the movie picture, as drawn.

#include <map>

#include "movie_fixture.h"
#include "shell/headless_surface.h"

namespace {

using MovieLabelsTest = MovieDocumentTest;

// Items that stand on one spot keep their names apart.
TEST_F(MovieLabelsTest, LabelsOfItemsOnOneSpotDoNotCoverEachOther) {
  TdvDataObjectWindow* doc = MovieDocument();
  movie.window = doc;
  for (const char* name : {"Ball", "Cup", "Lid"}) {
    AddPoint(*doc, name)->TakeData(300, -200, 0);
  }
  backend.ClearDrawing();
  doc->BeginUpdate();
  doc->DrawItemsAt(0);
  doc->EndUpdate();
  std::map<std::string, shell::Rect> drawn;
  for (const shell::DrawRecord& record : backend.DrawingOn(doc->hwnd)) {
    if (record.op == shell::DrawOp::kText) {
      const shell::TextMetrics size = shell::HeadlessTextMetrics(record.font, record.text);
      const shell::Point at = record.points.front();
      drawn[record.text] = {at.x, at.y - size.ascent, at.x + size.width, at.y + size.descent};
    }
  }
  ASSERT_EQ(drawn.size(), 4u) << "Origin 1 and the three points";
  for (const auto& [name, rect] : drawn) {
    for (const auto& [other, otherRect] : drawn) {
      EXPECT_TRUE(name == other || !IntersectRects(rect, otherRect)) << name << " covers " << other;
    }
  }
}

}  // namespace
