#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table/table_column.h"

// The selection of the shown columns (the time column first) as text for
// the clipboard: cells separated by tabs, lines ending in "\r\n". When any
// column is wholly selected only whole columns are written, under three
// header lines (the series names left out when only the time column takes
// part); otherwise every column with a selection is written, without
// headers. A line with no value in a series cell is left out, or, with
// only the time column, a line with no value at all. rows: frame numbers,
// top to bottom.
std::string SelectionText(const std::vector<const TdvTableColumn*>& columns,
                          const std::vector<std::int32_t>& rows);
