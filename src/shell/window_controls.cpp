#include <algorithm>
#include <cstdio>

#include "shell/numeric_filter.h"
#include "shell/shell.h"
#include "shell/string_table.h"
#include "shell/window.h"

bool TdvControlInfo::TakesFocus() const {
  return !IsKind(shell::ControlKind::kLabel) && !IsKind(shell::ControlKind::kMultiLineText) &&
         !IsKind(shell::ControlKind::kDrawnArea);
}

int TdvWindow::AddControl(int kind, int id, const std::string& controlText,
                          const shell::Rect& controlRect, int visible, int option, int value) {
  if (controls.count(id) != 0) {
    return 0;
  }
  auto record = std::make_unique<TdvControlInfo>();
  record->kind = static_cast<std::uint8_t>(kind);
  record->id = id;
  record->text = controlText.substr(0, kTdvMaxControlText);
  record->rect = controlRect;
  record->visible = visible;
  record->option = static_cast<std::int16_t>(option);
  record->value = static_cast<std::int16_t>(value);
  controls.emplace(id, std::move(record));
  return 1;
}

TdvControlInfo* TdvWindow::FindControl(int id) {
  auto found = controls.find(id);
  return found == controls.end() ? nullptr : found->second.get();
}

const TdvControlInfo* TdvWindow::FindControl(int id) const {
  auto found = controls.find(id);
  return found == controls.end() ? nullptr : found->second.get();
}

shell::Rect TdvWindow::ControlRectToPixels(const shell::Rect& r) const {
  return r;
}

void TdvWindow::CreateControls() {
  for (auto& [id, control] : controls) {
    shell::ControlSpec request;
    request.kind = control->Kind();
    request.id = id;
    request.text = control->text;
    request.rect = ControlRectToPixels(control->rect);
    request.visible = control->visible != 0;
    request.defaultButton = id == defaultControl;
    request.multipleSelection =
        control->IsKind(shell::ControlKind::kListBox) && control->option == 1;
    if (control->IsKind(shell::ControlKind::kPopup)) {
      if ((control->option & 1) != 0) {
        control->items.clear();
        std::string entry = LoadResourceString(control->value).substr(0, kTdvMaxControlText);
        for (const std::string& item : SplitAtCommas(entry)) {
          control->items.push_back({item, 0});
        }
      }
      control->selection = 1;
      for (const TdvPopupMenuData& item : control->items) {
        request.items.push_back(item.text);
      }
    }
    control->window = Backend().CreateControl(hwnd, request);
    if (control->IsKind(shell::ControlKind::kPopup) && !control->items.empty()) {
      Backend().PopupShowItem(control->window, 1);
    }
  }
}

shell::WindowHandle TdvWindow::GetControlWindow(int id) const {
  const TdvControlInfo* control = FindControl(id);
  return control == nullptr ? shell::kNoWindow : control->window;
}

void TdvWindow::ShowControl(int id, bool show) {
  TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return;
  }
  control->visible = show ? 1 : 0;
  if (control->window != shell::kNoWindow) {
    Backend().Show(control->window, show ? shell::ShowCommand::kShow : shell::ShowCommand::kHide);
  }
}

void TdvWindow::EnableControl(int id, bool enable) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().Enable(window, enable);
  }
}

void TdvWindow::SetControlText(int id, const std::string& newText) {
  TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return;
  }
  control->text = newText.substr(0, kTdvMaxControlText);
  if (control->window != shell::kNoWindow) {
    Backend().SetText(control->window, control->text);
  }
}

void TdvWindow::MoveControl(int id, const shell::Rect& newRect) {
  TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return;
  }
  control->rect = newRect;
  if (control->window != shell::kNoWindow) {
    Backend().MoveWindow(control->window, ControlRectToPixels(newRect));
  }
}

std::string TdvWindow::GetControlText(int id) const {
  const TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return {};
  }
  if (control->window == shell::kNoWindow) {
    return control->text;
  }
  return Backend().Text(control->window).substr(0, kTdvMaxControlText);
}

bool TdvWindow::GetControlReal(int id, double& value) const {
  if (FindControl(id) == nullptr) {
    return false;
  }
  std::string controlText = GetControlText(id);
  double read = 0.0;
  if (std::sscanf(controlText.c_str(), "%lf", &read) != 1) {
    return false;
  }
  value = read;
  return true;
}

bool TdvWindow::GetCheckBox(int id) const {
  shell::WindowHandle window = GetControlWindow(id);
  return window != shell::kNoWindow && Backend().IsChecked(window);
}

void TdvWindow::SetCheckBox(int id, bool on) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().SetChecked(window, on);
  }
}

void TdvWindow::SetScrollRange(int id, int minimum, int maximum) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().SetScrollRange(window, minimum, maximum);
  }
}

void TdvWindow::SetScrollPosition(int id, int position) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().SetScrollPosition(window, position);
  }
}

std::pair<int, int> TdvWindow::GetScrollRange(int id) const {
  shell::WindowHandle window = GetControlWindow(id);
  return window == shell::kNoWindow ? std::pair<int, int>{0, 0} : Backend().ScrollRange(window);
}

int TdvWindow::GetScrollPosition(int id) const {
  shell::WindowHandle window = GetControlWindow(id);
  return window == shell::kNoWindow ? 0 : Backend().ScrollPosition(window);
}

