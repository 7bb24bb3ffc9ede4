#include "document/data_object_window.h"
#include "document/movie_view.h"

void TdvDataObjectWindow::DrawItemsAt(std::int32_t time) {
  displayedTime = time;
  TdvWindow* window = movie != nullptr ? movie->Window() : nullptr;
  if (window == nullptr) {
    return;
  }
  TdvMovieView view(*this, *movie, *window);
  for (std::int32_t id : ItemOrder()) {
    TdvDataObject* item = GetItem(id);
    if (!item->IsVisible()) {
      continue;
    }
    if (item->HasTrails()) {
      item->DrawTrails(view, time, frameTimes);
    }
    item->DrawOnMovie(view, time);
    if (IsSelected(id)) {
      item->DrawSelection(view, time);
    }
  }
  if (rubberBand.left != -1 || rubberBand.right != -1) {
    TdvPoint corner = view.ToWindow(TdvPoint{rubberBand.left, rubberBand.bottom});
    TdvPoint opposite = view.ToWindow(TdvPoint{rubberBand.right, rubberBand.top});
    view.SetColour(MakeColour(0, 0, 0));
    view.FrameRect(TdvRect{corner.x, corner.y, opposite.x + 1, opposite.y + 1});
  }
  DrawTracking(view, time);
}
