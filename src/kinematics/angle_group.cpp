#include "kinematics/angle_group.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

#include "foundation/angles.h"
#include "kinematics/data_table_object.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"

namespace {

double RawAngle(double x, double y) {
  if (x == 0.0 && y == 0.0) {
    return 0.0;
  }
  return std::atan2(y, x);
}

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace

TdvModelAngleGroup::TdvModelAngleGroup(int quantityCode)
    : TdvModelDataValueGroup(quantityCode, kGroupContinuousAngle) {}

void TdvModelAngleGroup::SetupInputs() {
  inputs.clear();
  if (owner == nullptr) {
    return;
  }
  TdvDataValueGroup* x = owner->GetGroup(kQuantityXPos);
  TdvDataValueGroup* y = owner->GetGroup(kQuantityYPos);
  if (x != nullptr && y != nullptr) {
    inputs = {x, y};
  }
}

void TdvModelAngleGroup::Clear() {
  TdvDataValueGroup::Clear();
  continuous.clear();
}

double TdvModelAngleGroup::Stored(double radians) const {
  return unit == kUnitDegrees ? RadToDeg(radians) : radians;
}

bool TdvModelAngleGroup::Compute(std::int32_t, bool incremental) {
  if (inputs.size() != 2) {
    Clear();
    return true;
  }
  if (IsFullPass(incremental)) {
    ComputeFull();
    return true;
  }
  if (!InputsChangedLocally()) {
    return false;
  }
  std::vector<TdvChangedFrames::Span> spans = inputs[0]->Changes().Spans();
  const auto& ySpans = inputs[1]->Changes().Spans();
  spans.insert(spans.end(), ySpans.begin(), ySpans.end());
  std::sort(spans.begin(), spans.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const TdvChangedFrames::Span& span : spans) {
    ComputeSpan(span.first, span.last);
  }
  return true;
}

void TdvModelAngleGroup::ComputeFull() {
  rawValues.clear();
  const TdvDataValueList& y = inputs[1]->Values();
  for (const auto& [frame, x] : inputs[0]->Values()) {
    auto yAt = y.find(frame);
    if (yAt != y.end()) {
      rawValues.emplace_hint(rawValues.end(), frame, RawAngle(x, yAt->second));
    }
  }
  values.clear();
  continuous.clear();
  FollowFrom(rawValues.begin(), std::numeric_limits<std::int32_t>::max());
}

void TdvModelAngleGroup::ComputeSpan(std::int32_t first, std::int32_t last) {
  rawValues.erase(rawValues.lower_bound(first), rawValues.upper_bound(last));
  values.erase(values.lower_bound(first), values.upper_bound(last));
  continuous.erase(continuous.lower_bound(first), continuous.upper_bound(last));
  const TdvDataValueList& xs = inputs[0]->Values();
  const TdvDataValueList& ys = inputs[1]->Values();
  for (auto it = xs.lower_bound(first); it != xs.end() && it->first <= last; ++it) {
    auto yAt = ys.find(it->first);
    if (yAt != ys.end()) {
      rawValues.emplace(it->first, RawAngle(it->second, yAt->second));
    }
  }
  changes.Add(first, last);
  FollowFrom(rawValues.lower_bound(first), last);
}

void TdvModelAngleGroup::FollowFrom(TdvDataValueList::const_iterator from, std::int32_t last) {
  if (from == rawValues.end()) {
    return;
  }
  double reference = 0.0;
  if (from != rawValues.begin()) {
    auto before = continuous.find(std::prev(from)->first);
    if (before != continuous.end()) {
      reference = before->second;
    }
  }
  std::int32_t start = from->first;
  std::int32_t reached = start;
  for (auto it = from; it != rawValues.end(); ++it) {
    double angle = NormalizeAngle(it->second, reference, kAngleRangeContinuous);
    auto old = continuous.find(it->first);
    // Past the changed frames, a value that comes out as before means that
    // every later one does too.
    if (it->first > last && old != continuous.end() && SameBits(old->second, angle)) {
      break;
    }
    continuous.insert_or_assign(it->first, angle);
    values.insert_or_assign(it->first, Stored(angle));
    reference = angle;
    reached = it->first;
  }
  changes.Add(start, reached);
}
