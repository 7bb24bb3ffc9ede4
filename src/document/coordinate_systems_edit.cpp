#include <algorithm>
#include <cmath>

#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "model/series_row_columns.h"
#include "model/series_units.h"

namespace {

constexpr int kCharUp = 30;
constexpr int kCharDown = 31;

}  // namespace

bool TdvDataObjectWindow::CanEditMass(std::int32_t id) {
  TdvDataObject* item = GetItem(id);
  return item != nullptr && (item->IsA(kDataPointCode) || item->IsA(kCalculatedDesPtCode));
}

void TdvDataObjectWindow::StartEdit(std::int32_t id, int kind) {
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  TdvDataObject* item = GetItem(id);
  auto row = std::find_if(layout.rows.begin(), layout.rows.end(),
                          [id](const TdvCoordinateSystemsLayout::Row& r) { return r.id == id; });
  if (item == nullptr || row == layout.rows.end()) {
    return;
  }
  const TdvRowColumn& column = kRowColumns[kind == kEditMass ? kMassColumn : kNameColumn];
  std::string text = item->GetName();
  if (kind == kEditMass) {
    double shown = item->GetMass();
    ConvertMass(shown, item->GetMassUnit(), false);
    text = FormatSignificant(shown, 4, false);
  }
  editItem = id;
  editKind = kind;
  SetControlText(kListEdit, text);
  EditInPlace(kListEdit, {column.start, row->rect.top, column.end, row->rect.top + kListRowHeight});
}

void TdvDataObjectWindow::CommitEdit() {
  if (editItem == kNoItem) {
    return;
  }
  const std::int32_t id = editItem;
  const int kind = editKind;
  editItem = kNoItem;
  editKind = 0;
  const std::string text = GetControlText(kListEdit);
  ShowControl(kListEdit, false);
  TdvDataObject* item = GetItem(id);
  if (item == nullptr || text.empty()) {
    return;
  }
  if (kind == kEditName) {
    item->SetName(text);
  } else if (!CommitMass(*item, text)) {
    return;
  }
  modified = true;
  RedrawWindows();
}

// A mass that is no number, or a negative one, is refused and the item
// keeps its mass.
bool TdvDataObjectWindow::CommitMass(TdvDataObject& item, const std::string& text) {
  double value = 0.0;
  if (!GetControlReal(kListEdit, value) || !std::isfinite(value)) {
    InformationBox(
        "\"" + text + "\" is not a number: the mass of " + item.GetName() + " is unchanged.",
        "Mass");
    return false;
  }
  if (value < 0.0) {
    InformationBox("A mass cannot be negative: the mass of " + item.GetName() + " is unchanged.",
                   "Mass");
    return false;
  }
  ConvertMass(value, item.GetMassUnit(), true);
  item.SetMass(value);
  return true;
}

int TdvDataObjectWindow::DoKeyDown(int character, int modifiers) {
  if (character == kTdvKeyEscape && editItem != kNoItem) {
    editItem = kNoItem;
    ShowControl(kListEdit, false);
    return 0;
  }
  const int key = character == kTdvKeyUp     ? kCharUp
                  : character == kTdvKeyDown ? kCharDown
                                             : character;
  ListKey(key, modifiers);
  return 0;
}

void TdvDataObjectWindow::ListKey(int key, int keyFlags) {
  if (key != kTdvKeyTab && key != kTdvKeyReturn && key != kCharUp && key != kCharDown) {
    return;
  }
  const bool backwards = (keyFlags & kTdvShiftKey) != 0;
  if (currentItem == kNoItem || GetItem(currentItem) == nullptr) {
    CommitEdit();
    SelectItem(NextInFrameOrder(kNoItem, backwards ? kBackwards : kForwards), 0);
    return;
  }
  if (key == kTdvKeyReturn) {
    if (editItem != kNoItem) {
      CommitEdit();
    } else {
      StartEdit(currentItem, kEditName);
    }
    return;
  }
  if (editItem == kNoItem) {
    if (key == kTdvKeyTab) {
      SelectItem(NextInFrameOrder(currentItem, backwards ? kBackwards : kForwards), 0);
    }
    return;
  }
  if (key == kTdvKeyTab) {
    EditNext(backwards);
    return;
  }
  // Up and Down edit the same column on the neighbouring item.
  const int kind = editKind;
  const std::int32_t from = editItem;
  CommitEdit();
  std::int32_t next = NextInFrameOrder(from, key == kCharUp ? kBackwards : kForwards);
  if (next == kNoItem) {
    return;
  }
  SelectItem(next, 0);
  if (kind == kEditName || CanEditMass(next)) {
    StartEdit(next, kind);
  }
}

// Forwards: name, then mass when the item has one, then the next item's
// name. Backwards: mass to name, name to the previous item's last cell.
void TdvDataObjectWindow::EditNext(bool backwards) {
  const int kind = editKind;
  const std::int32_t from = editItem;
  CommitEdit();
  if (!backwards && kind == kEditName && CanEditMass(from)) {
    StartEdit(from, kEditMass);
    return;
  }
  if (backwards && kind == kEditMass) {
    StartEdit(from, kEditName);
    return;
  }
  std::int32_t next = NextInFrameOrder(from, backwards ? kBackwards : kForwards);
  if (next == kNoItem) {
    return;
  }
  SelectItem(next, 0);
  StartEdit(next, backwards && CanEditMass(next) ? kEditMass : kEditName);
}
