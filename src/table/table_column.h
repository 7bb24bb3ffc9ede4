#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/object.h"

class TdvDataValueGroup;

// Frames first to last, both included.
class TdvSelectionRange : public TdvObject {
 public:
  TdvSelectionRange(std::int32_t first, std::int32_t last) : first(first), last(last) {}

  std::int32_t first;
  std::int32_t last;
};

// One quantity of one series shown in the table. Its selection is a set of
// frame ranges, kept apart and in frame order, or the whole column.
class TdvTableColumn : public TdvObject {
 public:
  static constexpr int kWidth = 64;

  TdvTableColumn(std::int32_t seriesId, int quantity) : seriesId(seriesId), quantity(quantity) {}

  // Adds the frames; ranges that overlap or touch become one.
  void Select(std::int32_t first, std::int32_t last);
  // Takes the frames out, splitting a range that holds them inside.
  void Deselect(std::int32_t first, std::int32_t last);
  void ClearSelection();
  bool IsSelected(std::int32_t frame) const;
  bool HasSelection() const { return wholeColumn || !selections.empty(); }
  bool IsTime() const;

  std::int32_t seriesId;
  int quantity;
  // Found again in the document's table whenever the layout is made: a
  // series may have gone meanwhile.
  TdvDataValueGroup* group = nullptr;
  std::vector<TdvSelectionRange> selections;
  bool wholeColumn = false;
  int width = kWidth;
  // The three header texts: series name, short quantity name, "[unit]".
  std::string seriesName;
  std::string quantityName;
  std::string unitText;
};
