#include "table/selection_text.h"

#include <algorithm>

#include "foundation/format_significant.h"
#include "kinematics/data_value_group.h"

namespace {

constexpr int kCopyDigits = 4;

// Lines are written cell by cell, each followed by a tab; the last tab
// becomes the line end.
void EndLine(std::string& out) {
  out.back() = '\r';
  out += '\n';
}

template <typename Text>
void WriteHeaderLine(std::string& out, const std::vector<const TdvTableColumn*>& columns,
                     Text text) {
  for (const TdvTableColumn* column : columns) {
    out += text(*column);
    out += '\t';
  }
  EndLine(out);
}

}  // namespace

std::string SelectionText(const std::vector<const TdvTableColumn*>& columns,
                          const std::vector<std::int32_t>& rows) {
  const bool wholeColumns = std::any_of(columns.begin(), columns.end(),
                                        [](const TdvTableColumn* c) { return c->wholeColumn; });
  std::vector<const TdvTableColumn*> taking;
  for (const TdvTableColumn* column : columns) {
    if (wholeColumns ? column->wholeColumn : column->HasSelection()) {
      taking.push_back(column);
    }
  }
  std::string out;
  if (taking.empty()) {
    return out;
  }
  const bool seriesTake = std::any_of(taking.begin(), taking.end(),
                                      [](const TdvTableColumn* c) { return !c->IsTime(); });
  if (wholeColumns) {
    if (seriesTake) {
      WriteHeaderLine(out, taking, [](const TdvTableColumn& c) { return c.seriesName; });
    }
    WriteHeaderLine(out, taking, [](const TdvTableColumn& c) { return c.quantityName; });
    WriteHeaderLine(out, taking, [](const TdvTableColumn& c) { return "[" + c.unitText + "]"; });
  }
  for (std::int32_t frame : rows) {
    const std::size_t lineStart = out.size();
    bool kept = false;
    for (const TdvTableColumn* column : taking) {
      if (column->group != nullptr && column->IsSelected(frame)) {
        if (std::optional<double> value = column->group->GetValue(frame)) {
          out += FormatSignificant(*value, kCopyDigits, true);
          kept = kept || !seriesTake || !column->IsTime();
        }
      }
      out += '\t';
    }
    if (kept) {
      EndLine(out);
    } else {
      out.resize(lineStart);
    }
  }
  return out;
}
