#include "dialogs/clear_all_dialog.h"

#include <array>

#include "dialogs/control_help.h"
#include "dialogs/control_kinds.h"
#include "document/data_object_window.h"

namespace {

using namespace control_kind;

using Dialog = TdvClearAllDialog;

constexpr std::array<int, 5> kBoxes{Dialog::kFrameByFrame, Dialog::kSemiFixed, Dialog::kFixed,
                                    Dialog::kOrigins, Dialog::kScaleEnds};

constexpr std::array<TdvControlHelp, 8> kHelp{{
    {Dialog::kOk, "Clears all the data with the modifications above."},
    {Dialog::kCancel, "Closes the dialog and does not clear the data."},
    {Dialog::kDefaults, "Selects the default choices for clearing data "},
    {Dialog::kFrameByFrame, "If checked, all Frame-by-Frame points will be cleared."},
    {Dialog::kSemiFixed, "If checked, all Semi-Fixed points will be cleared."},
    {Dialog::kFixed, "If checked, all Fixed points will be cleared."},
    {Dialog::kOrigins,
     "If checked, all points selected above will be cleared EXCEPT those that are origins."},
    {Dialog::kScaleEnds,
     "If checked, all points selected above will be cleared EXCEPT those that are included in a "
     "Scale Factor calculations."},
}};

}  // namespace

TdvClearAllDialog::TdvClearAllDialog(TdvDataObjectWindow& document)
    : TdvAcceptDialog(kOk, kCancel, kHelp), document_(document) {
  title = "Clear All Choices";
  rect = {60, 80, 320, 270};
  defaultControl = kOk;
  AddControl(kLabel, kTypesLabel, "Clear Points of Type:", {10, 10, 170, 26}, 1, 0, 0);
  AddControl(kCheckBox, kFrameByFrame, "Frame-by-Frame", {25, 30, 170, 48}, 1, 0, 0);
  AddControl(kCheckBox, kSemiFixed, "Semi-Fixed", {25, 50, 170, 68}, 1, 0, 0);
  AddControl(kCheckBox, kFixed, "Fixed", {25, 70, 170, 88}, 1, 0, 0);
  AddControl(kLabel, kKeptLabel, "Don't Clear:", {10, 96, 170, 112}, 1, 0, 0);
  AddControl(kCheckBox, kOrigins, "Origins", {25, 116, 170, 134}, 1, 0, 0);
  AddControl(kCheckBox, kScaleEnds, "Scale Ends", {25, 136, 170, 154}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {175, 10, 250, 32}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {175, 38, 250, 60}, 1, 0, 0);
  AddControl(kPushButton, kDefaults, "Defaults", {175, 66, 250, 88}, 1, 0, 0);
}

bool TdvClearAllDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvClearAllDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  CheckAll();
  return 0;
}

void TdvClearAllDialog::CheckAll() {
  for (int box : kBoxes) {
    SetCheckBox(box, true);
  }
}

int TdvClearAllDialog::DoControlCommand(int id) {
  if (id == kDefaults) {
    CheckAll();
    return 0;
  }
  return TdvAcceptDialog::DoControlCommand(id);
}

void TdvClearAllDialog::Accept() {
  const bool fixed = GetCheckBox(kFixed);
  const bool semiFixed = GetCheckBox(kSemiFixed);
  const bool frameByFrame = GetCheckBox(kFrameByFrame);
  const bool origins = !GetCheckBox(kOrigins);
  const bool scaleEnds = !GetCheckBox(kScaleEnds);
  CloseWindow();
  document_.ClearData(fixed, semiFixed, frameByFrame, origins, scaleEnds);
}
