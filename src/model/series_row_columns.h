#pragma once

#include <array>

// The columns of an item's row in the coordinate-systems window, from the
// window's left edge. A header-only column draws its separator in the
// header row alone; the others draw it down the whole list.
struct TdvRowColumn {
  int start;
  int end;
  bool headerOnly;
  const char* heading;
};

enum TdvRowColumnIndex : int {
  kDragColumn = 0,
  kNameColumn = 1,
  kVisibleColumn = 2,
  kTrailsColumn = 3,
  kOriginColumn = 4,
  kMassColumn = 5,
  kTypeColumn = 6,
};

inline constexpr std::array<TdvRowColumn, 7> kRowColumns{{
    {0, 15, false, " "},
    {15, 125, true, "SERIES NAME"},
    {125, 137, true, "V"},
    {137, 149, true, "T"},
    {149, 161, false, "O"},
    {161, 221, true, "MASS"},
    {221, 257, false, "TYPE"},
}};

inline constexpr int kListRowHeight = 18;
// The mark of the V, T and O cells: "×" in the program's single-byte text.
inline constexpr char kCellMark = static_cast<char>(0xD7);

// The column under x, or -1 beyond the last one.
inline int RowColumnAt(int x) {
  for (int i = 0; i < static_cast<int>(kRowColumns.size()); ++i) {
    if (x >= kRowColumns[i].start && x < kRowColumns[i].end) {
      return i;
    }
  }
  return -1;
}
