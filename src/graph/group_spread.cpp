#include "graph/group_spread.h"

#include <algorithm>

#include "kinematics/data_value_group.h"

TdvGroupSpread SpreadOf(const TdvDataValueGroup* group) {
  if (group == nullptr || group->Values().empty()) {
    return {};
  }
  const TdvDataValueList& values = group->Values();
  if (values.size() == 1) {
    const double v = values.begin()->second;
    return {v - 5.0, v + 5.0, v};
  }
  TdvGroupSpread spread{values.begin()->second, values.begin()->second, 0.0};
  double sum = 0.0;
  for (const auto& [frame, value] : values) {
    spread.minimum = std::min(spread.minimum, value);
    spread.maximum = std::max(spread.maximum, value);
    sum += value;
  }
  spread.mean = sum / static_cast<double>(values.size());
  return spread;
}

bool IsSmoothed(const TdvDataValueGroup* group) {
  return group != nullptr && (group->Mode() == kGroupAlwaysFull || group->Mode() == kGroupSmoothed);
}
