#include "dialogs/point_dialog.h"

#include <array>

#include "dialogs/control_kinds.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "foundation/angles.h"
#include "foundation/format_significant.h"

namespace {

using namespace control_kind;

constexpr int kSampleTypeNames = 10010;
constexpr int kCoordinateNames = 10060;
constexpr int kHeight = 250;

constexpr std::array<TdvControlHelp, 8> kHelp{{
    {TdvPointDialog::kOrigin, "Select the origin to which this point will be relative"},
    {TdvPointDialog::kSampleType,
     "Fixed points have one value all times, Frame-by-Frame points (normal) need to be taken on "
     "every frame, Semi-Fixed points are constant unless moved"},
    {TdvPointDialog::kCoordinates,
     "Choose between polar or cartesian.  This determines how the data is reported (x,y) or "
     "(r,THETA)"},
    {TdvEditObjectDialog::kMass, "Enter the mass of the item"},
    {TdvEditObjectDialog::kMassUnit, "Choose the units of the mass"},
    {TdvPointDialog::kIsOrigin,
     "If this is checked, this point becomes an origin and starts a new reference frame"},
    {TdvPointDialog::kRotation,
     "This is the angle of rotation of the coordinate frame whose origin is this point."},
    {TdvPointDialog::kScale,
     "If the point is an origin, it needs to be scaled by a scale item.  Choose one from the "
     "list (if any are available)"},
}};

}  // namespace

TdvPointDialog::TdvPointDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem)
    : TdvEditObjectDialog(document, id, newItem, "Edit Point Series", kHeight, kHelp),
      origins_(OriginChoices(document, id)),
      scales_(ScaleChoices(document)) {
  AddMassControls(kBandBottom + 4);
  AddControl(kPopup, kSampleType, "Data Type:", {215, kBandBottom + 4, 470, kBandBottom + 28}, 1,
             kFromStringTable, kSampleTypeNames);
  AddControl(kPopup, kOrigin, "Origin:", {10, 150, 235, 174}, 1, 0, 0);
  AddControl(kPopup, kCoordinates, "Coordinates:", {245, 150, 470, 174}, 1, kFromStringTable,
             kCoordinateNames);
  AddControl(kCheckBox, kIsOrigin, "Is An Origin", {10, 184, 130, 202}, 1, 0, 0);
  AddControl(kLabel, kRotationLabel, "Rotate (deg):", {140, 185, 227, 201}, 1, 0, 0);
  AddControl(kEditField, kRotation, "", {230, 182, 300, 204}, 1, 0, 0);
  AddControl(kPopup, kScale, "Scale:", {310, 182, 470, 206}, 1, 0, 0);
}

bool TdvPointDialog::IsA(int code) const {
  return code == kClassCode || TdvEditObjectDialog::IsA(code);
}

void TdvPointDialog::ShowFields() {
  TdvDataObject& item = *Item();
  ShowMass();
  const std::int32_t originRef =
      item.GetOriginId() == Document().DefaultOrigin() ? kDefaultOriginRef : item.GetOriginId();
  originShown_ = ChoiceItem(origins_, originRef);
  SetPopupItems(kOrigin, ChoiceTexts(origins_));
  SetPopupSelection(kOrigin, originShown_);
  scaleShown_ = ChoiceItem(scales_, item.GetScaleId());
  SetPopupItems(kScale, ChoiceTexts(scales_));
  SetPopupSelection(kScale, scaleShown_);
  SetPopupSelection(kSampleType, item.GetSampleType());
  SetPopupSelection(kCoordinates, item.GetCoordinates());
  SetCheckBox(kIsOrigin, item.IsOrigin());
  EnableControl(kIsOrigin, ItemId() != Document().DefaultOrigin());
  rotationShown_ =
      FormatSignificant(RadToDeg(item.GetValue(Document().DisplayedFrame())), 4, false);
  SetControlText(kRotation, rotationShown_);
  EnableOriginControls();
}

void TdvPointDialog::EnableOriginControls() {
  const bool origin = GetCheckBox(kIsOrigin);
  EnableControl(kRotation, origin);
  EnableControl(kScale, origin);
}

int TdvPointDialog::DoCheckBox(int id) {
  TdvEditObjectDialog::DoCheckBox(id);
  if (id == kIsOrigin) {
    EnableOriginControls();
  }
  return 0;
}

bool TdvPointDialog::ReadFields() {
  rotationTyped_.reset();
  if (GetCheckBox(kIsOrigin) && GetControlText(kRotation) != rotationShown_) {
    rotationTyped_ = TakeNumber(*this, kRotation);
    if (!rotationTyped_) {
      return false;
    }
  }
  return ReadMass();
}

void TdvPointDialog::WriteFields() {
  TdvDataObject& item = *Item();
  const bool origin = GetCheckBox(kIsOrigin) || ItemId() == Document().DefaultOrigin();
  if (origin != item.IsOrigin()) {
    item.SetOrigin(origin ? 1 : 0);
  }
  if (rotationTyped_) {
    item.SetValue(DegToRad(*rotationTyped_), Document().DisplayedFrame());
  }
  if (GetPopupSelection(kOrigin) != originShown_) {
    item.SetOriginId(origins_.at(GetPopupSelection(kOrigin) - 1).ref);
  }
  if (origin && GetPopupSelection(kScale) != scaleShown_) {
    item.SetScaleId(scales_.at(GetPopupSelection(kScale) - 1).ref);
  }
  if (GetPopupSelection(kSampleType) != item.GetSampleType()) {
    item.SetSampleType(GetPopupSelection(kSampleType));
  }
  if (GetPopupSelection(kCoordinates) != item.GetCoordinates()) {
    item.SetCoordinates(static_cast<std::uint8_t>(GetPopupSelection(kCoordinates)));
  }
  WriteMass();
}
