#include "dialogs/scale_movie_dialog.h"

#include <algorithm>
#include <array>

#include "dialogs/control_help.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kPopup = 4;
constexpr int kEditField = 6;
constexpr int kLabel = 9;
constexpr int kFromStringTable = 1;

constexpr std::array<TdvControlHelp, 6> kHelp{{
    {TdvNewEZCalibDialog::kUnits, "Choose the units of the known object's length"},
    {TdvNewEZCalibDialog::kLength,
     "Enter the known length of a object on the screen.  By clicking on the ends of this "
     "object, you will tell the computer how many pixels on the screen represent a meter on the "
     "movie"},
    {TdvNewEZCalibDialog::kSampleType,
     "Fixed scales are constant throughout the movie,a Frame-By-Frame scale requires you to "
     "click on the ends of the scale object on every frame (in case the camera zooms), "
     "Semi-Fixed scales are constant unless changed at a later time"},
    {TdvNewEZCalibDialog::kOrigin,
     "Choose the reference frame specified by one of these origins that you want to scale."},
    {TdvNewEZCalibDialog::kContinue,
     "Continues with the scaling process.  The program will prompt you to click on each end of "
     "the object used for scaling."},
    {TdvNewEZCalibDialog::kCancel, "Cancels the scaling process and returns you to the movie"},
}};

}  // namespace

TdvNewEZCalibDialog::TdvNewEZCalibDialog(TdvDataObjectWindow& document)
    : TdvAcceptDialog(kContinue, kCancel, kHelp),
      document_(document),
      origins_(OriginChoices(document)) {
  title = "Scale Movie";
  rect = {60, 80, 360, 270};
  focusControl = kLength;
  defaultControl = kContinue;
  AddControl(kLabel, kLengthLabel, "Known Length:", {15, 18, 115, 34}, 1, 0, 0);
  AddControl(kEditField, kLength, "1.00", {120, 15, 190, 35}, 1, 0, 0);
  AddControl(kPopup, kUnits, "", {200, 13, 285, 37}, 1, kFromStringTable, kUnitNames);
  AddControl(kPopup, kOrigin, "Scale Origin:", {15, 50, 285, 72}, 1, 0, 0);
  AddControl(kPopup, kSampleType, "Scale Type:", {15, 85, 285, 107}, 1, kFromStringTable,
             kSampleTypeNames);
  AddControl(kPushButton, kContinue, "Continue", {115, 125, 195, 147}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {205, 125, 285, 147}, 1, 0, 0);
  std::vector<std::string> names;
  for (const OriginChoice& origin : origins_) {
    names.push_back(origin.text);
  }
  SetPopupItems(kOrigin, names);
}

bool TdvNewEZCalibDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

std::vector<TdvNewEZCalibDialog::OriginChoice> TdvNewEZCalibDialog::OriginChoices(
    TdvDataObjectWindow& document) {
  std::vector<std::int32_t> ids = document.ItemOrder();
  std::sort(ids.begin(), ids.end());
  std::vector<OriginChoice> choices;
  for (std::int32_t id : ids) {
    TdvDataObject* item = document.GetItem(id);
    if (item == nullptr || !item->IsPointType() || !item->IsOrigin()) {
      continue;
    }
    if (id == document.DefaultOrigin()) {
      choices.push_back({"<" + item->GetName() + ">", kDefaultOrigin});
    } else {
      choices.push_back({item->GetName(), id});
    }
  }
  choices.push_back({"<None>", kNoOrigin});
  return choices;
}

int TdvNewEZCalibDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  const auto isDefault = [](const OriginChoice& c) { return c.originRef == kDefaultOrigin; };
  const auto found = std::find_if(origins_.begin(), origins_.end(), isDefault);
  if (found != origins_.end()) {
    SetPopupSelection(kOrigin, static_cast<int>(found - origins_.begin()) + 1);
  }
  SetPopupSelection(kSampleType, kFixed);
  return 0;
}

void TdvNewEZCalibDialog::Accept() {
  const std::optional<double> length = TakePositiveNumber(*this, kLength);
  if (!length) {
    return;
  }
  const std::size_t origin = static_cast<std::size_t>(GetPopupSelection(kOrigin) - 1);
  const std::int32_t originRef = origin < origins_.size() ? origins_[origin].originRef : kNoOrigin;
  const int unit = GetPopupSelection(kUnits);
  const int sampleType = GetPopupSelection(kSampleType);
  CloseWindow();
  document_.SetQuickScale(*length, unit, originRef, sampleType);
  if (TdvMovieLink* movie = document_.Movie()) {
    movie->ShowMovieMessage(kScaleClicksMessage);
  }
}
