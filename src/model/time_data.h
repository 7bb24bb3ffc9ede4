#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/object.h"
#include "model/series_codes.h"

// One datum of one frame of a series: a position in movie units and a value
// (the rotation of the coordinate system that a point starts when it is an
// origin; 0.0 for the other kinds).
class TdvTimeData : public TdvObject {
 public:
  TdvTimeData() = default;
  TdvTimeData(std::int32_t x, std::int32_t y, double value) : x(x), y(y), value(value) {}

  bool IsA(int code) const override { return code == kTimeDataCode || code == 0; }
  std::unique_ptr<TdvObject> Clone() const override { return std::make_unique<TdvTimeData>(*this); }

  bool HasPosition() const { return x != kNoPosition; }

  std::int32_t x = 0;
  std::int32_t y = 0;
  double value = 0.0;
};

// One entry of the list of transformed frames of an origin: from
// startFrame on, the origin is carried along through its transform point.
class TdvTransformedFrame : public TdvObject {
 public:
  TdvTransformedFrame() = default;
  TdvTransformedFrame(std::string name, std::int32_t startFrame, std::int32_t useTransformPoint)
      : name(std::move(name)), startFrame(startFrame), useTransformPoint(useTransformPoint) {}

  bool IsA(int code) const override { return code == kTransformedFrameCode || code == 0; }
  std::unique_ptr<TdvObject> Clone() const override {
    return std::make_unique<TdvTransformedFrame>(*this);
  }

  std::string name;
  std::int32_t startFrame = 0;
  std::int32_t useTransformPoint = 0;
};
