#pragma once

#include <cstdint>
#include <string>

// Every derived value is a quantity of a series, identified by a one-byte
// code. The codes are shared by the value groups, the table and graph
// windows and the document file (which names table columns by code), so they
// never change meaning.
enum TdvQuantityCode : int {
  kQuantityNone = 0,
  kQuantityTime = 1,
  kQuantityXPos = 2,
  kQuantityYPos = 3,
  kQuantityTheta = 4,
  kQuantityRadius = 5,
  kQuantityRotation = 6,
  kQuantityDisplacement = 7,
  kQuantityXVelocity = 8,
  kQuantityYVelocity = 9,
  kQuantityVelocityDirection = 10,
  kQuantitySpeed = 11,
  kQuantityAngularVelocity = 12,
  kQuantityDeltaR = 13,
  kQuantityRotationVelocity = 14,
  kQuantityXAcceleration = 15,
  kQuantityYAcceleration = 16,
  kQuantityAccelerationDirection = 17,
  kQuantityAcceleration = 18,
  kQuantityAngularAcceleration = 19,
  kQuantityRadialAcceleration = 20,
  kQuantityRotationAcceleration = 21,
  kQuantityXMomentum = 22,
  kQuantityYMomentum = 23,
  kQuantityAngularMomentum = 24,
  kQuantityMomentum = 25,
  kQuantityMomentumDirection = 26,
  kQuantityXKineticEnergy = 27,
  kQuantityYKineticEnergy = 28,
  kQuantityAngularKineticEnergy = 29,
  kQuantityKineticEnergy = 30,
  kQuantityMgx = 31,
  kQuantityMgy = 32,
  kQuantityXEnergy = 33,
  kQuantityYEnergy = 34,
  kQuantityTotalEnergy = 35,
  kQuantityLength = 36,
  kQuantityCount = 37,
  kQuantityScale = 38,
  kQuantityAngle = 39,
  kQuantityXNetForce = 40,
  kQuantityYNetForce = 41,
  kQuantityNetForce = 42,
  kQuantityAngularNetForce = 43,
  kQuantityNetForceDirection = 44,
};

// The graph dialogs reach a quantity by category and component.
enum TdvQuantityCategory : int {
  kCategoryPosition = 0,
  kCategoryVelocity = 1,
  kCategoryAcceleration = 2,
  kCategoryMomentum = 3,
  kCategoryNetForce = 4,
  kCategoryKineticEnergy = 5,
  kCategoryMgy = 6,
  kCategoryKineticPlusMgy = 7,
};

enum TdvQuantityComponent : int {
  kComponentX = 1,
  kComponentY = 2,
  kComponentMagnitude = 3,
  kComponentAngle = 4,
  kComponentRadius = 5,
  kComponentRotation = 6,
};

// What kind of unit a quantity is measured in; the unit code itself follows
// from the series' units (SelectUnit).
enum class TdvUnitKind : std::uint8_t {
  kNone,
  kTime,
  kLength,
  kAngle,
  kVelocity,
  kAngularVelocity,
  kAcceleration,
  kAngularAcceleration,
  kMomentum,
  kAngularMomentum,
  kEnergy,
  kAngularEnergy,
  kAngularForce,
  kCount,
  kScale,
  kForce,
};

// Copies the quantity's full name, or its short name where space is short,
// into out. Codes without a name give the empty text.
void QuantityName(std::string& out, int quantity, bool shortName);
// Codes outside the table belong to the position category and the x
// component.
int QuantityCategory(int quantity);
int QuantityComponent(int quantity);
TdvUnitKind QuantityUnitKind(int quantity);
