#include <algorithm>
#include <cstdlib>

#include "document/data_object_window.h"
#include "model/count_series.h"
#include "model/point_series.h"

namespace {

constexpr int kAxisFree = 0;
constexpr int kAxisHorizontal = 1;
constexpr int kAxisVertical = 2;
constexpr TdvRect kNoBand{-1, -1, -1, -1};

bool IsEditKey(int keyFlags) {
  return (keyFlags & kTdvControlKey) == kTdvControlKey;
}

}  // namespace

void TdvDataObjectWindow::MovieClick(int x, int y, const TdvRect& pick, int keyFlags) {
  BeginUpdate();
  lastMovie = TdvPoint{x, y};
  std::int32_t time = displayedTime;
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  if (item == nullptr) {
    PickOnMovie(pick, time, keyFlags);
    rubberBand = kNoBand;
  } else {
    if (!liveUpdates) {
      recalculateOnChange = false;
    }
    if (item->IsA(kRecordPointCode)) {
      std::int32_t id = ObjectNewObject(kItemAutoNamedPoint, "");
      static_cast<TdvDataPoint*>(GetItem(id))->TakeData(x, y, time);
      SelectItem(id, 0);
      pointCreated = true;
    } else if (item->IsA(kCountObjectCode)) {
      static_cast<TdvCountObject*>(item)->AddMark(x, y, time);
      modified = true;
    } else if (item->HasData(time) || !item->IsA(kDataPointCode)) {
      PickOnMovie(pick, time, keyFlags);
    } else {
      static_cast<TdvDataPoint*>(item)->TakeData(x, y, time);
      dataTaken = true;
      modified = true;
    }
  }
  mouseDown = true;
  EndUpdate();
  if (movie != nullptr) {
    movie->RedrawMovie();
  }
}

void TdvDataObjectWindow::PickOnMovie(const TdvRect& pick, std::int32_t time, int keyFlags) {
  rotating = false;
  TdvPoint click{(pick.left + pick.right) / 2, (pick.top + pick.bottom) / 2};
  bool hit = false;
  for (std::int32_t id : ItemOrder()) {
    if (GetItem(id)->HitTest(click, time)) {
      SelectItem(id, keyFlags);
      hit = true;
      if ((keyFlags >> 16) == 0) {
        break;
      }
    }
  }
  if (!hit && !mouseDown) {
    for (std::int32_t id : SelectedItems()) {
      TdvDataObject* origin = GetItem(id);
      if (origin != nullptr && origin->IsOrigin() && origin->HitLabel(click, time)) {
        SelectItem(kNoItem, 0);
        SelectItem(id, 0);
        rotating = true;
        hit = true;
        break;
      }
    }
  }
  if (!hit) {
    SelectItem(kNoItem, 0);
  }
}

void TdvDataObjectWindow::MovieDrag(int x, int y, int startX, int startY, int keyFlags) {
  if (!mouseDown) {
    return;
  }
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  if (item == nullptr) {
    rubberBand =
        TdvRect{std::min(startX, x), std::min(startY, y), std::max(startX, x), std::max(startY, y)};
  } else if (rotating && item->IsOrigin()) {
    TdvPoint handle{x, y};
    item->RotateTo(handle, displayedTime, keyFlags);
    modified = true;
  } else if (item->IsA(kDataPointCode) || item->IsA(kCountObjectCode)) {
    DragItem(*item, x, y, startX, startY, keyFlags);
  }
  lastMovie = TdvPoint{x, y};
  if (movie != nullptr) {
    movie->RedrawMovie();
  }
}

// The first move with 0x200 held chooses the axis the drag keeps to.
void TdvDataObjectWindow::DragItem(TdvDataObject& item, int x, int y, int startX, int startY,
                                   int keyFlags) {
  int dx = x - lastMovie.x;
  int dy = y - lastMovie.y;
  if ((keyFlags & kTdvShiftKey) != 0) {
    if (axisLock == kAxisFree) {
      axisLock = std::abs(startY - y) < std::abs(startX - x) ? kAxisHorizontal : kAxisVertical;
    }
    (axisLock == kAxisHorizontal ? dy : dx) = 0;
  } else {
    axisLock = kAxisFree;
  }
  item.MoveTransformPoint(dx, dy, displayedTime);
  modified = true;
}

