#include "dialogs/coordinate_frame_dialog.h"

#include <array>

#include "dialogs/control_help.h"
#include "dialogs/control_kinds.h"
#include "document/data_object_window.h"

namespace {

using namespace control_kind;

constexpr int kCoordinateNames = 10060;

using Dialog = TdvEditCoordinateFrameDialog;

constexpr std::array<TdvControlHelp, 3> kHelp{{
    {Dialog::kOk, "Accepts these values and closes the dialog"},
    {Dialog::kCancel, "Closes the dialog and does not save changes"},
    {Dialog::kCoordinates, "Choose the type of coordinates that you want to use"},
}};

}  // namespace

TdvEditCoordinateFrameDialog::TdvEditCoordinateFrameDialog(TdvDataObjectWindow& document,
                                                           std::int32_t origin)
    : TdvAcceptDialog(kOk, kCancel, kHelp), document_(document), origin_(origin) {
  title = "Coordinates";
  rect = {60, 80, 300, 175};
  defaultControl = kOk;
  AddControl(kPopup, kCoordinates, "Coordinates:", {10, 10, 220, 32}, 1, kFromStringTable,
             kCoordinateNames);
  AddControl(kPushButton, kOk, "OK", {55, 48, 130, 70}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {140, 48, 215, 70}, 1, 0, 0);
}

bool TdvEditCoordinateFrameDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

// The origin item holds the kind its box shows.
int TdvEditCoordinateFrameDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  const TdvDataObject* origin = document_.GetItem(origin_);
  const TdvCoordinateFrame* frame = document_.FindFrame(origin_);
  int kind = frame != nullptr ? frame->coordinateKind : 0;
  if (origin != nullptr) {
    kind = origin->GetFrameCoordinates();
  }
  SetPopupSelection(kCoordinates, kind == kPolar ? kPolar : kCartesian);
  return 0;
}

void TdvEditCoordinateFrameDialog::Accept() {
  const int kind = GetPopupSelection(kCoordinates);
  CloseWindow();
  TdvCoordinateFrame* frame = document_.FindFrame(origin_);
  if (frame == nullptr) {
    return;
  }
  document_.modified = true;
  frame->SetCoordinateKind(static_cast<std::uint8_t>(kind == kPolar ? kPolar : kCartesian));
  document_.RecalculateAll();
  document_.RedrawWindows();
}
