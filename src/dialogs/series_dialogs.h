#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TdvDataObjectWindow;

class TdvEditObjectDialog;
class TdvWindow;

// The longest name a name field takes.
inline constexpr std::size_t kTdvMaxItemName = 19;
// Whether the name field `id` refuses the typed character: it is full.
bool NameFieldIsFull(const TdvWindow& window, int id, int character);
// The name in the field, or none after telling the user it is empty or
// too long (pasted).
std::optional<std::string> TakeName(TdvWindow& window, int id);

// The edit dialog that belongs to the kind of item `id` (none when there is
// no such item); in new-item mode closing it without OK deletes the item.
std::unique_ptr<TdvEditObjectDialog> MakeEditDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                    bool newItem);
// Makes it and runs it.
void OpenEditDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem);
// The same once the dialog that asks for it has closed and gone, so that
// no dialog runs inside the handler of one being freed. `asPoint` opens
// the point dialog whatever the kind.
void OpenEditDialogLater(TdvDataObjectWindow& document, std::int32_t id, bool newItem,
                         bool asPoint = false);

// One entry of a dialog's choice list: the text shown and the item id or
// reference it stands for.
struct TdvItemChoice {
  std::string text;
  std::int32_t ref;
};

// The origins an item may report relative to (the default one in angle
// brackets and stored as -1, then "<None>"), leaving out the item itself.
std::vector<TdvItemChoice> OriginChoices(TdvDataObjectWindow& document, std::int32_t item);
// "<None>" and the scales.
std::vector<TdvItemChoice> ScaleChoices(TdvDataObjectWindow& document);
// The popup item (from 1) of `ref`, 1 when it is not offered.
int ChoiceItem(const std::vector<TdvItemChoice>& choices, std::int32_t ref);
std::vector<std::string> ChoiceTexts(const std::vector<TdvItemChoice>& choices);

class TdvDataObject;

// The point-type items a calculated item may take as inputs, in the
// document's order: neither the item itself nor those in `taken`.
std::vector<std::int32_t> AvailablePoints(TdvDataObjectWindow& document, std::int32_t item,
                                          const std::vector<std::int32_t>& taken);
// Fills the list box `list` with the names of the items.
void ShowNames(TdvWindow& window, int list, TdvDataObjectWindow& document,
               const std::vector<std::int32_t>& ids);

// A calculated item's inputs in order, and its required and largest count
// (the item must be calculated).
struct TdvInputs {
  std::vector<std::int32_t> ids;
  int required = 0;
  int max = 0;
};
TdvInputs InputsOf(const TdvDataObject& item);
void SetInputs(TdvDataObject& item, const std::vector<std::int32_t>& ids);

// The controls that pick inputs, common to the calculated items' dialogs:
// the "Available Points:" list and the buttons that add and remove.
inline constexpr int kTdvAvailableLabel = 9;
inline constexpr int kTdvAvailable = 10;
inline constexpr int kTdvAddInput = 20;
inline constexpr int kTdvRemoveInput = 30;
void AddInputPicker(TdvWindow& dialog, bool multipleSelection);
