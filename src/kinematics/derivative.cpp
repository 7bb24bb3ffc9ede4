#include "kinematics/derivative.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>

#include "kinematics/value_list_rewrite.h"

namespace {

using Iter = TdvDataValueList::const_iterator;

std::optional<double> ThreePoint(const TdvDataValueList& time, Iter prev, Iter cur, Iter next) {
  auto t0 = time.find(prev->first);
  auto t1 = time.find(cur->first);
  auto t2 = time.find(next->first);
  if (t0 == time.end() || t1 == time.end() || t2 == time.end()) {
    return std::nullopt;
  }
  double h1 = t1->second - t0->second;
  double h2 = t2->second - t1->second;
  if (h1 == 0.0) {
    return std::nullopt;
  }
  double r = h2 / h1;
  if (r == 0.0) {
    return std::nullopt;
  }
  double span = t2->second - t0->second;
  return (r - 1.0 / r) * (cur->second - prev->second) / span +
         (next->second - prev->second) / (span * r);
}

// A derivative that overflows has no value on that frame, as one without
// neighbours has none.
void SetOrErase(TdvDataValueList& list, std::int32_t frame, std::optional<double> value) {
  if (value && std::isfinite(*value)) {
    list.insert_or_assign(frame, *value);
  } else {
    list.erase(frame);
  }
}

std::optional<double> Extrapolate(const TdvDataValueList& target, std::int32_t nearFrame,
                                  std::int32_t farFrame) {
  auto nearValue = target.find(nearFrame);
  auto farValue = target.find(farFrame);
  if (nearValue == target.end() || farValue == target.end()) {
    return std::nullopt;
  }
  return 2.0 * nearValue->second - farValue->second;
}

// With fewer than four data points there is at most one interior value and
// nothing to extrapolate from.
void ExtrapolateEnds(const TdvDataValueList& source, TdvDataValueList& target) {
  if (source.empty()) {
    return;
  }
  Iter first = source.begin();
  Iter last = std::prev(source.end());
  if (source.size() < 4) {
    target.erase(first->first);
    target.erase(last->first);
    return;
  }
  SetOrErase(target, last->first,
             Extrapolate(target, std::prev(last)->first, std::prev(last, 2)->first));
  SetOrErase(target, first->first,
             Extrapolate(target, std::next(first)->first, std::next(first, 2)->first));
}

std::optional<double> ValueAt(const TdvDataValueList& list, std::int32_t frame) {
  auto it = list.find(frame);
  return it == list.end() ? std::nullopt : std::optional<double>(it->second);
}

bool SameValue(std::optional<double> a, std::optional<double> b) {
  if (!a || !b) {
    return !a && !b;
  }
  return std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

// The window [lo, hi) of source around a changed span, widened by `reach`
// data points on each side, and the frames it covers together with the span.
struct Window {
  Iter lo;
  Iter hi;
  std::int32_t from;
  std::int32_t to;
};

Window WidenedWindow(const TdvDataValueList& source, const TdvChangedFrames::Span& span,
                     int reach) {
  Window w{source.lower_bound(span.first), source.upper_bound(span.last), span.first, span.last};
  for (int i = 0; i < reach && w.lo != source.begin(); ++i) {
    --w.lo;
  }
  for (int i = 0; i < reach && w.hi != source.end(); ++i) {
    ++w.hi;
  }
  if (w.lo != w.hi) {
    w.from = std::min(w.from, w.lo->first);
    w.to = std::max(w.to, std::prev(w.hi)->first);
  }
  return w;
}

bool HasNeighbours(const TdvDataValueList& list, Iter it, int count) {
  Iter back = it;
  Iter ahead = it;
  for (int i = 0; i < count; ++i) {
    if (back == list.begin() || std::next(ahead) == list.end()) {
      return false;
    }
    --back;
    ++ahead;
  }
  return true;
}

double SmoothedAt(Iter it) {
  return (std::prev(it)->second + std::next(it)->second) * (1.0 - kSmoothingWeight) * 0.5 +
         kSmoothingWeight * it->second;
}

}  // namespace

void DerivativeFull(const TdvDataValueList& time, const TdvDataValueList& source,
                    TdvDataValueList& target) {
  target.clear();
  if (source.size() >= 3) {
    for (Iter cur = std::next(source.begin()); std::next(cur) != source.end(); ++cur) {
      if (auto d = ThreePoint(time, std::prev(cur), cur, std::next(cur))) {
        target.emplace_hint(target.end(), cur->first, *d);
      }
    }
  }
  ExtrapolateEnds(source, target);
}

void DerivativeUpdate(const TdvDataValueList& time, const TdvDataValueList& source,
                      const TdvChangedFrames& sourceChanges, TdvDataValueList& target,
                      TdvChangedFrames& targetChanges) {
  if (source.size() < 4) {
    DerivativeFull(time, source, target);
    targetChanges.MarkAll();
    return;
  }
  for (const TdvChangedFrames::Span& span : sourceChanges.Spans()) {
    Window w = WidenedWindow(source, span, 1);
    RewriteRange(target, w.from, w.to, w.lo, w.hi, [&](Iter it) -> std::optional<double> {
      if (!HasNeighbours(source, it, 1)) {
        return std::nullopt;
      }
      return ThreePoint(time, std::prev(it), it, std::next(it));
    });
    targetChanges.Add(w.from, w.to);
  }
  std::int32_t first = source.begin()->first;
  std::int32_t last = source.rbegin()->first;
  std::optional<double> oldFirst = ValueAt(target, first);
  std::optional<double> oldLast = ValueAt(target, last);
  ExtrapolateEnds(source, target);
  // An end that comes out as before is left out, so that groups computed from
  // this one do not recompute there on every change.
  if (!SameValue(oldFirst, ValueAt(target, first))) {
    targetChanges.Add(first, first);
  }
  if (!SameValue(oldLast, ValueAt(target, last))) {
    targetChanges.Add(last, last);
  }
}

void SmoothFull(const TdvDataValueList& raw, TdvDataValueList& smoothed) {
  smoothed.clear();
  if (raw.size() <= 3) {
    smoothed = raw;
    return;
  }
  if (raw.size() == 4) {
    return;
  }
  Iter stop = std::prev(raw.end(), 2);
  for (Iter it = std::next(raw.begin(), 2); it != stop; ++it) {
    smoothed.emplace_hint(smoothed.end(), it->first, SmoothedAt(it));
  }
}

void SmoothUpdate(const TdvDataValueList& raw, std::size_t oldRawCount,
                  const TdvChangedFrames& rawChanges, TdvDataValueList& smoothed,
                  TdvChangedFrames& smoothedChanges) {
  // Below five values the rule for the whole list differs; rebuilding such a
  // short list costs nothing.
  if (raw.size() < 5 || oldRawCount < 5) {
    SmoothFull(raw, smoothed);
    smoothedChanges.MarkAll();
    return;
  }
  for (const TdvChangedFrames::Span& span : rawChanges.Spans()) {
    // A value needs two neighbours on each side, so an inserted or removed
    // value changes the standing of two values on either side of it.
    Window w = WidenedWindow(raw, span, 2);
    RewriteRange(smoothed, w.from, w.to, w.lo, w.hi, [&](Iter it) -> std::optional<double> {
      if (!HasNeighbours(raw, it, 2)) {
        return std::nullopt;
      }
      return SmoothedAt(it);
    });
    smoothedChanges.Add(w.from, w.to);
  }
}
