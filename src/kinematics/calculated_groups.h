#pragma once

#include <cstdint>
#include <optional>

#include "kinematics/model_value_group.h"

// Combines one or two input groups value by value, at the frames where the
// inputs have values. The subclasses differ only in the formula.
class TdvModelCalculatedGroup : public TdvModelDataValueGroup {
 public:
  static constexpr int kClassCode = 'I';

  TdvModelCalculatedGroup(int quantity, std::uint8_t mode);

  bool IsA(int code) const override {
    return code == kClassCode || TdvModelDataValueGroup::IsA(code);
  }
  bool Compute(std::int32_t frame, bool incremental) override;
  void SetupInputs() override;

  virtual double Combine1(double a, double mass);
  virtual double Combine2(double a, double b, double mass);

  bool TwoInputs() const { return twoInputs; }

 private:
  void ComputeFull(double mass);
  // The value at one frame from the first input's value a there, or none.
  std::optional<double> ComputeFrame(std::int32_t frame, double a, double mass);
  void ComputeSpans(const TdvChangedFrames& inputChanges, double mass);

  bool twoInputs = false;
};

class TdvModelRadiusGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelRadiusGroup(int quantity);
  double Combine2(double a, double b, double mass) override;
};

class TdvModelDisplacementGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelDisplacementGroup(int quantity);
  double Combine2(double a, double b, double mass) override;
};

// Direction of a vector, in radians.
class TdvModelVectorAngleGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelVectorAngleGroup(int quantity);
  double Combine2(double a, double b, double mass) override;
};

class TdvModelSpeedGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelSpeedGroup(int quantity);
  double Combine2(double a, double b, double mass) override;
};

class TdvModelAccelerationMagnitudeGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelAccelerationMagnitudeGroup(int quantity);
  double Combine2(double a, double b, double mass) override;
};

class TdvModelMomentumGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelMomentumGroup(int quantity);
  double Combine1(double a, double mass) override;
  double Combine2(double a, double b, double mass) override;
};

class TdvModelKineticEnergyGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelKineticEnergyGroup(int quantity);
  double Combine1(double a, double mass) override;
  double Combine2(double a, double b, double mass) override;
};

// g is taken in the length unit of the position it multiplies.
class TdvModelPotentialEnergyGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelPotentialEnergyGroup(int quantity);
  double Combine1(double a, double mass) override;
};

class TdvModelTotalEnergyGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelTotalEnergyGroup(int quantity);
  double Combine1(double a, double mass) override;
  double Combine2(double a, double b, double mass) override;
};

class TdvModelForceGroup : public TdvModelCalculatedGroup {
 public:
  explicit TdvModelForceGroup(int quantity);
  double Combine1(double a, double mass) override;
  double Combine2(double a, double b, double mass) override;
};
