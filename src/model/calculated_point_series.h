#pragma once

#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "model/calculated_series.h"

// The calculated series that have a position on every frame and can serve
// as origins. Their per-frame value, like a point's, is the rotation of the
// coordinate system they start.

// The centre of mass of any number of included items, weighted by their
// masses. Its own mass is the total of theirs.
class TdvCalculatedCM : public TdvCalculatedObject {
 public:
  TdvCalculatedCM();

  bool IsA(int code) const override {
    return code == kCalculatedCMCode || TdvCalculatedObject::IsA(code);
  }
  std::unique_ptr<TdvObject> Clone() const override;

  bool IsPointType() const override { return true; }
  bool GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame) override;
  int TableWidth() const override { return isOrigin != 0 ? 150 : 100; }
  int TableColumns() const override { return isOrigin != 0 ? 3 : 2; }
  int ColumnWidth() const override { return 50; }

  // The centre on the frame, rounded (p) and exact (c); the series' mass
  // becomes the total mass of the items. False when an item has no
  // position or the masses add up to nothing.
  bool ComputeCentre(TdvPoint& p, TdvRealPoint& c, std::int32_t frame);
  // Mass of the included items that exist, whether placed or not.
  double TotalMass();
  double ShownMass() override { return TotalMass(); }

 protected:
  TdvCalculatedCM(const TdvCalculatedCM&) = default;
};

// A point placed relative to two included items A and B: along AB by the
// fraction along, and at right angles to AB (counter-clockwise, y up) by
// the fraction perp of AB's length.
class TdvCalculatedDesPt : public TdvCalculatedObject {
 public:
  TdvCalculatedDesPt();

  bool IsA(int code) const override {
    return code == kCalculatedDesPtCode || TdvCalculatedObject::IsA(code);
  }
  std::unique_ptr<TdvObject> Clone() const override;

  bool IsPointType() const override { return true; }
  bool GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame) override;
  int TableWidth() const override { return 100; }
  int TableColumns() const override { return isOrigin != 0 ? 3 : 2; }
  int ColumnWidth() const override { return 50; }
  void RemoveIncluded(std::int32_t id) override { EmptyPlaceOf(id); }
  void SetRealValue(std::int32_t tag, double value) override;
  void WriteExtraGroups(TdvTaggedWriter& writer) override;

  bool ComputePosition(TdvPoint& p, TdvRealPoint& c, std::int32_t frame);

  double GetAlong() const { return along; }
  void SetAlong(double fraction);
  double GetPerp() const { return perp; }
  void SetPerp(double fraction);

 protected:
  TdvCalculatedDesPt(const TdvCalculatedDesPt&) = default;

 private:
  double along = 0.7;
  double perp = 0.0;
};
