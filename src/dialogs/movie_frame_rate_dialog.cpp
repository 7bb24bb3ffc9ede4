#include "dialogs/movie_frame_rate_dialog.h"

#include <array>

#include "dialogs/control_help.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kPopup = 4;
constexpr int kEditField = 6;

constexpr double kDefaultRate = -1.0;
// Items 2 to 12 stand for these rates; 13 is "<Other>".
constexpr std::array<double, 11> kRates{30, 24, 15, 12, 10, 6, 5, 2, 1, 0.5, 0.2};
constexpr int kOtherItem = 13;

constexpr std::array<TdvControlHelp, 3> kHelp{{
    {TdvMovieFrameRateDialog::kOk, "Accepts these values and closes the dialog."},
    {TdvMovieFrameRateDialog::kCancel, "Closes the dialog and does not change the movie rate."},
    {TdvMovieFrameRateDialog::kRate,
     "Choose a frame rate.  This will override the default time scale of the movie.  Use this "
     "ONLY if you know the time scale is incorrect, otherwise, choose \"Default\""},
}};

}  // namespace

TdvMovieFrameRateDialog::TdvMovieFrameRateDialog(TdvDataObjectWindow& document)
    : TdvAcceptDialog(kOk, kCancel, kHelp), document_(document) {
  title = "Change Frame Rate";
  rect = {60, 80, 340, 200};
  defaultControl = kOk;
  AddControl(kPopup, kRate, "Frames Per Second :", {15, 15, 265, 37}, 1, 0, 0);
  AddControl(kEditField, kOther, "", {140, 47, 265, 67}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {95, 85, 175, 107}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {185, 85, 265, 107}, 1, 0, 0);
  SetPopupItems(kRate, {"<Default>", "30", "24", "15", "12", "10", "6", "5", "2", "1", "0.5", "0.2",
                        "<Other>"});
}

bool TdvMovieFrameRateDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvMovieFrameRateDialog::ItemFor(double rate) {
  if (rate <= 0.0) {
    return 1;
  }
  for (std::size_t i = 0; i < kRates.size(); ++i) {
    if (rate == kRates[i]) {
      return static_cast<int>(i) + 2;
    }
  }
  return kOtherItem;
}

int TdvMovieFrameRateDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  rate_ = document_.FrameRate() > 0.0 ? document_.FrameRate() : kDefaultRate;
  const int item = ItemFor(rate_);
  SetPopupSelection(kRate, item);
  ChooseItem(item);
  return 0;
}

void TdvMovieFrameRateDialog::ChooseItem(int item) {
  if (item == 1) {
    rate_ = kDefaultRate;
  } else if (item < kOtherItem) {
    rate_ = kRates[static_cast<std::size_t>(item - 2)];
  }
  SetControlText(kOther, rate_ == kDefaultRate ? "" : FormatSignificant(rate_, 4, false));
  EnableControl(kOther, item == kOtherItem);
}

int TdvMovieFrameRateDialog::DoPopupSelect(int id, int selection) {
  if (id != kRate) {
    return kTdvNotHandled;
  }
  ChooseItem(selection);
  return 0;
}

void TdvMovieFrameRateDialog::Accept() {
  if (GetPopupSelection(kRate) == kOtherItem) {
    const std::optional<double> typed = TakePositiveNumber(*this, kOther);
    if (!typed) {
      return;
    }
    rate_ = *typed;
  }
  CloseWindow();
  document_.SetFrameRate(rate_);
}
