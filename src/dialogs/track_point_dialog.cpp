#include "dialogs/track_point_dialog.h"

#include <array>
#include <cmath>
#include <string>

#include "dialogs/control_kinds.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "shell/shell.h"

namespace {

using namespace control_kind;

constexpr std::array<TdvControlHelp, 7> kHelp{{
    {TdvTrackPointDialog::kOk, "Tracks the selected point from the frame shown"},
    {TdvTrackPointDialog::kCancel, "Closes the dialog without tracking"},
    {TdvTrackPointDialog::kTemplateSize,
     "Side in pixels of the square around the point that is looked for on the next frames"},
    {TdvTrackPointDialog::kSearchSize,
     "Side in pixels of the square searched around where the point is expected"},
    {TdvTrackPointDialog::kThreshold,
     "Lowest match score (0 to 1) that counts as found; below it tracking stops and asks"},
    {TdvTrackPointDialog::kDirection, "Tracks towards the end or towards the start of the movie"},
    {TdvTrackPointDialog::kLastFrame, "Number of the last frame to track"},
}};

// A whole number from low to high typed in field `id`; none after saying so.
std::optional<int> TakeWholeNumber(TdvWindow& window, int id, int low, int high) {
  std::optional<double> value = ReadPositiveNumber(window.GetControlText(id));
  if (value && *value == std::floor(*value) && *value >= low && *value <= high) {
    return static_cast<int>(*value);
  }
  RefuseField(window, id,
              "Please enter a whole number from " + std::to_string(low) + " to " +
                  std::to_string(high) + ".");
  return std::nullopt;
}

}  // namespace

TdvTrackPointDialog::TdvTrackPointDialog(TdvDataObjectWindow& document)
    : TdvAcceptDialog(kOk, kCancel, kHelp), document_(document) {
  title = "Track Selected Point";
  rect = {60, 80, 340, 300};
  defaultControl = kOk;
  AddControl(kLabel, 121, "Template size (pixels) :", {15, 15, 170, 35}, 1, 0, 0);
  AddControl(kEditField, kTemplateSize, "", {180, 13, 265, 33}, 1, 0, 0);
  AddControl(kLabel, 122, "Search size (pixels) :", {15, 45, 170, 65}, 1, 0, 0);
  AddControl(kEditField, kSearchSize, "", {180, 43, 265, 63}, 1, 0, 0);
  AddControl(kLabel, 123, "Lowest score (0 to 1) :", {15, 75, 170, 95}, 1, 0, 0);
  AddControl(kEditField, kThreshold, "", {180, 73, 265, 93}, 1, 0, 0);
  AddControl(kPopup, kDirection, "Direction :", {15, 103, 265, 125}, 1, 0, 0);
  AddControl(kLabel, 124, "Last frame :", {15, 135, 170, 155}, 1, 0, 0);
  AddControl(kEditField, kLastFrame, "", {180, 133, 265, 153}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {95, 171, 175, 193}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {185, 171, 265, 193}, 1, 0, 0);
  SetPopupItems(kDirection, {"Forward", "Backward"});
}

bool TdvTrackPointDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

// The template fits the object under the selected point. Where none stands
// out it fits the point's marker, but is never less than the tracker's
// usual size: a template inside a plain object has nothing to match.
int TdvTrackPointDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  const kinovex::TrackerSettings usual;
  int templateSize = usual.templateSize;
  if (TdvDataObject* item = document_.GetItem(document_.CurrentItem())) {
    templateSize =
        std::max(templateSize, kinovex::TemplateSizeForMarker(2 * item->GetMarkerSize() + 1));
  }
  templateSize = document_.FittedTemplateSize(templateSize);
  SetControlText(kTemplateSize, std::to_string(templateSize));
  SetControlText(kSearchSize, std::to_string(std::max(usual.searchSize, 3 * templateSize)));
  SetControlText(kThreshold, FormatSignificant(usual.threshold, 3, false));
  SetPopupSelection(kDirection, kForward);
  ShowLastFrame();
  return 0;
}

int TdvTrackPointDialog::DoPopupSelect(int id, int) {
  if (id != kDirection) {
    return kTdvNotHandled;
  }
  ShowLastFrame();
  return 0;
}

void TdvTrackPointDialog::ShowLastFrame() {
  const bool forward = GetPopupSelection(kDirection) != kBackward;
  const std::size_t frames = document_.FrameKeys().size();
  SetControlText(kLastFrame, std::to_string(forward ? frames : 1));
}

std::optional<TdvTrackingChoices> TdvTrackPointDialog::TypedChoices() {
  const std::vector<std::int32_t>& frames = document_.FrameKeys();
  TdvTrackingChoices choices;
  std::optional<int> templateSize =
      TakeWholeNumber(*this, kTemplateSize, kinovex::kMinTemplateSize, kinovex::kMaxTemplateSize);
  if (!templateSize) {
    return std::nullopt;
  }
  std::optional<int> searchSize =
      TakeWholeNumber(*this, kSearchSize, *templateSize + 4, kinovex::kMaxSearchSize);
  if (!searchSize) {
    return std::nullopt;
  }
  std::optional<double> threshold = ReadPositiveNumber(GetControlText(kThreshold));
  if (!threshold || *threshold > 1.0) {
    RefuseField(*this, kThreshold, "Please enter a score greater than 0 and at most 1.");
    return std::nullopt;
  }
  std::optional<int> lastFrame =
      TakeWholeNumber(*this, kLastFrame, 1, std::max<int>(1, static_cast<int>(frames.size())));
  if (!lastFrame || frames.empty()) {
    return std::nullopt;
  }
  choices.settings.templateSize = *templateSize;
  choices.settings.searchSize = *searchSize;
  choices.settings.threshold = *threshold;
  choices.forward = GetPopupSelection(kDirection) != kBackward;
  choices.lastTime = frames[static_cast<std::size_t>(*lastFrame - 1)];
  return choices;
}

// The dialog goes before the run starts, so that the movie is in view.
void TdvTrackPointDialog::Accept() {
  std::optional<TdvTrackingChoices> choices = TypedChoices();
  if (!choices) {
    return;
  }
  TdvDataObjectWindow& document = document_;
  CloseWindow();
  if (document.StartTracking(*choices)) {
    document.Dialogs().TrackingProgress(document);
  }
}
