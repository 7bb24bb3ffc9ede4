#include "plot/change_plot_dialog.h"

namespace {

constexpr int kPushButton = 1;

}  // namespace

TdvChangePlotDialog::TdvChangePlotDialog(
    TdvDataObjectWindow& document, TdvGraphAxis axis,
    std::function<void(const TdvPlotQuantity&, bool replace)> change)
    : chooser_(document, {kList, kCategory, kComponent}), change_(std::move(change)) {
  title = axis == TdvGraphAxis::kHorizontal ? "Change Domain" : "Change Range";
  rect = {60, 60, 340, 330};
  defaultControl = kReplace;
  chooser_.AddControls(*this, 15, 15, 250, false);
  AddControl(kPushButton, kReplace, "Replace", {15, 235, 90, 257}, 1, 0, 0);
  AddControl(kPushButton, kAdd, "Add", {102, 235, 177, 257}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {190, 235, 265, 257}, 1, 0, 0);
}

int TdvChangePlotDialog::DoCreate() {
  TdvDialog::DoCreate();
  chooser_.Fill(*this);
  return 0;
}

int TdvChangePlotDialog::DoListSelect(int id) {
  if (id == kList) {
    chooser_.FitPopupsToSelection(*this);
  }
  return 0;
}

int TdvChangePlotDialog::DoControlCommand(int id) {
  switch (id) {
    case kReplace:
    case kAdd:
      Change(id == kReplace);
      return 0;
    case kCancel:
      CloseWindow();
      return 0;
    default:
      return kTdvNotHandled;
  }
}

void TdvChangePlotDialog::Change(bool replace) {
  const std::optional<std::vector<TdvPlotQuantity>> chosen = chooser_.Chosen(*this);
  if (!chosen) {
    return;
  }
  if (chosen->empty()) {
    RefuseChoice("Must Select One Item in List");
    return;
  }
  const TdvPlotQuantity quantity = chosen->front();
  CloseWindow();
  change_(quantity, replace);
}
