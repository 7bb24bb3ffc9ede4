#include "dialogs/calculated_object_dialog.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "dialogs/control_kinds.h"
#include "dialogs/series_dialogs.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "model/calculated_series.h"
#include "model/scale_series.h"
#include "model/series_units.h"
#include "shell/shell.h"

namespace {

using namespace control_kind;

constexpr int kMultipleSelection = 1;
constexpr int kHeight = 330;

constexpr const char* kNoSuchItem = "object number does not exist";
constexpr const char* kNoSuchItemCaption = "TdvCalculatedObjectDialog::SetIncludedLists";

constexpr std::array<TdvControlHelp, 5> kHelp{{
    {TdvCalculatedObjectDialog::kAdd,
     "Adds the selected point(s) in the left list box to the included items in the right list"},
    {TdvCalculatedObjectDialog::kRemove, "Removes the selected point(s) from the included list."},
    {TdvCalculatedObjectDialog::kNewPoint, "Adds a new point."},
    {TdvCalculatedObjectDialog::kPointInfo, "Edits the last selected point"},
    {TdvCalculatedObjectDialog::kAvailable,
     "This is a list of points and point-type items that can be used in this item."},
}};

}  // namespace

TdvCalculatedObjectDialog::TdvCalculatedObjectDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                     bool newItem)
    : TdvCalculatedObjectDialog(document, id, newItem, "Center of Mass Series",
                                "Included Points:", true) {}

TdvCalculatedObjectDialog::TdvCalculatedObjectDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                     bool newItem, const std::string& caption,
                                                     const std::string& includedText,
                                                     bool withPointButton)
    : TdvEditObjectDialog(document, id, newItem, caption, kHeight, kHelp),
      includedText_(includedText) {
  AddInputPicker(*this, true);
  AddControl(kPushButton, kNewPoint, "New Point >>", {180, 196, 290, 218}, 1, 0, 0);
  AddControl(kPushButton, kPointInfo, "Point Info", {180, 224, 290, 246}, 1, 0, 0);
  AddControl(kLabel, kIncludedLabel, includedText, {300, 118, 470, 134}, 1, 0, 0);
  AddControl(kListBox, kIncluded, "", {300, 136, 470, 256}, 1, kMultipleSelection, 0);
  if (withPointButton) {
    AddControl(kPushButton, kEditAsPoint, "Edit Point Properties...", {10, 264, 170, 286}, 1, 0, 0);
  }
}

bool TdvCalculatedObjectDialog::IsA(int code) const {
  return code == kClassCode || TdvEditObjectDialog::IsA(code);
}

void TdvCalculatedObjectDialog::ShowFields() {
  const TdvInputs inputs = InputsOf(*Item());
  required_ = inputs.required;
  max_ = inputs.max;
  for (std::int32_t id : inputs.ids) {
    if (Document().GetItem(id) == nullptr) {
      TdvShell::Get().Message(shell::MessageKind::kInformation, kNoSuchItem, kNoSuchItemCaption);
    } else {
      included_.push_back(id);
    }
  }
  char label[300];
  if (required_ == max_) {
    std::snprintf(label, sizeof label, "%s (%d)", includedText_.c_str(), max_);
  } else {
    std::snprintf(label, sizeof label, "%s (N)", includedText_.c_str());
  }
  SetControlText(kIncludedLabel, label);
  char help[120];
  std::snprintf(help, sizeof help,
                "This list can have a maximum of %d items.  These points are used to calculate "
                "this item.",
                max_);
  TdvShell::Get().Backend().SetToolTip(GetControlWindow(kIncluded), help);
  ShowLists();
}

// The available entries keep the document's order, so that an entry taken
// out and put back returns to its former place. Items deleted meanwhile
// through a nested dialog are no inputs.
void TdvCalculatedObjectDialog::ShowLists() {
  std::erase_if(included_, [this](std::int32_t id) { return Document().GetItem(id) == nullptr; });
  available_ = AvailablePoints(Document(), ItemId(), included_);
  ShowNames(*this, kAvailable, Document(), available_);
  ShowNames(*this, kIncluded, Document(), included_);
}

void TdvCalculatedObjectDialog::AddSelected() {
  for (int index : ListGetSelection(kAvailable)) {
    if (static_cast<int>(included_.size()) >= max_) {
      break;
    }
    included_.push_back(available_.at(static_cast<std::size_t>(index)));
  }
  ShowLists();
}

