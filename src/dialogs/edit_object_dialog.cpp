#include "dialogs/edit_object_dialog.h"

#include <algorithm>
#include <array>

#include "dialogs/control_kinds.h"
#include "dialogs/series_dialogs.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "document/window_series_view.h"
#include "foundation/format_significant.h"
#include "model/series_units.h"
#include "shell/shell.h"

namespace {

using namespace control_kind;

constexpr int kLengthUnitNames = 10110;
constexpr int kAngleUnitNames = 10410;
constexpr int kFirstAngleUnit = 6;
constexpr int kDegrees = 8;
constexpr int kUnitCount = 5;
constexpr int kMassUnitNames = 10160;
constexpr int kMassUnitCount = 2;

constexpr std::array<TdvControlHelp, 8> kHelp{{
    {TdvEditObjectDialog::kOk, "Accepts these values and closes the dialog."},
    {TdvEditObjectDialog::kCancel, "Closes the dialog and does not change these values."},
    {TdvEditObjectDialog::kTrails, "This toggles trails on the movie"},
    {TdvEditObjectDialog::kVisible, "This toggles the visibility of the item on the movie"},
    {TdvEditObjectDialog::kLengthUnit, "Choose the length unit"},
    {TdvEditObjectDialog::kEditAsPoint, "Edits this calculated item as a point-type item."},
    {TdvEditObjectDialog::kAngleUnit, "Choose either degrees or radians"},
    {TdvEditObjectDialog::kAngleRange,
     "Choose between different ranges. Any thing that spins should report angles from -INF to "
     "INF."},
}};

std::vector<std::string> AngleRangeNames(bool degrees) {
  if (degrees) {
    return {"[-180,180]", "[0,360]", "[-Inf,0,Inf]"};
  }
  return {"[-Pi,Pi]", "[0,2*Pi]", "[-Inf,0,Inf]"};
}

// A stored code shown in a popup of `count` items; codes out of reach
// show the first item.
int PopupItem(int code, int count) {
  return code >= 1 && code <= count ? code : 1;
}

}  // namespace

TdvEditObjectDialog::TdvEditObjectDialog(TdvDataObjectWindow& document, std::int32_t id,
                                         bool newItem, const std::string& caption, int height,
                                         std::span<const TdvControlHelp> ownHelp)
    : TdvAcceptDialog(kOk, kCancel, kHelp),
      document_(document),
      id_(id),
      newItem_(newItem),
      ownHelp_(ownHelp) {
  title = caption;
  rect = {40, 60, 40 + kWidth, 60 + height};
  focusControl = kName;
  defaultControl = kOk;
  AddControl(kLabel, kNameLabel, "Name:", {10, 13, 55, 29}, 1, 0, 0);
  AddControl(kEditField, kName, "", {60, 10, 230, 32}, 1, 0, 0);
  AddControl(kLabel, kMarkerLabel, "Marker:", {250, 13, 300, 29}, 1, 0, 0);
  AddControl(kDrawnArea, kMarker, "", {305, 4, 345, 38}, 1, 0, 0);
  AddControl(kCheckBox, kVisible, "Marker Visible", {10, 46, 150, 64}, 1, 0, 0);
  AddControl(kCheckBox, kTrails, "Leave Trails", {160, 46, 290, 64}, 1, 0, 0);
  AddControl(kPopup, kLengthUnit, "Units:", {10, 74, 135, 98}, 1, kFromStringTable,
             kLengthUnitNames);
  AddControl(kPopup, kAngleUnit, "Angle Units:", {145, 74, 290, 98}, 1, kFromStringTable,
             kAngleUnitNames);
  AddControl(kPopup, kAngleRange, "Angle Range:", {300, 74, 470, 98}, 1, 0, 0);
  AddControl(kDrawnArea, kStrip, "", {10, 106, 470, 108}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {300, height - 34, 380, height - 10}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {390, height - 34, 470, height - 10}, 1, 0, 0);
}

bool TdvEditObjectDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

TdvDataObject* TdvEditObjectDialog::Item() const {
  return document_.GetItem(id_);
}

int TdvEditObjectDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  ApplyControlHelp(*this, ownHelp_);
  const TdvDataObject* item = Item();
  if (item == nullptr) {
    return 0;
  }
  SetControlText(kName, item->GetName().substr(0, kTdvMaxItemName));
  SetCheckBox(kVisible, item->IsVisible());
  SetCheckBox(kTrails, item->HasTrails());
  SetPopupSelection(kLengthUnit, PopupItem(item->GetLengthUnit(), kUnitCount));
  SetPopupSelection(kAngleUnit, PopupItem(item->GetAngleUnit() - kFirstAngleUnit, 2));
  ShowAngleRanges();
  SetPopupSelection(kAngleRange, PopupItem(item->GetAngleRange(), 3));
  ShowFields();
  return 0;
}

void TdvEditObjectDialog::ShowAngleRanges() {
  const int chosen = GetPopupSelection(kAngleRange);
  SetPopupItems(kAngleRange,
                AngleRangeNames(GetPopupSelection(kAngleUnit) + kFirstAngleUnit == kDegrees));
  SetPopupSelection(kAngleRange, PopupItem(chosen, 3));
}

int TdvEditObjectDialog::DoPopupSelect(int id, int) {
  if (id == kAngleUnit) {
    ShowAngleRanges();
  }
  return 0;
}

int TdvEditObjectDialog::FilterControlChar(int id, int character) {
  if (id == kName && NameFieldIsFull(*this, id, character)) {
    return 0;
  }
  return TdvAcceptDialog::FilterControlChar(id, character);
}

