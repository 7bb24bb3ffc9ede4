#pragma once

#include <optional>

#include "document/table_opener.h"
#include "shell/gfx_types.h"

// Opens a document's data table in a new window, an MDI child of the frame
// at `defaultRect` unless the document gives a place. The shell owns the
// window; it attaches itself to the document and detaches when destroyed.
class TdvTableWindowOpener : public TdvTableOpener {
 public:
  explicit TdvTableWindowOpener(const shell::Rect& defaultRect) : defaultRect_(defaultRect) {}

  void OpenTable(TdvDataObjectWindow& document, const std::optional<TdvRect>& place) override;

 private:
  shell::Rect defaultRect_;
};
