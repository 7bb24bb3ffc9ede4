#include "kinematics/calculated_groups.h"

#include <cmath>
#include <utility>

#include "kinematics/data_table.h"
#include "kinematics/data_table_object.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"
#include "kinematics/value_list_rewrite.h"

namespace {

// The quantities a combination is made of; the second is kQuantityNone for
// combinations of one input.
std::pair<int, int> InputsOf(int quantity) {
  switch (quantity) {
    case kQuantityRadius:
    case kQuantityDisplacement:
      return {kQuantityXPos, kQuantityYPos};
    case kQuantityVelocityDirection:
    case kQuantitySpeed:
    case kQuantityMomentum:
    case kQuantityKineticEnergy:
      return {kQuantityXVelocity, kQuantityYVelocity};
    case kQuantityAccelerationDirection:
    case kQuantityAcceleration:
    case kQuantityNetForce:
      return {kQuantityXAcceleration, kQuantityYAcceleration};
    case kQuantityXMomentum:
    case kQuantityXKineticEnergy:
      return {kQuantityXVelocity, kQuantityNone};
    case kQuantityYMomentum:
    case kQuantityYKineticEnergy:
      return {kQuantityYVelocity, kQuantityNone};
    case kQuantityAngularMomentum:
    case kQuantityAngularKineticEnergy:
      return {kQuantityAngularVelocity, kQuantityNone};
    case kQuantityMomentumDirection:
      return {kQuantityXMomentum, kQuantityYMomentum};
    case kQuantityMgx:
      return {kQuantityXPos, kQuantityNone};
    case kQuantityMgy:
      return {kQuantityYPos, kQuantityNone};
    case kQuantityTotalEnergy:
      return {kQuantityMgy, kQuantityKineticEnergy};
    case kQuantityXNetForce:
      return {kQuantityXAcceleration, kQuantityNone};
    case kQuantityYNetForce:
      return {kQuantityYAcceleration, kQuantityNone};
    case kQuantityNetForceDirection:
      return {kQuantityXNetForce, kQuantityYNetForce};
    default:
      return {kQuantityNone, kQuantityNone};
  }
}

double Magnitude(double a, double b) {
  return std::sqrt(a * a + b * b);
}

}  // namespace

TdvModelCalculatedGroup::TdvModelCalculatedGroup(int quantityCode, std::uint8_t groupMode)
    : TdvModelDataValueGroup(quantityCode, groupMode) {}

void TdvModelCalculatedGroup::SetupInputs() {
  inputs.clear();
  twoInputs = false;
  if (owner == nullptr) {
    return;
  }
  auto [first, second] = InputsOf(quantity);
  TdvDataValueGroup* a = first == kQuantityNone ? nullptr : owner->GetGroup(first);
  if (a == nullptr) {
    return;
  }
  inputs.push_back(a);
  if (second != kQuantityNone) {
    if (TdvDataValueGroup* b = owner->GetGroup(second)) {
      inputs.push_back(b);
      twoInputs = true;
    } else {
      inputs.clear();
    }
  }
}

double TdvModelCalculatedGroup::Combine1(double, double) {
  return 0.0;
}

double TdvModelCalculatedGroup::Combine2(double, double, double) {
  return 0.0;
}

bool TdvModelCalculatedGroup::Compute(std::int32_t, bool incremental) {
  double mass = table != nullptr && owner != nullptr ? table->GetMass(owner->SeriesId()) : 0.0;
  if (inputs.empty()) {
    Clear();
    return true;
  }
  if (IsFullPass(incremental)) {
    ComputeFull(mass);
    return true;
  }
  // Smoothed inputs change far from the edited frame; such groups are always
  // recomputed whole.
  std::uint8_t firstMode = inputs[0]->Mode();
  if (firstMode == kGroupAlwaysFull || firstMode == kGroupSmoothed || !InputsChangedLocally()) {
    return false;
  }
  for (const TdvDataValueGroup* input : inputs) {
    ComputeSpans(input->Changes(), mass);
  }
  return true;
}

