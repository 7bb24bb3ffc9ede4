#pragma once

#include <cstdint>

#include "document/window_links.h"
#include "foundation/geometry.h"

// The data table window of a document read where no window can show it
// (the command-line tool): it keeps the window's place so that saving the
// document again writes the table record as it was read.
class TdvKeptTable : public TdvTableWindowLink {
 public:
  // rect: the window rectangle as read, already corrected.
  explicit TdvKeptTable(const TdvRect& rect) : rect(rect) {}

  // Nothing shows the columns: the table's groups stay as the file and the
  // document's own users make them.
  void ColumnAvailable(std::int32_t, int) override {}
  void GroupActiveChanged(std::int32_t, int) override {}
  void WriteRecord(TdvTaggedWriter& writer) override;
  std::optional<TdvRect> KeptRect() const override { return rect; }

 private:
  TdvRect rect;
};
