#include "dialogs/tracking_progress_dialog.h"

#include <chrono>
#include <string>

#include "dialogs/control_kinds.h"
#include "document/data_object_window.h"
#include "document/tracking_run.h"
#include "shell/shell.h"

namespace {

using namespace control_kind;

// Frames are tracked for this long between two looks at the events.
constexpr std::chrono::milliseconds kSlice{40};

}  // namespace

TdvTrackingProgressDialog::TdvTrackingProgressDialog(TdvDataObjectWindow& document)
    : document_(document) {
  title = "Tracking";
  rect = {60, 80, 340, 190};
  defaultControl = kCancel;
  AddControl(kLabel, kText, "", {15, 12, 265, 32}, 1, 0, 0);
  AddControl(kDrawnArea, kBar, "", {15, 40, 265, 56}, 1, 0, 0);
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
  if (shell::WindowHandle bar = GetControlWindow(kBar)) {
    Backend().Invalidate(bar, std::nullopt);
  }
}

void TdvTrackingProgressDialog::DrawControl(int id) {
  const shell::WindowHandle bar = GetControlWindow(kBar);
  const TdvTrackingRun* run = document_.Tracking();
  if (id != kBar || bar == shell::kNoWindow) {
    return;
  }
  const shell::Size size = Backend().ClientSize(bar);
  GfxSetFGColor(shell::kBlack);
  GfxFrameRect({0, 0, size.width, size.height});
  if (run != nullptr && run->Total() > 0) {
    const double share = static_cast<double>(run->Done()) / static_cast<double>(run->Total());
    const auto done = static_cast<int>(share * (size.width - 2));
    GfxSetFGColor(shell::MakeRgb(47, 109, 181));
    GfxFillRect({1, 1, 1 + done, size.height - 1});
  }
}
