#include "kinematics/value_group_factory.h"

#include "kinematics/angle_group.h"
#include "kinematics/calculated_groups.h"
#include "kinematics/derivative_groups.h"
#include "kinematics/quantity_table.h"

namespace {

std::unique_ptr<TdvDataValueGroup> MakeCalculatedGroup(int quantity) {
  switch (quantity) {
    case kQuantityRadius:
      return std::make_unique<TdvModelRadiusGroup>(quantity);
    case kQuantityDisplacement:
      return std::make_unique<TdvModelDisplacementGroup>(quantity);
    case kQuantityVelocityDirection:
    case kQuantityAccelerationDirection:
    case kQuantityMomentumDirection:
    case kQuantityNetForceDirection:
      return std::make_unique<TdvModelVectorAngleGroup>(quantity);
    case kQuantitySpeed:
      return std::make_unique<TdvModelSpeedGroup>(quantity);
    case kQuantityAcceleration:
      return std::make_unique<TdvModelAccelerationMagnitudeGroup>(quantity);
    case kQuantityXMomentum:
    case kQuantityYMomentum:
    case kQuantityAngularMomentum:
    case kQuantityMomentum:
      return std::make_unique<TdvModelMomentumGroup>(quantity);
    case kQuantityXKineticEnergy:
    case kQuantityYKineticEnergy:
    case kQuantityAngularKineticEnergy:
    case kQuantityKineticEnergy:
      return std::make_unique<TdvModelKineticEnergyGroup>(quantity);
    case kQuantityMgx:
    case kQuantityMgy:
      return std::make_unique<TdvModelPotentialEnergyGroup>(quantity);
    case kQuantityTotalEnergy:
      return std::make_unique<TdvModelTotalEnergyGroup>(quantity);
    case kQuantityXNetForce:
    case kQuantityYNetForce:
    case kQuantityNetForce:
      return std::make_unique<TdvModelForceGroup>(quantity);
    default:
      return nullptr;
  }
}

}  // namespace

std::unique_ptr<TdvDataValueGroup> MakeValueGroup(int quantity) {
  switch (quantity) {
    case kQuantityTime:
    case kQuantityXPos:
    case kQuantityYPos:
    case kQuantityRotation:
    case kQuantityLength:
    case kQuantityCount:
    case kQuantityScale:
    case kQuantityAngle:
      return std::make_unique<TdvDataValueGroup>(quantity, kGroupPlain);
    case kQuantityTheta:
      return std::make_unique<TdvModelAngleGroup>(quantity);
    case kQuantityXVelocity:
    case kQuantityYVelocity:
    case kQuantityAngularVelocity:
    case kQuantityDeltaR:
    case kQuantityRotationVelocity:
      return std::make_unique<TdvModelVelocityGroup>(quantity);
    case kQuantityXAcceleration:
    case kQuantityYAcceleration:
    case kQuantityAngularAcceleration:
    case kQuantityRadialAcceleration:
    case kQuantityRotationAcceleration:
      return std::make_unique<TdvModelAccelerationGroup>(quantity);
    default:
      return MakeCalculatedGroup(quantity);
  }
}
