#pragma once

#include <cstdint>
#include <optional>

#include "foundation/geometry.h"
#include "kinematics/data_table_document.h"

class TdvTaggedWriter;

// The data table window as its document sees it: it shows the groups of
// the document's table as columns (it hears of them as the table's
// listener) and saves its own record in the document file.
class TdvTableWindowLink : public TdvDataTableListener {
 public:
  virtual void WriteRecord(TdvTaggedWriter& writer) = 0;
  // Moves and sizes the window to `place` (in the frame's client area); a
  // table kept from a file and shown in no window has nothing to place.
  virtual void PlaceWindow(const TdvRect&) {}
  // The place of a table kept without a window, for the window that
  // replaces it.
  virtual std::optional<TdvRect> KeptRect() const { return std::nullopt; }
  // Brings the window to the top; false when there is no window to show.
  virtual bool BringForward() { return false; }
  // The document's data or its displayed frame changed.
  virtual void Redraw() {}
  // Closes the window on the document's behalf.
  virtual void ForceClose() {}
};

// A graph window as its document sees it.
class TdvGraphLink {
 public:
  virtual ~TdvGraphLink() = default;

  virtual void ItemRemoved(std::int32_t id) = 0;
  virtual void TimeChanged(std::int32_t time) = 0;
  virtual void WriteRecord(TdvTaggedWriter& writer) = 0;
  // As for the table: graphs kept from a file have no window to place.
  virtual void PlaceWindow(const TdvRect&) {}
  // The document's data changed: the axes are chosen again and redrawn.
  virtual void Redraw() {}
  // Closes the window on the document's behalf.
  virtual void ForceClose() {}
  // The document is going, and its data table with the groups shown.
  virtual void DocumentGone() {}
};
