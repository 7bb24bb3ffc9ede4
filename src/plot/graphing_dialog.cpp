#include "plot/graphing_dialog.h"

#include "kinematics/quantity_table.h"
#include "model/series_codes.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kLabel = 9;

}  // namespace

TdvGraphingDialog::TdvGraphingDialog(TdvDataObjectWindow& document,
                                     std::function<void(const TdvPlotChoice&)> add)
    : horizontal_(document, {kHorizontalList, kHorizontalCategory, kHorizontalComponent}),
      vertical_(document, {kVerticalList, kVerticalCategory, kVerticalComponent}),
      add_(std::move(add)) {
  title = "Plot Series";
  rect = {40, 40, 490, 340};
  defaultControl = kAdd;
  AddControl(kLabel, 90, "Horizontal Axis", {15, 10, 215, 26}, 1, 0, 0);
  AddControl(kLabel, 100, "Vertical Axis", {235, 10, 435, 26}, 1, 0, 0);
  horizontal_.AddControls(*this, 15, 30, 200, false);
  vertical_.AddControls(*this, 235, 30, 200, true);
  AddControl(kPushButton, kAdd, "Add", {265, 250, 345, 272}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {355, 250, 435, 272}, 1, 0, 0);
}

int TdvGraphingDialog::DoCreate() {
  TdvDialog::DoCreate();
  horizontal_.Fill(*this);
  vertical_.Fill(*this);
  PreselectAgainstTime();
  return 0;
}

// Nearly every graph of a motion is against time, and most movies follow
// one object: then Add at once plots its height against time.
void TdvGraphingDialog::PreselectAgainstTime() {
  horizontal_.Select(*this, kTimeItemRef, kCategoryPosition, kComponentX);
  const std::int32_t only = vertical_.OnlyMeasuredSeries();
  if (only != kNoItem) {
    vertical_.Select(*this, only, kCategoryPosition, kComponentY);
  }
}

int TdvGraphingDialog::DoControlCommand(int id) {
  if (id == kAdd) {
    Add();
    return 0;
  }
  if (id == kCancel) {
    CloseWindow();
    return 0;
  }
  return kTdvNotHandled;
}

int TdvGraphingDialog::DoListSelect(int id) {
  if (id == kHorizontalList) {
    horizontal_.FitPopupsToSelection(*this);
  } else if (id == kVerticalList) {
    vertical_.FitPopupsToSelection(*this);
  }
  return 0;
}

void TdvGraphingDialog::Add() {
  const std::optional<std::vector<TdvPlotQuantity>> across = horizontal_.Chosen(*this);
  if (!across) {
    return;
  }
  if (across->empty()) {
    RefuseChoice("Must Select One Horizontal Item in List");
    return;
  }
  const std::optional<std::vector<TdvPlotQuantity>> up = vertical_.Chosen(*this);
  if (!up) {
    return;
  }
  if (up->empty()) {
    RefuseChoice("Must Select One Vertical Item in List");
    return;
  }
  const TdvPlotChoice choice{across->front(), *up};
  CloseWindow();
  add_(choice);
}