void TdvDataObjectWindow::MovieMouseUp(int, int, int keyFlags) {
  if (!liveUpdates) {
    recalculateOnChange = true;
  }
  modified = modified || pointCreated || dataTaken;
  if (TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr) {
    if (!liveUpdates) {
      SeriesChanged(*item);
    }
    item->SelectDatum();
  }
  if (pointCreated) {
    pointCreated = false;
    if ((keyFlags & kTdvRightButton) == 0) {
      EditCurrentItem();
    }
    for (TdvDataObject* recorder : AllItems()) {
      if (recorder->IsA(kRecordPointCode)) {
        SelectItem(recorder->GetId(), 0);
      }
    }
  } else if (dataTaken) {
    dataTaken = false;
    if (IsEditKey(keyFlags)) {
      EditCurrentItem();
    }
    AdvanceAfterData();
  } else if (rubberBand != kNoBand) {
    SelectInBand();
  }
  EndDrag();
  RedrawWindows();
}

// Every visible item whose marker lies in the rubber band joins the
// selection.
void TdvDataObjectWindow::SelectInBand() {
  SelectItem(kNoItem, 0);
  for (std::int32_t id : ItemOrder()) {
    TdvDataObject* item = GetItem(id);
    TdvPoint position;
    double angle = 0.0;
    if (item->IsVisible() && item->MoviePosition(position, angle, displayedTime) &&
        position.x >= rubberBand.left && position.x <= rubberBand.right &&
        position.y >= rubberBand.top && position.y <= rubberBand.bottom) {
      SelectItem(id, kTdvShiftKey);
    }
  }
}

void TdvDataObjectWindow::EndDrag() {
  rubberBand = kNoBand;
  mouseDown = false;
  rotating = false;
  axisLock = kAxisFree;
}

void TdvDataObjectWindow::AdvanceAfterData() {
  std::int32_t next = NextItemToLocate();
  if (next != kNoItem) {
    SelectItem(next, 0);
    return;
  }
  if (!autoFrameAdvance || movie == nullptr) {
    if (!autoPointAdvance) {
      SelectItem(kNoItem, 0);
    }
    return;
  }
  std::int32_t before = displayedTime;
  movie->StepFrame(true);
  if (autoPointAdvance && displayedTime != before) {
    SelectItem(kNoItem, 0);
    SelectItem(NextItemToLocate(), 0);
    RedrawWindows();
  }
}

void TdvDataObjectWindow::MovieDoubleClick(int, int, int) {
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  if (item != nullptr && (item->HasData(displayedTime) || item->IsA(kCalculatedObjectCode))) {
    Dialogs().EditItem(*this, currentItem, false);
  }
}

void TdvDataObjectWindow::MovieKey(int key, int keyFlags) {
  if (key == kTdvKeyTab) {
    bool backwards = (keyFlags & kTdvShiftKey) != 0;
    SelectItem(NextInFrameOrder(currentItem, backwards ? kBackwards : kForwards), 0);
  } else if (key == kTdvKeyDelete) {
    ClearSelection(false);
    modified = true;
    if (movie != nullptr) {
      movie->RedrawMovie();
    }
  }
}

// Up, left, right, down, one movie unit (y up); never off the picture.
void TdvDataObjectWindow::NudgeSelected(int code) {
  static constexpr TdvPoint kSteps[] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  if (movie == nullptr || item == nullptr || !item->IsA(kDataPointCode) || code < 5 || code > 8) {
    return;
  }
  TdvPoint step = kSteps[code - 5];
  TdvPoint position;
  double value = 0.0;
  if (!static_cast<TdvDataPoint*>(item)->GetPosition(displayedTime, position, value)) {
    return;
  }
  TdvPoint size = movie->MovieUnitsSize();
  int x = position.x + step.x;
  int y = position.y + step.y;
  if (x < 0 || x >= size.x || y > 0 || y <= -size.y) {
    return;
  }
  item->MoveTransformPoint(step.x, step.y, displayedTime);
  modified = true;
  movie->RedrawMovie();
  RedrawWindows();
}
