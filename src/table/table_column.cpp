#include "table/table_column.h"

#include <algorithm>

#include "kinematics/data_table.h"

void TdvTableColumn::Select(std::int32_t first, std::int32_t last) {
  std::int64_t low = first;
  std::int64_t high = last;
  std::vector<TdvSelectionRange> kept;
  for (const TdvSelectionRange& range : selections) {
    if (range.last + std::int64_t{1} < low || range.first > high + 1) {
      kept.push_back(range);
    } else {
      low = std::min<std::int64_t>(low, range.first);
      high = std::max<std::int64_t>(high, range.last);
    }
  }
  TdvSelectionRange merged(static_cast<std::int32_t>(low), static_cast<std::int32_t>(high));
  auto place = std::find_if(kept.begin(), kept.end(),
                            [&](const TdvSelectionRange& range) { return range.first > low; });
  kept.insert(place, merged);
  selections = std::move(kept);
}

void TdvTableColumn::Deselect(std::int32_t first, std::int32_t last) {
  std::vector<TdvSelectionRange> kept;
  for (const TdvSelectionRange& range : selections) {
    if (range.last < first || range.first > last) {
      kept.push_back(range);
      continue;
    }
    if (range.first < first) {
      kept.emplace_back(range.first, first - 1);
    }
    if (range.last > last) {
      kept.emplace_back(last + 1, range.last);
    }
  }
  selections = std::move(kept);
}

void TdvTableColumn::ClearSelection() {
  selections.clear();
  wholeColumn = false;
}

bool TdvTableColumn::IsSelected(std::int32_t frame) const {
  if (wholeColumn) {
    return true;
  }
  auto after = std::upper_bound(
      selections.begin(), selections.end(), frame,
      [](std::int32_t value, const TdvSelectionRange& range) { return value < range.first; });
  return after != selections.begin() && std::prev(after)->last >= frame;
}

bool TdvTableColumn::IsTime() const {
  return seriesId == TdvDataTable::kTimeSeries;
}