int TdvEditObjectDialog::DoControlCommand(int id) {
  if (id == kMarker) {
    document_.Dialogs().ChooseMarker(document_, id_);
    UpdateOwnerControl(kMarker);
    return 0;
  }
  if (id == kEditAsPoint) {
    EditAsPoint();
    return 0;
  }
  return TdvAcceptDialog::DoControlCommand(id);
}

void TdvEditObjectDialog::DrawControl(int id) {
  TdvDataObject* item = Item();
  if (id != kMarker || item == nullptr || dc == nullptr) {
    return;
  }
  const shell::Size size = dc->PixelSize();
  GfxEraseRect({0, 0, size.width, size.height});
  TdvWindowSeriesView view(*this);
  const TdvPoint centre{size.width / 2, size.height / 2};
  if (item->IsA(kCalculatedLineCode)) {
    // Distances and scales are drawn as lines between their ends.
    view.SetColour(MarkerColourRgb(item->GetMarkerColour()));
    view.Line({4, centre.y}, {size.width - 4, centre.y});
    return;
  }
  item->DrawMarker(view, centre, 0.0, document_.DisplayedFrame());
}

void TdvEditObjectDialog::ShowControlHelp(int id, int x, int y) {
  const char* own = ControlHelpText(ownHelp_, id);
  if (*own != '\0') {
    TdvShell::Get().SetHelpText(own);
    return;
  }
  TdvAcceptDialog::ShowControlHelp(id, x, y);
}

bool TdvEditObjectDialog::Apply() {
  TdvDataObject* item = Item();
  if (item == nullptr) {
    CloseWindow();
    return true;
  }
  const std::optional<std::string> name = TakeName(*this, kName);
  if (!name || !ReadFields()) {
    return false;
  }
  if (*name != item->GetName().substr(0, kTdvMaxItemName)) {
    item->SetName(*name);
  }
  item->SetVisible(GetCheckBox(kVisible) ? 1 : 0);
  item->SetTrails(GetCheckBox(kTrails) ? 1 : 0);
  WriteFields();
  if (GetPopupSelection(kLengthUnit) != PopupItem(item->GetLengthUnit(), kUnitCount)) {
    item->SetLengthUnit(static_cast<std::uint8_t>(GetPopupSelection(kLengthUnit)));
  }
  const int angleUnit = GetPopupSelection(kAngleUnit) + kFirstAngleUnit;
  if (angleUnit != PopupItem(item->GetAngleUnit() - kFirstAngleUnit, 2) + kFirstAngleUnit) {
    item->SetAngleUnit(static_cast<std::uint8_t>(angleUnit));
  }
  if (GetPopupSelection(kAngleRange) != PopupItem(item->GetAngleRange(), 3)) {
    item->SetAngleRange(static_cast<std::uint8_t>(GetPopupSelection(kAngleRange)));
  }
  accepted_ = true;
  CloseWindow();
  if (TdvDataObject* written = Item()) {
    document_.SeriesChanged(*written);
  }
  document_.modified = true;
  document_.RedrawWindows();
  return true;
}

void TdvEditObjectDialog::AddMassControls(int top) {
  AddControl(kLabel, kMassLabel, "Mass:", {10, top + 3, 50, top + 19}, 1, 0, 0);
  AddControl(kEditField, kMass, "", {55, top, 125, top + 22}, 1, 0, 0);
  AddControl(kPopup, kMassUnit, "", {130, top, 195, top + 24}, 1, kFromStringTable, kMassUnitNames);
}

void TdvEditObjectDialog::ShowMass() {
  const TdvDataObject* item = Item();
  const int unit = PopupItem(item->GetMassUnit(), kMassUnitCount);
  SetPopupSelection(kMassUnit, unit);
  massShown_ = FormatSignificant(item->GetMass() * MassFactor(unit), 4, false);
  SetControlText(kMass, massShown_);
}

bool TdvEditObjectDialog::ReadMass() {
  massTyped_.reset();
  const bool unitChanged =
      GetPopupSelection(kMassUnit) != PopupItem(Item()->GetMassUnit(), kMassUnitCount);
  if (!unitChanged && GetControlText(kMass) == massShown_) {
    return true;
  }
  massTyped_ = TakePositiveNumber(*this, kMass);
  return massTyped_.has_value();
}

// The typed number is a mass in the unit chosen beside it.
void TdvEditObjectDialog::WriteMass() {
  if (!massTyped_) {
    return;
  }
  TdvDataObject* item = Item();
  const int unit = GetPopupSelection(kMassUnit);
  if (unit != PopupItem(item->GetMassUnit(), kMassUnitCount)) {
    item->SetMassUnit(static_cast<std::uint8_t>(unit));
  }
  double kilograms = *massTyped_;
  ConvertMass(kilograms, unit, true);
  item->SetMass(kilograms);
}

void TdvEditObjectDialog::Accept() {
  Apply();
}

void TdvEditObjectDialog::EditOther(std::int32_t id) {
  OpenEditDialog(document_, id, false);
}

void TdvEditObjectDialog::EditAsPoint() {
  if (!Apply()) {
    return;
  }
  OpenEditDialogLater(document_, id_, false, true);
}

int TdvEditObjectDialog::DoDestroy() {
  TdvAcceptDialog::DoDestroy();
  if (newItem_ && !accepted_) {
    newItem_ = false;
    document_.DeleteItem(id_);
  }
  return 0;
}
