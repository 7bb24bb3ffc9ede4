#include <ostream>
#include <string>

#include "foundation/format_significant.h"
#include "kinematics/data_table.h"
#include "kinematics/data_table_document.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"

namespace {

constexpr int kSampleFixed = 2;
constexpr int kExportDigits = 4;

// One exported column: the group and what its empty cells show.
struct Column {
  const TdvDataValueGroup* group;
  std::string fallback;
};

std::string Cell(double value) {
  return FormatSignificant(value, kExportDigits, true);
}

std::string Heading(const std::string& seriesName, const TdvDataValueGroup& group) {
  std::string quantityName;
  std::string unitText;
  QuantityName(quantityName, group.Quantity(), true);
  UnitText(unitText, group.Unit());
  std::string heading = quantityName + "(" + unitText + ")";
  return seriesName.empty() ? heading : seriesName + ":" + heading;
}

}  // namespace

void TdvDataTable::WriteText(std::ostream& out) const {
  out << std::endl;
  std::vector<Column> columns;
  for (const auto& object : objects) {
    bool isTime = object->IsTimeObject();
    std::string name =
        isTime || document == nullptr ? "" : document->SeriesName(object->SeriesId());
    // A Fixed series holds its one value on frame 0 and shows it on every row.
    bool fixed =
        !isTime && document != nullptr && document->SampleType(object->SeriesId()) == kSampleFixed;
    for (const auto& group : object->Groups()) {
      if (!group->IsActive()) {
        continue;
      }
      out << Heading(name, *group) << '\t';
      std::string fallback;
      if (fixed) {
        if (std::optional<double> value = object->RawValue(0, group->Quantity())) {
          fallback = Cell(*value);
        }
      }
      columns.push_back({group.get(), fallback});
    }
  }
  out << std::endl;
  TdvDataTableObject* time = FindObject(kTimeSeries);
  const TdvDataValueGroup* times = time == nullptr ? nullptr : time->ExistingGroup(kQuantityTime);
  if (times == nullptr) {
    return;
  }
  for (const auto& [frame, seconds] : times->Values()) {
    for (const Column& column : columns) {
      std::optional<double> value = column.group->GetValue(frame);
      out << (value ? Cell(*value) : column.fallback) << '\t';
    }
    out << std::endl;
  }
}
