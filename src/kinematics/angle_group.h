#pragma once

#include <cstdint>

#include "kinematics/model_value_group.h"

// Polar angle of (x-pos, y-pos), kept continuous so that it runs on past a
// half turn instead of jumping by a whole one. rawValues holds atan2 of each
// point; `values` the continuous angle in the group's unit.
class TdvModelAngleGroup : public TdvModelDataValueGroup {
 public:
  static constexpr int kClassCode = 'K';

  explicit TdvModelAngleGroup(int quantity);

  bool IsA(int code) const override {
    return code == kClassCode || TdvModelDataValueGroup::IsA(code);
  }
  bool Compute(std::int32_t frame, bool incremental) override;
  void SetupInputs() override;
  void Clear() override;

 private:
  void ComputeFull();
  void ComputeSpan(std::int32_t first, std::int32_t last);
  // The continuous angle of every raw value from `from` on, stopping once a
  // result past `last` equals what was there before.
  void FollowFrom(TdvDataValueList::const_iterator from, std::int32_t last);
  double Stored(double radians) const;

  // The continuous angle in radians, the reference of the next value
  // whatever unit `values` is shown in.
  TdvDataValueList continuous;
};
