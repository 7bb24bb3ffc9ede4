#include "document/data_object_window.h"
#include "document/tracking_run.h"
#include "model/point_series.h"
#include "tracking/object_size.h"

using kinovex::TrackingBox;
using kinovex::TrackingPicture;
using kinovex::TrackingPoint;

namespace {

constexpr const char* kCaption = "Track Selected Point";
constexpr int kTrackingMessage = 92;
constexpr int kCloseMessage = -1;

// Movie units are half pixels, y up from the picture's top edge.
TdvPoint ToMovieUnits(const TrackingPoint& pixels) {
  return TdvPoint{RoundHalfAway(2.0 * pixels.x), -RoundHalfAway(2.0 * pixels.y)};
}

TrackingPoint ToPixels(const TdvPoint& movieUnits) {
  return TrackingPoint{movieUnits.x / 2.0, -movieUnits.y / 2.0};
}

}  // namespace

// The dialog asks for the settings and starts the run; a run in progress
// goes on instead.
void TdvDataObjectWindow::AskToTrack() {
  BringMovieForward();
  if (tracking == nullptr) {
    Dialogs().TrackPoint(*this);
  }
}

int TdvDataObjectWindow::FittedTemplateSize(int fallback) {
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  TdvPoint at;
  double value = 0.0;
  TrackingPicture picture;
  if (item == nullptr || !item->IsA(kDataPointCode) || !item->HasData(displayedTime) ||
      !static_cast<TdvDataPoint*>(item)->GetPosition(displayedTime, at, value) ||
      movie == nullptr || !movie->TrackingFrame(displayedTime, picture)) {
    return fallback;
  }
  return kinovex::TemplateSizeAround(picture, ToPixels(at), fallback);
}

bool TdvDataObjectWindow::StartTracking(const TdvTrackingChoices& choices) {
  FinishTracking();
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  if (item == nullptr || !item->IsA(kDataPointCode) || item->IsA(kRecordPointCode)) {
    InformationBox("Select the point to track first", kCaption);
    return false;
  }
  if (item->GetSampleType() == kFixed) {
    InformationBox("A Fixed point does not move: there is nothing to track", kCaption);
    return false;
  }
  TdvPoint start;
  double value = 0.0;
  if (!item->HasData(displayedTime) ||
      !static_cast<TdvDataPoint*>(item)->GetPosition(displayedTime, start, value)) {
    InformationBox("Click on the object on this frame first: tracking starts from there", kCaption);
    return false;
  }
  if (movie == nullptr) {
    InformationBox("No Movie", kCaption);
    return false;
  }
  // The run belongs to the document, which outlives it; the movie may go
  // first (MovieClosing ends the run).
  auto source = [this](std::int32_t frame, TrackingPicture& picture) {
    return movie != nullptr && movie->TrackingFrame(frame, picture);
  };
  std::string error;
  std::optional<TdvTrackingRun> run =
      TdvTrackingRun::Start(frameTimes, static_cast<std::size_t>(FrameIndex(displayedTime)),
                            ToPixels(start), choices, source, error);
  if (!run) {
    InformationBox(error, kCaption);
    return false;
  }
  tracking = std::make_unique<TdvTrackingRun>(std::move(*run));
  trackedItem = currentItem;
  return true;
}

TdvTrackingStep TdvDataObjectWindow::TrackNext() {
  if (tracking == nullptr || tracking->Waiting()) {
    return TdvTrackingStep{};
  }
  TdvTrackingStep step = tracking->Next();
  switch (step.event) {
    case TdvTrackingEvent::kFound:
      RecordTracked(step.frame, ToMovieUnits(step.result.position));
      ShowTrackedFrame(step.frame);
      break;
    case TdvTrackingEvent::kLost:
      ShowTrackedFrame(step.frame);
      TellTable();
      movie->ShowMovieMessage(kTrackingMessage);
      break;
    case TdvTrackingEvent::kNoPicture:
      FinishTracking();
      InformationBox("The frame at t = " + FrameTimeText(step.frame) +
                         " s cannot be decoded: tracking stopped before it",
                     kCaption);
      break;
    case TdvTrackingEvent::kFinished:
      FinishTracking();
      break;
  }
  return step;
}

TdvTrackingStep TdvDataObjectWindow::TrackAll() {
  TdvTrackingStep step = TrackNext();
  while (step.event == TdvTrackingEvent::kFound) {
    step = TrackNext();
  }
  return step;
}

// A series deleted while the run went on ends it.
void TdvDataObjectWindow::RecordTracked(std::int32_t frame, const TdvPoint& position) {
  auto* point = dynamic_cast<TdvDataPoint*>(GetItem(trackedItem));
  if (point == nullptr) {
    FinishTracking();
    return;
  }
  const bool recalculate = recalculateOnChange;
  recalculateOnChange = false;
  point->TakeData(position.x, position.y, frame);
  recalculateOnChange = recalculate;
  modified = true;
}

void TdvDataObjectWindow::ShowTrackedFrame(std::int32_t frame) {
  displayedTime = frame;
  if (movie != nullptr) {
    movie->GoToTime(frame);
    movie->RedrawMovie();
  }
}

void TdvDataObjectWindow::TrackingClick(int x, int y, bool given) {
  if (tracking == nullptr || !tracking->Waiting()) {
    return;
  }
  if (!given) {
    FinishTracking();
    return;
  }
  const TdvPoint at{x, y};
  if (!tracking->Resume(ToPixels(at))) {
    Beep();
    return;
  }
  movie->ShowMovieMessage(kCloseMessage);
  RecordTracked(tracking->CurrentFrame(), at);
  if (tracking != nullptr) {
    Dialogs().TrackingProgress(*this);
  }
}

void TdvDataObjectWindow::FinishTracking() {
  if (tracking == nullptr) {
    return;
  }
  const bool waited = tracking->Waiting();
  tracking.reset();
  if (movie != nullptr) {
    if (waited) {
      movie->ShowMovieMessage(kCloseMessage);
    }
    movie->RedrawMovie();
  }
  TellTable();
  trackedItem = kNoItem;
}

// The table and the windows hear of the data found when the run stops: at
// its end, or where it waits for a click.
void TdvDataObjectWindow::TellTable() {
  if (TdvDataObject* item = GetItem(trackedItem)) {
    SeriesChanged(*item);
  }
  RedrawWindows();
}

// The search window and the template box over the frame being tracked.
void TdvDataObjectWindow::DrawTracking(TdvSeriesView& view, std::int32_t time) {
  if (tracking == nullptr || tracking->CurrentFrame() != time ||
      tracking->CurrentFrame() == tracking->StartFrame()) {
    return;
  }
  auto frame = [&view](const TrackingBox& box) {
    TdvPoint corner = view.ToWindow(TdvPoint{2 * box.left, -2 * box.top});
    TdvPoint opposite = view.ToWindow(TdvPoint{2 * box.right, -2 * box.bottom});
    view.FrameRect(TdvRect{corner.x, corner.y, opposite.x, opposite.y});
  };
  view.SetColour(MakeColour(255, 255, 0));
  frame(tracking->Searched());
  view.SetColour(MakeColour(0, 255, 0));
  frame(tracking->TemplateBox());
}
