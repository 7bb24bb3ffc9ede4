#include "kinematics/derivative_groups.h"

#include "kinematics/data_table.h"
#include "kinematics/data_table_object.h"
#include "kinematics/derivative.h"
#include "kinematics/quantity_table.h"

namespace {

// The quantity a derivative is taken of.
int SourceOf(int quantity) {
  switch (quantity) {
    case kQuantityXVelocity:
      return kQuantityXPos;
    case kQuantityYVelocity:
      return kQuantityYPos;
    case kQuantityAngularVelocity:
      return kQuantityTheta;
    case kQuantityDeltaR:
      return kQuantityRadius;
    case kQuantityRotationVelocity:
      return kQuantityRotation;
    case kQuantityXAcceleration:
      return kQuantityXVelocity;
    case kQuantityYAcceleration:
      return kQuantityYVelocity;
    case kQuantityAngularAcceleration:
      return kQuantityAngularVelocity;
    case kQuantityRadialAcceleration:
      return kQuantityDeltaR;
    case kQuantityRotationAcceleration:
      return kQuantityRotationVelocity;
    default:
      return kQuantityNone;
  }
}

// Time group, then source group; nothing when either cannot be had.
void SetupDerivativeInputs(std::vector<TdvDataValueGroup*>& inputs, TdvDataTable* table,
                           TdvDataTableObject* owner, int quantity) {
  inputs.clear();
  if (table == nullptr || owner == nullptr) {
    return;
  }
  TdvDataValueGroup* time = table->TimeGroup();
  TdvDataValueGroup* source = owner->GetGroup(SourceOf(quantity));
  if (time != nullptr && source != nullptr) {
    inputs = {time, source};
  }
}

}  // namespace

TdvModelVelocityGroup::TdvModelVelocityGroup(int quantityCode)
    : TdvModelDataValueGroup(quantityCode, kGroupPlain) {}

void TdvModelVelocityGroup::SetupInputs() {
  SetupDerivativeInputs(inputs, table, owner, quantity);
}

bool TdvModelVelocityGroup::Compute(std::int32_t, bool incremental) {
  if (inputs.size() != 2) {
    Clear();
    return true;
  }
  const TdvDataValueList& time = inputs[0]->Values();
  const TdvDataValueList& source = inputs[1]->Values();
  if (IsFullPass(incremental)) {
    DerivativeFull(time, source, values);
    return true;
  }
  if (!InputsChangedLocally()) {
    return false;
  }
  DerivativeUpdate(time, source, inputs[1]->Changes(), values, changes);
  return true;
}

TdvModelAccelerationGroup::TdvModelAccelerationGroup(int quantityCode)
    : TdvModelDataValueGroup(quantityCode, kGroupSmoothed) {}

void TdvModelAccelerationGroup::SetupInputs() {
  SetupDerivativeInputs(inputs, table, owner, quantity);
}

bool TdvModelAccelerationGroup::Compute(std::int32_t, bool incremental) {
  if (inputs.size() != 2) {
    Clear();
    return true;
  }
  const TdvDataValueList& time = inputs[0]->Values();
  const TdvDataValueList& source = inputs[1]->Values();
  if (IsFullPass(incremental)) {
    DerivativeFull(time, source, rawValues);
    SmoothFull(rawValues, values);
    return true;
  }
  if (!InputsChangedLocally()) {
    return false;
  }
  std::size_t oldRawCount = rawValues.size();
  TdvChangedFrames rawChanges;
  DerivativeUpdate(time, source, inputs[1]->Changes(), rawValues, rawChanges);
  if (rawChanges.All()) {
    SmoothFull(rawValues, values);
    changes.MarkAll();
  } else {
    SmoothUpdate(rawValues, oldRawCount, rawChanges, values, changes);
  }
  return true;
}
