#include "dialogs/new_object_dialog.h"

#include <array>

#include "dialogs/control_kinds.h"
#include "dialogs/series_dialogs.h"
#include "document/data_object_window.h"
#include "shell/shell.h"

namespace {

using namespace control_kind;

constexpr int kKindNames = 10210;

// The kinds of the popup's entries: point, distance, scale, centre of mass.
constexpr std::array<int, 4> kKinds{kItemPoint, kItemDistance, kItemScale, kItemCentreOfMass};

constexpr std::array<TdvControlHelp, 4> kNewHelp{{
    {TdvNewObjectDialog::kName, "Enter the name of the item here."},
    {TdvNewObjectDialog::kOk, "Creates a new item of this type."},
    {TdvNewObjectDialog::kCancel, "Close the dialog without creating the item."},
    {TdvNewObjectDialog::kKind,
     "Choose the type of object here.  This is the same as the Create menu."},
}};

constexpr std::array<TdvControlHelp, 3> kCloneHelp{{
    {TdvClonePointDialog::kOk, "Clones the point selected in the list"},
    {TdvClonePointDialog::kCancel, "Closes the dialog and does not clone anything"},
    {TdvClonePointDialog::kPoints,
     "Click once on the point that you want to clone.  Click on OK to clone it"},
}};

}  // namespace

TdvNewObjectDialog::TdvNewObjectDialog(TdvDataObjectWindow& document)
    : TdvAcceptDialog(kOk, kCancel, kNewHelp), document_(document) {
  title = "New Series";
  rect = {60, 80, 340, 200};
  focusControl = kName;
  defaultControl = kOk;
  AddControl(kPopup, kKind, "Series Type:", {10, 10, 270, 34}, 1, kFromStringTable, kKindNames);
  AddControl(kLabel, kNameLabel, "Series Name:", {10, 47, 98, 63}, 1, 0, 0);
  AddControl(kEditField, kName, "Series " + std::to_string(document.creationCounter),
             {100, 44, 270, 66}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {10, 82, 90, 106}, 1, 0, 0);
  AddControl(kPushButton, kEdit, "Edit", {100, 82, 180, 106}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {190, 82, 270, 106}, 1, 0, 0);
}

bool TdvNewObjectDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvNewObjectDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  SetPopupSelection(kKind, 1);
  return 0;
}

int TdvNewObjectDialog::FilterControlChar(int id, int character) {
  if (id == kName && NameFieldIsFull(*this, id, character)) {
    return 0;
  }
  return TdvAcceptDialog::FilterControlChar(id, character);
}

std::int32_t TdvNewObjectDialog::Create() {
  const std::optional<std::string> name = TakeName(*this, kName);
  if (!name) {
    return kNoItem;
  }
  const std::size_t entry = static_cast<std::size_t>(GetPopupSelection(kKind) - 1);
  CloseWindow();
  return document_.ObjectNewObject(kKinds.at(entry < kKinds.size() ? entry : 0), *name);
}

void TdvNewObjectDialog::Accept() {
  Create();
}

int TdvNewObjectDialog::DoControlCommand(int id) {
  if (id != kEdit) {
    return TdvAcceptDialog::DoControlCommand(id);
  }
  if (const std::int32_t made = Create(); made != kNoItem) {
    OpenEditDialogLater(document_, made, false);
  }
  return 0;
}

// ---------------------------------------------------------------- Clone Point Series

TdvClonePointDialog::TdvClonePointDialog(TdvDataObjectWindow& document)
    : TdvAcceptDialog(kOk, kCancel, kCloneHelp), document_(document) {
  title = "Clone Point Series";
  rect = {60, 80, 300, 300};
  defaultControl = kOk;
  focusControl = kPoints;
  AddControl(kLabel, kPrompt, "Choose Point to Clone:", {10, 10, 230, 26}, 1, 0, 0);
  AddControl(kListBox, kPoints, "", {10, 30, 230, 172}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {60, 184, 140, 208}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {150, 184, 230, 208}, 1, 0, 0);
  TdvLList<TdvObjectInfo> points;
  document.ListPoints(points);
  for (const TdvObjectInfo* point : points) {
    if (!document.GetItem(point->id)->IsA(kRecordPointCode)) {
      points_.push_back(point->id);
    }
  }
}

bool TdvClonePointDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvClonePointDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  for (std::int32_t id : points_) {
    ListAddString(kPoints, document_.GetItem(id)->GetName());
  }
  if (!points_.empty()) {
    ListSelectString(kPoints, 0);
  }
  return 0;
}

void TdvClonePointDialog::Accept() {
  const std::vector<int> chosen = ListGetSelection(kPoints);
  CloseWindow();
  if (chosen.empty()) {
    return;
  }
  const std::int32_t source = points_.at(static_cast<std::size_t>(chosen.front()));
  const std::int32_t clone = document_.CloneByDrag(source);
  if (document_.GetItem(clone) != nullptr) {
    document_.SelectItem(clone, 0);
    OpenEditDialogLater(document_, clone, true);
  }
}