void TdvModelCalculatedGroup::ComputeFull(double mass) {
  values.clear();
  const TdvDataValueList& first = inputs[0]->Values();
  if (!twoInputs) {
    for (const auto& [frame, a] : first) {
      values.emplace_hint(values.end(), frame, Combine1(a, mass));
    }
    return;
  }
  // Values are paired by frame, walking both lists in step.
  const TdvDataValueList& second = inputs[1]->Values();
  auto b = second.begin();
  for (const auto& [frame, a] : first) {
    while (b != second.end() && b->first < frame) {
      ++b;
    }
    if (b != second.end() && b->first == frame) {
      values.emplace_hint(values.end(), frame, Combine2(a, b->second, mass));
    }
  }
}

std::optional<double> TdvModelCalculatedGroup::ComputeFrame(std::int32_t frame, double a,
                                                            double mass) {
  if (!twoInputs) {
    return Combine1(a, mass);
  }
  if (std::optional<double> b = inputs[1]->GetValue(frame)) {
    return Combine2(a, *b, mass);
  }
  return std::nullopt;
}

void TdvModelCalculatedGroup::ComputeSpans(const TdvChangedFrames& inputChanges, double mass) {
  const TdvDataValueList& first = inputs[0]->Values();
  for (const TdvChangedFrames::Span& span : inputChanges.Spans()) {
    RewriteRange(values, span.first, span.last, first.lower_bound(span.first),
                 first.upper_bound(span.last),
                 [&](auto it) { return ComputeFrame(it->first, it->second, mass); });
    changes.Add(span.first, span.last);
  }
}

TdvModelRadiusGroup::TdvModelRadiusGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupPlain) {}

double TdvModelRadiusGroup::Combine2(double a, double b, double) {
  return Magnitude(a, b);
}

TdvModelDisplacementGroup::TdvModelDisplacementGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupPlain) {}

double TdvModelDisplacementGroup::Combine2(double a, double b, double) {
  return Magnitude(a, b);
}

TdvModelVectorAngleGroup::TdvModelVectorAngleGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupPlain) {}

double TdvModelVectorAngleGroup::Combine2(double a, double b, double) {
  if (a == 0.0 && b == 0.0) {
    return 0.0;
  }
  return std::atan2(b, a);
}

TdvModelSpeedGroup::TdvModelSpeedGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupPlain) {}

double TdvModelSpeedGroup::Combine2(double a, double b, double) {
  return Magnitude(a, b);
}

TdvModelAccelerationMagnitudeGroup::TdvModelAccelerationMagnitudeGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupAlwaysFull) {}

double TdvModelAccelerationMagnitudeGroup::Combine2(double a, double b, double) {
  return Magnitude(a, b);
}

TdvModelMomentumGroup::TdvModelMomentumGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupPlain) {}

double TdvModelMomentumGroup::Combine1(double a, double mass) {
  return a * mass;
}

double TdvModelMomentumGroup::Combine2(double a, double b, double mass) {
  return Magnitude(a, b) * mass;
}

TdvModelKineticEnergyGroup::TdvModelKineticEnergyGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupPlain) {}

double TdvModelKineticEnergyGroup::Combine1(double a, double mass) {
  return 0.5 * a * a * mass;
}

double TdvModelKineticEnergyGroup::Combine2(double a, double b, double mass) {
  return 0.5 * (a * a + b * b) * mass;
}

TdvModelPotentialEnergyGroup::TdvModelPotentialEnergyGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupPlain) {}

double TdvModelPotentialEnergyGroup::Combine1(double a, double mass) {
  double g = Inputs().empty() ? 1.0 : ConvertUnit(kGravity, Inputs()[0]->Unit(), true);
  return g * (a * mass);
}

TdvModelTotalEnergyGroup::TdvModelTotalEnergyGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupPlain) {}

double TdvModelTotalEnergyGroup::Combine1(double a, double) {
  return a;
}

double TdvModelTotalEnergyGroup::Combine2(double a, double b, double) {
  return a + b;
}

TdvModelForceGroup::TdvModelForceGroup(int quantityCode)
    : TdvModelCalculatedGroup(quantityCode, kGroupAlwaysFull) {}

double TdvModelForceGroup::Combine1(double a, double mass) {
  return a * mass;
}

double TdvModelForceGroup::Combine2(double a, double b, double mass) {
  return Magnitude(a, b) * mass;
}
