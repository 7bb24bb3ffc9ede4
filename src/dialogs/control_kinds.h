#pragma once

// The control kinds a dialog's AddControl takes, and the option that fills
// a pop-up from the string table entry given as its value.
namespace control_kind {

inline constexpr int kPushButton = 1;
inline constexpr int kPopup = 4;
inline constexpr int kListBox = 5;
inline constexpr int kEditField = 6;
inline constexpr int kDrawnArea = 8;
inline constexpr int kLabel = 9;
inline constexpr int kDrawnButton = 10;
inline constexpr int kCheckBox = 11;

inline constexpr int kFromStringTable = 1;

}  // namespace control_kind
