#include "dialogs/series_dialogs.h"

#include <algorithm>
#include <memory>

#include "dialogs/calculated_object_dialog.h"
#include "dialogs/calculated_order_dialog.h"
#include "dialogs/control_kinds.h"
#include "dialogs/point_dialog.h"
#include "dialogs/run_dialog.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "model/calculated_series.h"
#include "shell/shell.h"

namespace {

using namespace control_kind;

constexpr int kBackspace = 8;
constexpr const char* kNoName = "Please give the item a name.";
constexpr const char* kLongName = "A name may have at most 19 characters.";

}  // namespace

std::unique_ptr<TdvEditObjectDialog> MakeEditDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                    bool newItem) {
  TdvDataObject* item = document.GetItem(id);
  if (item == nullptr) {
    return nullptr;
  }
  if (item->IsA(kCalibrateObjectCode)) {
    return std::make_unique<TdvCalibrateObjectDialog>(document, id, newItem);
  }
  if (item->IsA(kCalculatedLineCode)) {
    return std::make_unique<TdvCalculatedLineDialog>(document, id, newItem);
  }
  if (item->IsA(kCalculatedCMCode)) {
    return std::make_unique<TdvCalculatedObjectDialog>(document, id, newItem);
  }
  if (item->IsA(kCalculatedAngleCode)) {
    return std::make_unique<TdvAngleDialog>(document, id, newItem);
  }
  if (item->IsA(kCalculatedDesPtCode)) {
    return std::make_unique<TdvDesignatedPointDialog>(document, id, newItem);
  }
  if (item->IsA(kDataPointCode)) {
    return std::make_unique<TdvPointDialog>(document, id, newItem);
  }
  if (item->IsA(kCountObjectCode)) {
    return std::make_unique<TdvEditObjectDialog>(document, id, newItem, "Count",
                                                 TdvEditObjectDialog::kBandBottom + 44);
  }
  return std::make_unique<TdvEditObjectDialog>(document, id, newItem, "Edit Series",
                                               TdvEditObjectDialog::kBandBottom + 44);
}

void OpenEditDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem) {
  if (std::unique_ptr<TdvEditObjectDialog> dialog = MakeEditDialog(document, id, newItem)) {
    TdvShell::Get().Keep(std::move(dialog))->OpenWindow();
  }
}

bool NameFieldIsFull(const TdvWindow& window, int id, int character) {
  return character != kBackspace && window.GetControlText(id).size() >= kTdvMaxItemName;
}

std::optional<std::string> TakeName(TdvWindow& window, int id) {
  std::string name = window.GetControlText(id);
  if (!name.empty() && name.size() <= kTdvMaxItemName) {
    return name;
  }
  RefuseField(window, id, name.empty() ? kNoName : kLongName);
  return std::nullopt;
}

void OpenEditDialogLater(TdvDataObjectWindow& document, std::int32_t id, bool newItem,
                         bool asPoint) {
  TdvShell::Get().Backend().Post([&document, id, newItem, asPoint] {
    if (!asPoint) {
      OpenEditDialog(document, id, newItem);
    } else if (document.GetItem(id) != nullptr) {
      RunDialog<TdvPointDialog>(document, id, newItem);
    }
  });
}

std::vector<TdvItemChoice> OriginChoices(TdvDataObjectWindow& document, std::int32_t item) {
  TdvLList<TdvObjectInfo> origins;
  document.ListOrigins(origins);
  std::vector<TdvItemChoice> choices;
  for (const TdvObjectInfo* origin : origins) {
    if (origin->id == item) {
      continue;
    }
    const bool isDefault = origin->id == document.DefaultOrigin();
    choices.push_back({origin->name, isDefault ? kDefaultOriginRef : origin->id});
  }
  return choices;
}

std::vector<TdvItemChoice> ScaleChoices(TdvDataObjectWindow& document) {
  TdvLList<TdvObjectInfo> scales;
  document.ListScales(scales);
  std::vector<TdvItemChoice> choices;
  for (const TdvObjectInfo* scale : scales) {
    choices.push_back({scale->name, scale->id});
  }
  return choices;
}

int ChoiceItem(const std::vector<TdvItemChoice>& choices, std::int32_t ref) {
  const auto found = std::find_if(choices.begin(), choices.end(),
                                  [ref](const TdvItemChoice& c) { return c.ref == ref; });
  return found == choices.end() ? 1 : static_cast<int>(found - choices.begin()) + 1;
}

std::vector<std::string> ChoiceTexts(const std::vector<TdvItemChoice>& choices) {
  std::vector<std::string> texts;
  for (const TdvItemChoice& choice : choices) {
    texts.push_back(choice.text);
  }
  return texts;
}

std::vector<std::int32_t> AvailablePoints(TdvDataObjectWindow& document, std::int32_t item,
                                          const std::vector<std::int32_t>& taken) {
  std::vector<std::int32_t> available;
  for (std::int32_t id : document.ItemOrder()) {
    const TdvDataObject* point = document.GetItem(id);
    if (id != item && point->IsPointType() && !point->IsA(kRecordPointCode) &&
        std::find(taken.begin(), taken.end(), id) == taken.end()) {
      available.push_back(id);
    }
  }
  return available;
}

void ShowNames(TdvWindow& window, int list, TdvDataObjectWindow& document,
               const std::vector<std::int32_t>& ids) {
  while (window.ListCount(list) > 0) {
    window.ListDeleteString(list, 0);
  }
  for (std::int32_t id : ids) {
    window.ListAddString(list, document.GetItem(id)->GetName());
  }
}

TdvInputs InputsOf(const TdvDataObject& item) {
  TdvInputs inputs;
  LList list;
  static_cast<const TdvCalculatedObject&>(item).GetIncluded(list, inputs.required, inputs.max);
  for (const TdvObject* boxed : list) {
    inputs.ids.push_back(static_cast<const TdvInt*>(boxed)->value);
  }
  return inputs;
}

void SetInputs(TdvDataObject& item, const std::vector<std::int32_t>& ids) {
  LList list;
  for (std::int32_t id : ids) {
    list.Append(std::make_unique<TdvInt>(id));
  }
  static_cast<TdvCalculatedObject&>(item).SetIncluded(list);
}

void AddInputPicker(TdvWindow& dialog, bool multipleSelection) {
  dialog.AddControl(kLabel, kTdvAvailableLabel, "Available Points:", {10, 118, 170, 134}, 1, 0, 0);
  dialog.AddControl(kListBox, kTdvAvailable, "", {10, 136, 170, 256}, 1, multipleSelection ? 1 : 0,
                    0);
  dialog.AddControl(kPushButton, kTdvAddInput, "Add >>", {180, 140, 290, 162}, 1, 0, 0);
  dialog.AddControl(kPushButton, kTdvRemoveInput, "<< Remove", {180, 168, 290, 190}, 1, 0, 0);
}
