#include "dialogs/movie_step_dialog.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "dialogs/control_help.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kPopup = 4;
constexpr int kEditField = 6;

constexpr double kDefaultStep = -1.0;

// The time items' steps and the rates they stand for, from item 2 on.
constexpr std::array<double, 11> kTimeSteps{
    1.0 / 30, 1.0 / 24, 1.0 / 15, 1.0 / 12, 1.0 / 10, 1.0 / 6, 1.0 / 5, 1.0 / 2, 1.0, 2.0, 5.0};
constexpr std::array<double, 11> kTimeRates{30, 24, 15, 12, 10, 6, 5, 2, 1, 0.5, 0.2};
constexpr int kTimeOther = 13;

// The frames items: steps 1 to 6, 10 and 20, then "<Other>".
constexpr std::array<int, 8> kFrameSteps{1, 2, 3, 4, 5, 6, 10, 20};
constexpr int kFrameOther = 9;

constexpr std::array<TdvControlHelp, 3> kHelp{{
    {TdvMovieStepDialog::kOk, "Accepts these values and closes the dialog"},
    {TdvMovieStepDialog::kCancel, "Closes the dialog and does not change the movie rate"},
    {TdvMovieStepDialog::kTimeSize,
     "Choose a step size.  This will determine how far the movie steps either when it "
     "automatically advances or one of the step buttons is pressed"},
}};

int RoundedFrames(double step) {
  return step == 0.0 ? 1 : static_cast<int>(std::lround(step));
}

}  // namespace

TdvMovieStepDialog::TdvMovieStepDialog(TdvDataObjectWindow& document)
    : TdvAcceptDialog(kOk, kCancel, kHelp), document_(document) {
  title = "Movie Step Size";
  rect = {60, 80, 340, 250};
  defaultControl = kOk;
  AddControl(kPopup, kStepBy, "Step by :", {15, 15, 265, 37}, 1, 0, 0);
  AddControl(kPopup, kTimeSize, " Size (s) :", {15, 47, 265, 69}, 1, 0, 0);
  AddControl(kPopup, kFrameSize, "Size (frames) :", {15, 79, 265, 101}, 1, 0, 0);
  AddControl(kEditField, kOther, "", {120, 111, 265, 131}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {95, 141, 175, 163}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {185, 141, 265, 163}, 1, 0, 0);
  SetPopupItems(kStepBy, {"Frames", "Time"});
  SetPopupItems(kTimeSize, {"<Default>", "0.0333 (1/30)", "0.0416 (1/24)", "0.0667 (1/15)",
                            "0.0833 (1/12)", "0.100 (1/10)", "0.167 (1/6)", "0.200 (1/5)",
                            "0.500 (1/2)", "1", "2", "5", "<Other>"});
  SetPopupItems(kFrameSize, {"<1>", "2", "3", "4", "5", "6", "10", "20", "<Other>"});
}

bool TdvMovieStepDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvMovieStepDialog::TimeItemFor(double step) {
  const double rate = step == 0.0 ? -1.0 : RoundToFourDigits(1.0 / step);
  if (rate == -1.0) {
    return 1;
  }
  for (std::size_t i = 0; i < kTimeRates.size(); ++i) {
    if (rate == kTimeRates[i]) {
      return static_cast<int>(i) + 2;
    }
  }
  return kTimeOther;
}

int TdvMovieStepDialog::FrameItemFor(double step) {
  const int frames = RoundedFrames(step);
  if (frames < 7) {
    return std::max(frames, 1);
  }
  for (std::size_t i = 0; i < kFrameSteps.size(); ++i) {
    if (frames == kFrameSteps[i]) {
      return static_cast<int>(i) + 1;
    }
  }
  return kFrameOther;
}

// The document's pair: no step of its own is the default, -1.
int TdvMovieStepDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  step_ = document_.stepEveryFrame ? kDefaultStep : document_.stepSize;
  inFrames_ = document_.stepInFrames;
  ShowStep();
  return 0;
}

void TdvMovieStepDialog::ShowStep() {
  SetPopupSelection(kStepBy, inFrames_ ? kByFrames : kByTime);
  EnableControl(kTimeSize, !inFrames_);
  EnableControl(kFrameSize, inFrames_);
  if (inFrames_) {
    const int item = FrameItemFor(step_);
    SetPopupSelection(kFrameSize, item);
    ChooseFrameItem(item);
  } else {
    const int item = TimeItemFor(step_);
    SetPopupSelection(kTimeSize, item);
    ChooseTimeItem(item);
  }
}

void TdvMovieStepDialog::ChooseTimeItem(int item) {
  if (item == 1) {
    step_ = kDefaultStep;
  } else if (item < kTimeOther) {
    step_ = kTimeSteps[static_cast<std::size_t>(item - 2)];
  }
  SetControlText(kOther, step_ == kDefaultStep ? "" : FormatSignificant(step_, 4, false));
  EnableControl(kOther, item == kTimeOther);
}

void TdvMovieStepDialog::ChooseFrameItem(int item) {
  if (item < kFrameOther) {
    step_ = kFrameSteps[static_cast<std::size_t>(item - 1)];
  }
  char text[16];
  std::snprintf(text, sizeof text, "%d", std::max(RoundedFrames(step_), 1));
  SetControlText(kOther, text);
  EnableControl(kOther, item == kFrameOther);
}

int TdvMovieStepDialog::DoPopupSelect(int id, int selection) {
  switch (id) {
    case kStepBy:
      inFrames_ = selection == kByFrames;
      ShowStep();
      return 0;
    case kTimeSize:
      ChooseTimeItem(selection);
      return 0;
    case kFrameSize:
      ChooseFrameItem(selection);
      return 0;
    default:
      return kTdvNotHandled;
  }
}

int TdvMovieStepDialog::ActiveSizePopup() const {
  return inFrames_ ? kFrameSize : kTimeSize;
}

void TdvMovieStepDialog::Accept() {
  const int other = inFrames_ ? kFrameOther : kTimeOther;
  if (GetPopupSelection(ActiveSizePopup()) == other) {
    const std::optional<double> typed = TakePositiveNumber(*this, kOther);
    if (!typed) {
      return;
    }
    step_ = *typed;
  }
  CloseWindow();
  document_.SetStep(step_, inFrames_);
}
