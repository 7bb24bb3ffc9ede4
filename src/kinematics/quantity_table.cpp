#include "kinematics/quantity_table.h"

#include <array>
#include <string_view>

namespace {

struct TdvQuantityEntry {
  TdvQuantityCode code;
  std::string_view fullName;
  std::string_view shortName;
  TdvQuantityCategory category;
  TdvQuantityComponent component;
  TdvUnitKind unitKind;
};

using K = TdvUnitKind;

// The asterisks belong to the names and are shown wherever a name is shown.
// The unnamed entries between named ones are the directions of vectors.
constexpr std::array<TdvQuantityEntry, 45> kQuantities = {{
    {kQuantityNone, "", "", kCategoryPosition, kComponentX, K::kNone},
    {kQuantityTime, "time", "time", kCategoryPosition, kComponentX, K::kTime},
    {kQuantityXPos, "x-pos", "x-pos", kCategoryPosition, kComponentX, K::kLength},
    {kQuantityYPos, "y-pos", "y-pos", kCategoryPosition, kComponentY, K::kLength},
    {kQuantityTheta, "theta", "theta", kCategoryPosition, kComponentAngle, K::kAngle},
    {kQuantityRadius, "radius", "radius", kCategoryPosition, kComponentRadius, K::kLength},
    {kQuantityRotation, "rotation", "rotation", kCategoryPosition, kComponentRotation, K::kAngle},
    {kQuantityDisplacement, "displacement", "disp.", kCategoryPosition, kComponentMagnitude,
     K::kLength},
    {kQuantityXVelocity, "x-velocity", "x-vel.", kCategoryVelocity, kComponentX, K::kVelocity},
    {kQuantityYVelocity, "y-velocity", "y-vel.", kCategoryVelocity, kComponentY, K::kVelocity},
    {kQuantityVelocityDirection, "", "", kCategoryVelocity, kComponentX, K::kNone},
    {kQuantitySpeed, "speed", "speed", kCategoryVelocity, kComponentMagnitude, K::kVelocity},
    {kQuantityAngularVelocity, "angular velocity", "ang.vel.", kCategoryVelocity, kComponentAngle,
     K::kAngularVelocity},
    {kQuantityDeltaR, "delta-r", "delta-r", kCategoryVelocity, kComponentRadius, K::kVelocity},
    {kQuantityRotationVelocity, "rotation velocity", "rot.vel.", kCategoryVelocity,
     kComponentRotation, K::kAngularVelocity},
    {kQuantityXAcceleration, "x-acceleration", "x-accel.", kCategoryAcceleration, kComponentX,
     K::kAcceleration},
    {kQuantityYAcceleration, "y-acceleration", "y-accel.", kCategoryAcceleration, kComponentY,
     K::kAcceleration},
    {kQuantityAccelerationDirection, "", "", kCategoryAcceleration, kComponentX, K::kNone},
    {kQuantityAcceleration, "acceleration", "accel.", kCategoryAcceleration, kComponentMagnitude,
     K::kAcceleration},
    {kQuantityAngularAcceleration, "angular acceleration", "ang.accel.", kCategoryAcceleration,
     kComponentAngle, K::kAngularAcceleration},
    {kQuantityRadialAcceleration, "d^2R/dt^2", "d^2R/dt^2", kCategoryAcceleration, kComponentRadius,
     K::kAcceleration},
    {kQuantityRotationAcceleration, "rotation acceleration", "rot.accel.", kCategoryAcceleration,
     kComponentRotation, K::kAngularAcceleration},
    {kQuantityXMomentum, "x-momentum", "x-mmntm", kCategoryMomentum, kComponentX, K::kMomentum},
    {kQuantityYMomentum, "y-momentum", "y-mmntm", kCategoryMomentum, kComponentY, K::kMomentum},
    {kQuantityAngularMomentum, "angular momentum*", "ang.mmntm*", kCategoryMomentum,
     kComponentAngle, K::kAngularMomentum},
    {kQuantityMomentum, "momentum", "momentum", kCategoryMomentum, kComponentMagnitude,
     K::kMomentum},
    // Deliberately under position, unlike its momentum neighbours.
    {kQuantityMomentumDirection, "", "", kCategoryPosition, kComponentX, K::kNone},
    {kQuantityXKineticEnergy, "x-kinetic energy", "x-KE", kCategoryKineticEnergy, kComponentX,
     K::kEnergy},
    {kQuantityYKineticEnergy, "y-kinetic energy", "y-KE", kCategoryKineticEnergy, kComponentY,
     K::kEnergy},
    {kQuantityAngularKineticEnergy, "angular kinetic energy*", "angular kinetic energy*",
     kCategoryKineticEnergy, kComponentAngle, K::kAngularEnergy},
    {kQuantityKineticEnergy, "kinetic energy", "KE", kCategoryKineticEnergy, kComponentMagnitude,
     K::kEnergy},
    {kQuantityMgx, "mgx", "mgx", kCategoryMgy, kComponentX, K::kEnergy},
    {kQuantityMgy, "mgy*", "mgy*", kCategoryMgy, kComponentY, K::kEnergy},
    {kQuantityXEnergy, "x-energy*", "x-energy*", kCategoryKineticPlusMgy, kComponentX, K::kEnergy},
    {kQuantityYEnergy, "y-energy*", "y-energy*", kCategoryKineticPlusMgy, kComponentY, K::kEnergy},
    {kQuantityTotalEnergy, "KE + mgy*", "KE + mgy*", kCategoryKineticPlusMgy, kComponentMagnitude,
     K::kEnergy},
    {kQuantityLength, "length", "length", kCategoryPosition, kComponentX, K::kLength},
    {kQuantityCount, "#", "#", kCategoryPosition, kComponentX, K::kCount},
    {kQuantityScale, "scale", "scale", kCategoryPosition, kComponentX, K::kScale},
    {kQuantityAngle, "angle", "angle", kCategoryPosition, kComponentX, K::kAngle},
    {kQuantityXNetForce, "x-net force", "x-net force", kCategoryNetForce, kComponentX, K::kForce},
    {kQuantityYNetForce, "y-net force", "y-net force", kCategoryNetForce, kComponentY, K::kForce},
    {kQuantityNetForce, "net force magnitude", "net force magnitude", kCategoryNetForce,
     kComponentMagnitude, K::kForce},
    {kQuantityAngularNetForce, "angular net force*", "angular net force*", kCategoryNetForce,
     kComponentAngle, K::kAngularForce},
    {kQuantityNetForceDirection, "", "", kCategoryPosition, kComponentX, K::kNone},
}};

constexpr bool InCodeOrder() {
  for (std::size_t i = 0; i < kQuantities.size(); ++i) {
    if (static_cast<std::size_t>(kQuantities[i].code) != i) {
      return false;
    }
  }
  return true;
}
static_assert(InCodeOrder(), "the quantity table is indexed by code");

// Codes past the table are not quantities; they read as the empty entry.
constexpr const TdvQuantityEntry& Entry(int quantity) {
  if (quantity < 0 || quantity >= static_cast<int>(kQuantities.size())) {
    return kQuantities[kQuantityNone];
  }
  return kQuantities[quantity];
}

}  // namespace

void QuantityName(std::string& out, int quantity, bool shortName) {
  const TdvQuantityEntry& entry = Entry(quantity);
  out = shortName ? entry.shortName : entry.fullName;
}

int QuantityCategory(int quantity) {
  return Entry(quantity).category;
}

int QuantityComponent(int quantity) {
  return Entry(quantity).component;
}

TdvUnitKind QuantityUnitKind(int quantity) {
  return Entry(quantity).unitKind;
}
