#pragma once

#include <cstdint>
#include <vector>

// The frames on which one update touched a group's values. Groups computed
// from that group read it to recompute only there, so that a change on one
// frame never walks a whole series.
class TdvChangedFrames {
 public:
  struct Span {
    std::int32_t first = 0;
    std::int32_t last = 0;
  };

  void Clear();
  // Everything may have changed; readers recompute in full.
  void MarkAll();
  // Frames first to last, inclusive, may have changed.
  void Add(std::int32_t first, std::int32_t last);

  bool All() const { return all; }
  bool Empty() const { return !all && spans.empty(); }
  const std::vector<Span>& Spans() const { return spans; }

 private:
  std::vector<Span> spans;
  bool all = false;
};
