#include "dialogs/tracking_progress_dialog.h"

#include <chrono>
#include <string>

#include "document/data_object_window.h"
#include "document/tracking_run.h"
#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kLabel = 9;

// Frames are tracked for this long between two looks at the events.
constexpr std::chrono::milliseconds kSlice{40};
constexpr shell::Rect kBar{15, 40, 265, 56};

}  // namespace

TdvTrackingProgressDialog::TdvTrackingProgressDialog(TdvDataObjectWindow& document)
    : document_(document) {
  title = "Tracking";
  rect = {60, 80, 340, 190};
  defaultControl = kCancel;
  AddControl(kLabel, kText, "", {15, 12, 265, 32}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {185, 68, 265, 90}, 1, 0, 0);
}

bool TdvTrackingProgressDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvTrackingProgressDialog::DoCreate() {
  TdvDialog::DoCreate();
  ShowProgress();
  Backend().StartTimer(hwnd, kTimer, 0);
  return 0;
}

// At least one frame a tick, however slow decoding is.
int TdvTrackingProgressDialog::DoTimer(int id) {
  if (id != kTimer || stopped_) {
    return kTdvNotHandled;
  }
  const auto end = std::chrono::steady_clock::now() + kSlice;
  TdvTrackingEvent event = TdvTrackingEvent::kFound;
  do {
    event = document_.TrackNext().event;
  } while (event == TdvTrackingEvent::kFound && std::chrono::steady_clock::now() < end);
  if (event != TdvTrackingEvent::kFound) {
    Stop();
    CloseWindow();
    return 0;
  }
  ShowProgress();
  return 0;
}

int TdvTrackingProgressDialog::DoControlCommand(int id) {
  if (id != kCancel) {
    return kTdvNotHandled;
  }
  CloseWindow();
  return 0;
}

// Closing by hand is Cancel: the run ends and keeps what it found.
int TdvTrackingProgressDialog::DoClose() {
  if (!stopped_) {
    Stop();
    document_.FinishTracking();
  }
  return kTdvNotHandled;
}

void TdvTrackingProgressDialog::Stop() {
  stopped_ = true;
  if (hwnd != shell::kNoWindow) {
    Backend().StopTimer(hwnd, kTimer);
  }
}

void TdvTrackingProgressDialog::ShowProgress() {
  const TdvTrackingRun* run = document_.Tracking();
  if (run == nullptr) {
    return;
  }
  SetControlText(kText, "Frame " + std::to_string(run->Done()) + " of " +
                            std::to_string(run->Total()) + " tracked");
  Backend().Invalidate(hwnd, kBar);
}

void TdvTrackingProgressDialog::WinDraw(const std::optional<shell::Rect>& area) {
  const TdvTrackingRun* run = document_.Tracking();
  GfxSetFGColor(shell::kBlack);
  GfxFrameRect(kBar);
  if (run != nullptr && run->Total() > 0) {
    const int width = kBar.right - kBar.left - 2;
    const int done = static_cast<int>(width * run->Done() / run->Total());
    GfxSetFGColor(shell::MakeRgb(47, 109, 181));
    GfxFillRect({kBar.left + 1, kBar.top + 1, kBar.left + 1 + done, kBar.bottom - 1});
  }
  TdvDialog::WinDraw(area);
}
