#pragma once

#include <cstdint>
#include <optional>

#include "kinematics/data_value_group.h"

// Makes target, on frames from to to, hold exactly compute(it) for each
// element it of [lo, hi) of a source list where that gives a value. Values
// that stay are overwritten in place rather than removed and inserted again,
// which keeps a one-frame update free of allocations. Every source element
// with a frame in [from, to] must lie in [lo, hi).
template <typename Iter, typename Compute>
void RewriteRange(TdvDataValueList& target, std::int32_t from, std::int32_t to, Iter lo, Iter hi,
                  Compute compute) {
  auto t = target.lower_bound(from);
  for (Iter it = lo; it != hi; ++it) {
    while (t != target.end() && t->first < it->first) {
      t = target.erase(t);
    }
    std::optional<double> value = compute(it);
    bool present = t != target.end() && t->first == it->first;
    if (value && present) {
      t->second = *value;
      ++t;
    } else if (value) {
      target.emplace_hint(t, it->first, *value);
    } else if (present) {
      t = target.erase(t);
    }
  }
  while (t != target.end() && t->first <= to) {
    t = target.erase(t);
  }
}
