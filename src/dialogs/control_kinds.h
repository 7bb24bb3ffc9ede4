#pragma once

#include "shell/backend.h"

// The control kinds a dialog's AddControl takes, and the option that fills
// a pop-up from the string table entry given as its value.
namespace control_kind {

inline constexpr int kPushButton = static_cast<int>(shell::ControlKind::kPushButton);
inline constexpr int kPopup = static_cast<int>(shell::ControlKind::kPopup);
inline constexpr int kListBox = static_cast<int>(shell::ControlKind::kListBox);
inline constexpr int kEditField = static_cast<int>(shell::ControlKind::kEditField);
inline constexpr int kDrawnArea = static_cast<int>(shell::ControlKind::kDrawnArea);
inline constexpr int kLabel = static_cast<int>(shell::ControlKind::kLabel);
inline constexpr int kDrawnButton = static_cast<int>(shell::ControlKind::kDrawnButton);
inline constexpr int kCheckBox = static_cast<int>(shell::ControlKind::kCheckBox);

inline constexpr int kFromStringTable = 1;

}  // namespace control_kind
