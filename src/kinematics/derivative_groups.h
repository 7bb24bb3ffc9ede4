#pragma once

#include <cstdint>

#include "kinematics/model_value_group.h"

// Rate of change of a quantity over the data points of its series: inputs
// are the time group and the source group.
class TdvModelVelocityGroup : public TdvModelDataValueGroup {
 public:
  static constexpr int kClassCode = 'J';

  explicit TdvModelVelocityGroup(int quantity);

  bool IsA(int code) const override {
    return code == kClassCode || TdvModelDataValueGroup::IsA(code);
  }
  bool Compute(std::int32_t frame, bool incremental) override;
  void SetupInputs() override;
};

// Rate of change of a velocity, then smoothed: the derivative is kept in
// rawValues and `values` holds the smoothed series.
class TdvModelAccelerationGroup : public TdvModelDataValueGroup {
 public:
  explicit TdvModelAccelerationGroup(int quantity);

  bool Compute(std::int32_t frame, bool incremental) override;
  void SetupInputs() override;
};