void TdvWindow::ListInsertString(int id, int index, const std::string& item) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().ListInsert(window, index, item);
  }
}

int TdvWindow::ListAddString(int id, const std::string& item) {
  shell::WindowHandle window = GetControlWindow(id);
  return window == shell::kNoWindow ? -1 : Backend().ListAdd(window, item);
}

void TdvWindow::ListDeleteString(int id, int index) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().ListDelete(window, index);
  }
}

void TdvWindow::ListSelectString(int id, int index) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().ListSelect(window, index);
  }
}

void TdvWindow::ListSetSelected(int id, int index, bool selected) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().ListSetSelected(window, index, selected);
  }
}

std::vector<int> TdvWindow::ListGetSelection(int id) const {
  shell::WindowHandle window = GetControlWindow(id);
  return window == shell::kNoWindow ? std::vector<int>{} : Backend().ListSelection(window);
}

int TdvWindow::ListCount(int id) const {
  shell::WindowHandle window = GetControlWindow(id);
  return window == shell::kNoWindow ? 0 : Backend().ListCount(window);
}

std::string TdvWindow::ListGetString(int id, int index) const {
  shell::WindowHandle window = GetControlWindow(id);
  return window == shell::kNoWindow ? std::string() : Backend().ListText(window, index);
}

void TdvWindow::SetControlRedraw(int id, bool redraw) {
  if (shell::WindowHandle window = GetControlWindow(id)) {
    Backend().SetRedraw(window, redraw);
  }
}

void TdvWindow::SetPopupSelection(int id, int selection) {
  TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return;
  }
  control->selection = static_cast<std::int16_t>(selection);
  if (control->window != shell::kNoWindow) {
    Backend().PopupShowItem(control->window, selection);
  }
}

int TdvWindow::GetPopupSelection(int id) const {
  const TdvControlInfo* control = FindControl(id);
  return control == nullptr ? 0 : control->selection;
}

void TdvWindow::SetPopupLabel(int id, const std::string& label) {
  TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return;
  }
  control->text = label.substr(0, kTdvMaxControlText);
  if (control->window != shell::kNoWindow) {
    Backend().PopupSetLabel(control->window, control->text);
  }
}

void TdvWindow::SetPopupItems(int id, const std::vector<std::string>& items) {
  TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return;
  }
  control->items.clear();
  for (const std::string& item : items) {
    control->items.push_back({item.substr(0, kTdvMaxControlText), 0});
  }
  control->selection = 1;
  if (control->window != shell::kNoWindow) {
    Backend().PopupSetItems(control->window, items);
    if (!items.empty()) {
      Backend().PopupShowItem(control->window, 1);
    }
  }
}

void TdvWindow::EditInPlace(int id, const shell::Rect& area) {
  TdvControlInfo* control = FindControl(id);
  if (control == nullptr || control->window == shell::kNoWindow) {
    return;
  }
  ShowControl(id, false);
  MoveControl(id, area);
  BeforePaint();
  GfxEraseRect(area);
  AfterPaint();
  ShowControl(id, true);
  Backend().SetFocus(control->window);
  // All of it, so that typing replaces the text.
  Backend().SelectText(control->window, 0, static_cast<int>(GetControlText(id).size()));
}

int TdvWindow::FilterControlChar(int id, int character) {
  const TdvControlInfo* control = FindControl(id);
  int numericKind = control == nullptr ? 0 : control->option;
  return NumericFilterAccepts(numericKind, character) ? kTdvNotHandled : 0;
}

// An icon larger than its button is shrunk to fit, keeping its shape and
// centred; a smaller one sits in the corner at its own size.
void TdvWindow::DrawControlIcon(int resource, shell::Size area) {
  std::optional<shell::Picture> icon = Backend().IconResource(resource);
  if (!icon || (icon->Width() <= area.width && icon->Height() <= area.height)) {
    dc->DrawIcon(resource, {0, 0});
    return;
  }
  const double fit = std::min(static_cast<double>(area.width) / icon->Width(),
                              static_cast<double>(area.height) / icon->Height());
  const int width = std::max(1, static_cast<int>(icon->Width() * fit));
  const int height = std::max(1, static_cast<int>(icon->Height() * fit));
  const int left = (area.width - width) / 2;
  const int top = (area.height - height) / 2;
  dc->DrawIconScaled(resource, {left, top, left + width, top + height});
}

void TdvWindow::UpdateOwnerControl(int id) {
  TdvControlInfo* control = FindControl(id);
  if (control == nullptr || control->window == shell::kNoWindow) {
    return;
  }
  if (drawMode == kTdvDrawHeld || drawMode == kTdvDrawPaint) {
    ReleaseSurface();
  }
  if (dc != nullptr) {
    Fault("beforeupdatecontrol did not free hdc", "TdvWindow::UpdateOwnerControl");
    return;
  }
  drawMode = kTdvDrawControl;
  std::unique_ptr<shell::Surface> surface = Backend().OpenSurface(control->window);
  if (surface) {
    dc = surface.get();
    GfxApplyPen();
    if (control->option == 1) {
      DrawControlIcon(control->value, surface->PixelSize());
    } else {
      DrawControl(id);
    }
    dc = nullptr;
  }
  drawMode = kTdvDrawNone;
}
