#pragma once

#include <cstdint>
#include <optional>

#include "graph/fit_owner.h"

class TdvDataValueGroup;

// The scale that calibrates a series at one frame.
struct TdvScaleSample {
  double value = 1.0;
  // A Fixed scale has one value for every frame.
  bool fixed = false;
};

// What graphs need from the document they show: the groups of its data
// table, the scales of its series and a way to tell the user of a failed fit.
class TdvGraphSource : public TdvFitOwner {
 public:
  // The group of quantity of the series, made when missing; none when the
  // series is unknown or the quantity is not computed.
  virtual TdvDataValueGroup* FindGroup(std::int32_t seriesId, std::int32_t quantity) = 0;
  // The scale that applies to the series (the scale of its origin) at
  // frame; nothing when the series has none.
  virtual std::optional<TdvScaleSample> ScaleAt(std::int32_t seriesId, std::int32_t frame) = 0;
};
