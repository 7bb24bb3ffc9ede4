#pragma once

#include <string>

// Unit codes of derived values. A block that follows the series' length unit
// holds five codes in the order m, cm, mm, in, ft, starting at the code named
// here. A value keeps the code it was computed in; the table and graph
// windows only show the text.
enum TdvUnitCode : int {
  kUnitNone = 0,
  kUnitSeconds = 1,
  kUnitMetres = 2,  // lengths, m … ft
  kUnitGrams = 8,
  kUnitMetresPerSecond = 9,          // velocities, m/s … ft/s
  kUnitMetresPerSecondSquared = 14,  // accelerations
  kUnitMomentumKg = 19,              // momentum, series mass in kg
  kUnitMomentumG = 24,               // momentum, series mass in g
  kUnitForceKg = 29,
  kUnitForceG = 34,
  kUnitEnergyG = 39,
  kUnitEnergyKg = 44,
  kUnitDegrees = 49,
  kUnitRadians = 50,
  kUnitDegreesPerSecond = 51,
  kUnitRadiansPerSecond = 52,
  kUnitDegreesPerSecondSquared = 53,
  kUnitRadiansPerSecondSquared = 54,
  kUnitAngularMomentumKgRad = 55,
  kUnitAngularMomentumGRad = 56,
  kUnitAngularMomentumKgDeg = 57,
  kUnitAngularMomentumGDeg = 58,
  kUnitAngularEnergyKgRad = 59,
  kUnitAngularEnergyGRad = 60,
  kUnitAngularEnergyKgDeg = 61,
  kUnitAngularEnergyGDeg = 62,
  kUnitPixelsPerMetre = 67,  // scales, pixel/m … pixel/ft
  kUnitCount = 72,
  kUnitPixels = 73,
  kUnitPixelsPerSecond = 74,
  kUnitPixelsPerSecondSquared = 75,
  kUnitPixelMomentumKg = 76,
  kUnitPixelMomentumG = 77,
  kUnitPixelEnergyKg = 78,
  kUnitPixelEnergyG = 79,
};

// Gravity in m/s^2; ConvertUnit brings it into the unit of a position.
inline constexpr double kGravity = 9.8;

// Copies the unit's text into out; codes without a text give the empty text.
void UnitText(std::string& out, int unit);
// Display units per base unit; 1 for codes without a unit.
double UnitFactor(int unit);
// value × UnitFactor(unit) with toDisplay, value ÷ UnitFactor(unit) without.
double ConvertUnit(double value, int unit, bool toDisplay);

// The unit code of a quantity for a series with these units: lengthUnit
// 1 m … 5 ft, angleUnit 7 rad or 8 deg, massUnit 1 kg or 2 g; calibrated
// when the series has a scale. A unit the quantity depends on that is not
// one of these gives kUnitNone.
int SelectUnit(int lengthUnit, int angleUnit, int massUnit, int quantity, bool calibrated);
