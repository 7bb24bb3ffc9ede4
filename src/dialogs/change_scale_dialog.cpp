#include "dialogs/change_scale_dialog.h"

#include <array>
#include <memory>

#include "dialogs/control_help.h"
#include "dialogs/control_kinds.h"
#include "dialogs/series_dialogs.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "model/scale_series.h"
#include "model/series_units.h"
#include "shell/shell.h"

namespace {

using namespace control_kind;

constexpr int kUnitNames = 10110;
constexpr int kSampleTypeNames = 10010;
constexpr int kMetres = 1;
constexpr int kFeet = 5;

using Dialog = TdvChangeScaleDialog;

constexpr std::array<TdvControlHelp, 7> kHelp{{
    {Dialog::kUnits, "Choose the units for the length. "},
    {Dialog::kScale, "Choose which scale you want to change. "},
    {Dialog::kSampleType,
     "Select the type of scale that you want.  Fixed scales stay constant for the duration of "
     "the movie; Frame-by-Frame scales can change on each frame (in case the camera zooms) "},
    {Dialog::kLength,
     "Enter the known length of the object that you are using to scale the movie. "},
    {Dialog::kOk, "Accepts the changes and closes the dialog. "},
    {Dialog::kCancel, "Closes the dialog without making any changes. "},
    {Dialog::kApply, "Accepts the changes to this scale and lets you edit more scales. "},
}};

}  // namespace

TdvChangeScaleDialog::TdvChangeScaleDialog(TdvDataObjectWindow& document)
    : TdvAcceptDialog(kOk, kCancel, kHelp), document_(document) {
  title = "Change Scale";
  rect = {60, 80, 340, 250};
  focusControl = kLength;
  defaultControl = kOk;
  AddControl(kPopup, kScale, "Edit Scale:", {10, 10, 270, 32}, 1, 0, 0);
  AddControl(kLabel, kLengthLabel, "Length:", {10, 46, 70, 62}, 1, 0, 0);
  AddControl(kEditField, kLength, "", {75, 43, 160, 63}, 1, 0, 0);
  AddControl(kPopup, kUnits, "", {170, 42, 270, 64}, 1, kFromStringTable, kUnitNames);
  AddControl(kPopup, kSampleType, "Scale Type:", {10, 76, 270, 98}, 1, kFromStringTable,
             kSampleTypeNames);
  AddControl(kPushButton, kOk, "OK", {20, 116, 100, 138}, 1, 0, 0);
  AddControl(kPushButton, kApply, "Apply", {105, 116, 185, 138}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {190, 116, 270, 138}, 1, 0, 0);
  TdvLList<TdvObjectInfo> listed;
  document.ListScales(listed);
  std::vector<std::string> names;
  for (const TdvObject* entry : listed) {
    const auto* info = static_cast<const TdvObjectInfo*>(entry);
    if (info->id != kNoScale) {
      scales_.push_back(info->id);
      names.push_back(info->name);
    }
  }
  SetPopupItems(kScale, names);
}

void TdvChangeScaleDialog::Open(TdvDataObjectWindow& document) {
  auto dialog = std::make_unique<TdvChangeScaleDialog>(document);
  if (dialog->scales_.empty()) {
    TdvShell::Get().Message(shell::MessageKind::kInformation, "No Scales Exist to be Changed!",
                            "No Scales");
    return;
  }
  TdvShell::Get().Keep(std::move(dialog))->OpenWindow();
}

bool TdvChangeScaleDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvChangeScaleDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  ShowScale(1);
  return 0;
}

TdvCalibrateObject* TdvChangeScaleDialog::ScaleAt(int item) const {
  const auto index = static_cast<std::size_t>(item - 1);
  TdvDataObject* found = index < scales_.size() ? document_.GetItem(scales_[index]) : nullptr;
  return found != nullptr && found->IsA(kCalibrateObjectCode)
             ? static_cast<TdvCalibrateObject*>(found)
             : nullptr;
}

// The length is shown in the scale's own unit.
void TdvChangeScaleDialog::ShowScale(int item) {
  const TdvCalibrateObject* scale = ScaleAt(item);
  if (scale == nullptr) {
    return;
  }
  const int unit = scale->GetLengthUnit();
  shownUnit_ = unit >= kMetres && unit <= kFeet ? unit : kMetres;
  double length = scale->GetKnownLength();
  ConvertLength(length, shownUnit_, false);
  shownLength_ = FormatSignificant(length, 4, false);
  SetPopupSelection(kScale, item);
  SetControlText(kLength, shownLength_);
  SetPopupSelection(kUnits, shownUnit_);
  SetPopupSelection(kSampleType, scale->GetSampleType());
}

int TdvChangeScaleDialog::DoPopupSelect(int id, int selection) {
  if (id != kScale) {
    return kTdvNotHandled;
  }
  ShowScale(selection);
  return 0;
}

int TdvChangeScaleDialog::DoControlCommand(int id) {
  if (id == kApply) {
    ChangeScale();
    return 0;
  }
  return TdvAcceptDialog::DoControlCommand(id);
}

bool TdvChangeScaleDialog::ChangeScale() {
  const std::optional<double> typed = TakePositiveNumber(*this, kLength);
  if (!typed) {
    return false;
  }
  TdvCalibrateObject* scale = ScaleAt(GetPopupSelection(kScale));
  if (scale == nullptr) {
    return true;
  }
  const int unit = GetPopupSelection(kUnits);
  // The text shows four digits: unchanged, it stands for the exact length.
  if (GetControlText(kLength) != shownLength_ || unit != shownUnit_) {
    double metres = *typed;
    ConvertLength(metres, unit, true);
    scale->SetLengthUnit(static_cast<std::uint8_t>(unit));
    scale->SetKnownLength(metres);
  }
  for (std::int32_t end : InputsOf(*scale).ids) {
    if (TdvDataObject* point = document_.GetItem(end)) {
      point->SetSampleType(GetPopupSelection(kSampleType));
    }
  }
  document_.modified = true;
  document_.RecalculateAll();
  document_.RedrawWindows();
  ShowScale(GetPopupSelection(kScale));
  return true;
}

void TdvChangeScaleDialog::Accept() {
  if (ChangeScale()) {
    CloseWindow();
  }
}
