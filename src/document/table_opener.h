#pragma once

#include <optional>

#include "foundation/geometry.h"

class TdvDataObjectWindow;

// Opens a document's data table window. The desktop program makes the
// window, which attaches itself to the document; a program without windows
// has no opener.
class TdvTableOpener {
 public:
  virtual ~TdvTableOpener() = default;

  // place: where the window goes (a table read from a file); none for the
  // default place.
  virtual void OpenTable(TdvDataObjectWindow& document, const std::optional<TdvRect>& place) = 0;
};
