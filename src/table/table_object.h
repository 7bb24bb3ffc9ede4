#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/object.h"
#include "table/table_column.h"

// The block of columns of one series (or the time column, series -31).
class TdvTableObject : public TdvObject {
 public:
  explicit TdvTableObject(std::int32_t seriesId) : seriesId(seriesId) {}

  TdvTableColumn* FindColumn(int quantity) const {
    for (const auto& column : columns) {
      if (column->quantity == quantity) {
        return column.get();
      }
    }
    return nullptr;
  }

  std::int32_t seriesId;
  std::vector<std::unique_ptr<TdvTableColumn>> columns;
  // Pixels across the columns shown; set with the layout.
  int width = 0;
};
