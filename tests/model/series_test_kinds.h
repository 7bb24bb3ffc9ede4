#pragma once

#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>

#include "model/series.h"
#include "model/series_units.h"

// Stand-ins for the kinds of series that other parts of the model provide,
// reduced to what the base class asks of them.

// An origin with a position and rotation given by the test.
class TestOrigin : public TdvDataObject {
 public:
  bool IsPointType() const override { return true; }
  bool GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t) override {
    angle = rotation;
    if (!placed) {
      return false;
    }
    point = position;
    return true;
  }

  bool placed = true;
  TdvRealPoint position{0.0, 0.0};
  double rotation = 0.0;
};

// A series that claims the given class codes, to check how the record
// names kinds.
class CodedSeries : public TdvDataObject {
 public:
  explicit CodedSeries(std::initializer_list<int> codes) : codes_(codes) {}
  bool IsA(int code) const override { return codes_.count(code) > 0 || TdvDataObject::IsA(code); }

 private:
  std::set<int> codes_;
};

// A base series whose kind text can be set, as every real kind sets its own.
class LabelledSeries : public TdvDataObject {
 public:
  explicit LabelledSeries(const std::string& label) { typeLabel = label; }
};
