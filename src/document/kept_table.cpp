#include "document/kept_table.h"

#include "foundation/tagged_writer.h"

namespace {

constexpr std::int32_t kWindowRectTag = 1000;

}  // namespace

// Written as a window writes its rectangle: the left edge one pixel left
// of the window's, which the reader takes back.
void TdvKeptTable::WriteRecord(TdvTaggedWriter& writer) {
  TdvRect written = rect;
  written.left -= 1;
  writer.OpenRecord('T');
  writer.RectGroup(kWindowRectTag, written);
  writer.CloseRecord();
}
