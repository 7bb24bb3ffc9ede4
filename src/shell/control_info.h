#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/backend.h"

// One item of a pop-up control.
struct TdvPopupMenuData {
  std::string text;
  std::int16_t value = 0;
};

// The record a window keeps for each of its child controls; the window
// builds the control from it when it is created.
struct TdvControlInfo {
  std::uint8_t kind = 0;
  std::int32_t id = 0;
  std::string text;
  shell::Rect rect;
  std::int32_t visible = 1;
  shell::WindowHandle window = shell::kNoWindow;
  std::int16_t option = 0;
  std::int16_t value = 0;

  // Pop-ups only: the items and the selection, counted from 1.
  std::vector<TdvPopupMenuData> items;
  std::int16_t selection = 1;

  shell::ControlKind Kind() const { return static_cast<shell::ControlKind>(kind); }
  bool IsKind(shell::ControlKind k) const { return Kind() == k; }
  // Labels, multi-line texts and drawn areas never take the focus.
  bool TakesFocus() const;
};

// Longest text a control record or a control read keeps, as the fixed
// buffers of saved records do.
inline constexpr std::size_t kTdvMaxControlText = 255;
