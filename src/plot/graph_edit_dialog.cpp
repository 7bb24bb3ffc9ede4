#include "plot/graph_edit_dialog.h"

#include <utility>

#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kPopup = 4;

// The rows start here, and "Apply To :" takes this much of the height.
constexpr int kFirstRow = 15;
constexpr int kApplyToHeight = 25;

}  // namespace

TdvGraphEditDialog::TdvGraphEditDialog(TdvGraphObject& graph, std::vector<std::string> plotNames,
                                       std::int32_t plotIndex, bool created,
                                       std::function<void()> changed)
    : graph_(graph),
      changed_(std::move(changed)),
      plotNames_(std::move(plotNames)),
      plotIndex_(plotIndex),
      created_(created) {
  const bool choosesPlot = plotNames_.size() >= 2;
  top_ = choosesPlot ? kFirstRow + kApplyToHeight : kFirstRow;
  AddControl(kPopup, kApplyTo, "Apply To :", {15, kFirstRow, 325, kFirstRow + 22},
             choosesPlot ? 1 : 0, 0, 0);
  SetPopupItems(kApplyTo, plotNames_);
  defaultControl = kApply;
}

// The buttons end 15 pixels in from the dialog's right edge.
void TdvGraphEditDialog::AddButtons(int y) {
  const int right = rect.right - rect.left - 15;
  AddControl(kPushButton, kOk, "OK", {right - 230, y, right - 160, y + 22}, 1, 0, 0);
  AddControl(kPushButton, kApply, "Apply", {right - 150, y, right - 80, y + 22}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {right - 70, y, right, y + 22}, 1, 0, 0);
  rect.bottom = rect.top + y + 22 + kFirstRow;
}

int TdvGraphEditDialog::DoCreate() {
  TdvDialog::DoCreate();
  // A plot index past the last plot means the first plot.
  const bool known = plotIndex_ >= 0 && plotIndex_ < static_cast<std::int32_t>(plotNames_.size());
  SetPopupSelection(kApplyTo, known ? plotIndex_ + 1 : 1);
  for (const auto& [id, control] : controls) {
    const std::string help = HelpText(id);
    if (!help.empty() && control->window != shell::kNoWindow) {
      Backend().SetToolTip(control->window, help);
    }
  }
  return 0;
}

std::int32_t TdvGraphEditDialog::ChosenPlot(std::int32_t current) const {
  return plotNames_.size() >= 2 ? GetPopupSelection(kApplyTo) - 1 : current;
}

int TdvGraphEditDialog::DoControlCommand(int id) {
  switch (id) {
    case kApply:
      applied_ = Apply();
      return 0;
    case kOk:
      if (applied_ || Apply()) {
        Close();
      }
      return 0;
    case kCancel:
      // Closing without OK is what cancels.
      CloseWindow();
      return 0;
    default:
      return kTdvNotHandled;
  }
}

int TdvGraphEditDialog::DoPopupSelect(int, int) {
  applied_ = false;
  return 0;
}

int TdvGraphEditDialog::DoCheckBox(int id) {
  applied_ = false;
  return TdvDialog::DoCheckBox(id);
}

void TdvGraphEditDialog::DoEditNotify(int) {
  applied_ = false;
}

int TdvGraphEditDialog::DoClose() {
  if (!closing_) {
    closing_ = true;
    if (created_) {
      RemoveCreated();
      changed_();
    }
  }
  return kTdvNotHandled;
}

void TdvGraphEditDialog::Close() {
  closing_ = true;
  CloseWindow();
}

void TdvGraphEditDialog::ShowControlHelp(int id, int, int) {
  TdvShell::Get().SetHelpText(HelpText(id));
}