void TdvCalculatedObjectDialog::RemoveSelected() {
  std::vector<std::int32_t> kept;
  const std::vector<int> chosen = ListGetSelection(kIncluded);
  for (std::size_t i = 0; i < included_.size(); ++i) {
    if (std::find(chosen.begin(), chosen.end(), static_cast<int>(i)) == chosen.end()) {
      kept.push_back(included_[i]);
    }
  }
  included_ = kept;
  ShowLists();
}

void TdvCalculatedObjectDialog::NewPoint() {
  if (static_cast<int>(included_.size()) >= max_) {
    TdvShell::Get().Backend().Beep();
    return;
  }
  const std::int32_t id = Document().ObjectNewObject(kItemAutoNamedPoint, "");
  included_.push_back(id);
  ShowLists();
  ListSetSelected(kIncluded, static_cast<int>(included_.size()) - 1, true);
  EditOther(id);
  ShowLists();
}

void TdvCalculatedObjectDialog::PointInfo() {
  const std::vector<int> available = ListGetSelection(kAvailable);
  const std::vector<int> included = ListGetSelection(kIncluded);
  if (!available.empty()) {
    EditOther(available_.at(static_cast<std::size_t>(available.back())));
  } else if (!included.empty()) {
    EditOther(included_.at(static_cast<std::size_t>(included.back())));
  } else {
    return;
  }
  ShowLists();
}

int TdvCalculatedObjectDialog::DoControlCommand(int id) {
  switch (id) {
    case kAdd:
      AddSelected();
      return 0;
    case kRemove:
      RemoveSelected();
      return 0;
    case kNewPoint:
      NewPoint();
      return 0;
    case kPointInfo:
      PointInfo();
      return 0;
    default:
      return TdvEditObjectDialog::DoControlCommand(id);
  }
}

void TdvCalculatedObjectDialog::WriteFields() {
  std::erase_if(included_, [this](std::int32_t id) { return Document().GetItem(id) == nullptr; });
  if (included_ != InputsOf(*Item()).ids) {
    SetInputs(*Item(), included_);
  }
}

// ---------------------------------------------------------------- Distance Series

TdvCalculatedLineDialog::TdvCalculatedLineDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                 bool newItem)
    : TdvCalculatedLineDialog(document, id, newItem, "Distance Series", "Ends of distance:") {}

TdvCalculatedLineDialog::TdvCalculatedLineDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                 bool newItem, const std::string& caption,
                                                 const std::string& includedText)
    : TdvCalculatedObjectDialog(document, id, newItem, caption, includedText, false) {}

bool TdvCalculatedLineDialog::IsA(int code) const {
  return code == kClassCode || TdvCalculatedObjectDialog::IsA(code);
}

// ---------------------------------------------------------------- Scale Series

TdvCalibrateObjectDialog::TdvCalibrateObjectDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                   bool newItem)
    : TdvCalculatedLineDialog(document, id, newItem, "Scale Series", "Ends of scale item:") {
  AddControl(kLabel, kLengthLabel, "Length:", {10, 267, 60, 283}, 1, 0, 0);
  AddControl(kEditField, kLength, "", {65, 264, 170, 286}, 1, 0, 0);
}

bool TdvCalibrateObjectDialog::IsA(int code) const {
  return code == kClassCode || TdvCalculatedLineDialog::IsA(code);
}

void TdvCalibrateObjectDialog::ShowFields() {
  TdvCalculatedLineDialog::ShowFields();
  const auto& scale = static_cast<const TdvCalibrateObject&>(*Item());
  lengthShown_ =
      FormatSignificant(scale.GetKnownLength() * LengthFactor(scale.GetLengthUnit()), 4, false);
  SetControlText(kLength, lengthShown_);
}

bool TdvCalibrateObjectDialog::ReadFields() {
  lengthTyped_ = TakePositiveNumber(*this, kLength);
  return lengthTyped_.has_value();
}

// The length is typed in the unit chosen in the dialog.
void TdvCalibrateObjectDialog::WriteFields() {
  TdvCalculatedLineDialog::WriteFields();
  auto& scale = static_cast<TdvCalibrateObject&>(*Item());
  const int unit = GetPopupSelection(kLengthUnit);
  if (GetControlText(kLength) != lengthShown_ || unit != scale.GetLengthUnit()) {
    double metres = *lengthTyped_;
    ConvertLength(metres, unit, true);
    scale.SetKnownLength(metres);
  }
}
