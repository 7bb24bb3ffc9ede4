#include "kinematics/data_value_group.h"

#include <cmath>

#include "kinematics/data_table.h"
#include "kinematics/data_table_document.h"
#include "kinematics/data_table_object.h"
#include "kinematics/quantity_table.h"

TdvDataValueGroup::TdvDataValueGroup(int quantityCode, std::uint8_t groupMode)
    : mode(groupMode), quantity(quantityCode) {}

std::unique_ptr<TdvObject> TdvDataValueGroup::Clone() const {
  auto copy = std::make_unique<TdvDataValueGroup>(quantity, mode);
  copy->values = values;
  copy->rawValues = rawValues;
  copy->unit = unit;
  return copy;
}

void TdvDataValueGroup::Use(bool add) {
  if (!add && useCount == 0) {
    return;
  }
  bool wasActive = IsActive();
  useCount += add ? 1 : -1;
  ReportActiveChange(wasActive);
}

void TdvDataValueGroup::ReportActiveChange(bool wasActive) {
  if (IsActive() == wasActive || owner == nullptr) {
    return;
  }
  if (!wasActive) {
    owner->GroupActivated(*this);
  }
  if (TdvDataTableListener* window = owner->Table().Window()) {
    window->GroupActiveChanged(owner->SeriesId(), quantity);
  }
}

std::optional<double> TdvDataValueGroup::GetValue(std::int32_t frame) const {
  auto it = values.find(frame);
  if (it == values.end()) {
    return std::nullopt;
  }
  return it->second;
}

std::optional<TdvDataValue> TdvDataValueGroup::First() {
  if (values.empty()) {
    cursor.reset();
    return std::nullopt;
  }
  cursor = values.begin()->first;
  return TdvDataValue{values.begin()->first, values.begin()->second};
}

std::optional<TdvDataValue> TdvDataValueGroup::Next() {
  if (!cursor) {
    return std::nullopt;
  }
  auto it = values.upper_bound(*cursor);
  if (it == values.end()) {
    return std::nullopt;
  }
  cursor = it->first;
  return TdvDataValue{it->first, it->second};
}

std::optional<TdvDataValue> TdvDataValueGroup::Prev() {
  if (!cursor) {
    return std::nullopt;
  }
  auto it = values.lower_bound(*cursor);
  if (it == values.begin()) {
    return std::nullopt;
  }
  --it;
  cursor = it->first;
  return TdvDataValue{it->first, it->second};
}

// A result that is not finite (a huge scale, a zero time step) has no
// meaning to show: the frame has no value rather than "nan" or "inf".
void TdvDataValueGroup::SetValue(std::int32_t frame, double value) {
  if (std::isfinite(value)) {
    Target().insert_or_assign(frame, value);
  } else {
    Target().erase(frame);
  }
}

void TdvDataValueGroup::RemoveValue(std::int32_t frame) {
  values.erase(frame);
  if (UsesRawList()) {
    rawValues.erase(frame);
  }
}

void TdvDataValueGroup::Clear() {
  values.clear();
  rawValues.clear();
  cursor.reset();
}

bool TdvDataValueGroup::IsActive() const {
  switch (quantity) {
    case kQuantityTime:
    case kQuantityXPos:
    case kQuantityYPos:
    case kQuantityLength:
    case kQuantityCount:
    case kQuantityScale:
    case kQuantityAngle:
      return true;
    default:
      return useCount > 0;
  }
}

bool TdvDataValueGroup::IsRaw() const {
  return quantity == kQuantityTime || quantity == kQuantityXPos || quantity == kQuantityYPos ||
         quantity == kQuantityRotation ||
         (quantity >= kQuantityLength && quantity <= kQuantityAngle);
}
