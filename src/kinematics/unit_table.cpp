#include "kinematics/unit_table.h"

#include <array>
#include <string_view>

#include "kinematics/quantity_table.h"

namespace {

struct TdvUnitEntry {
  std::string_view text;
  double factor;
};

// The texts appear in table and graph labels and in exported column heads,
// where users and their spreadsheets expect them letter for letter,
// misspellings included ("kg mm/s^2" for an energy, "s62", "k pixels").
// Grams share the kilogram texts because masses are always stored in
// kilograms. The factors are display units per metre, kilogram or radian;
// they are deliberately not the series' own length factors, which use
// 3.2808 per foot where every derived unit uses 3.281.
constexpr std::array<TdvUnitEntry, 80> kUnits = {{
    {"", 1},
    {"s", 1},
    {"m", 1},
    {"cm", 100},
    {"mm", 1000},
    {"in", 39.37},
    {"ft", 3.281},
    {"", 1},
    {"g", 1000},
    {"m/s", 1},
    {"cm/s", 100},
    {"mm/s", 1000},
    {"in/s", 39.37},
    {"ft/s", 3.281},
    {"m/s^2", 1},
    {"cm/s^2", 100},
    {"mm/s^2", 1000},
    {"in/s^2", 39.37},
    {"ft/s^2", 3.281},
    {"kg m/s", 1},
    {"kg cm/s", 100},
    {"kg mm/s", 1000},
    {"kg in/s", 39.37},
    {"kg ft/s", 3.281},
    {"kg m/s", 1000},
    {"kg cm/s", 100000},
    {"kg mm/s", 1000000},
    {"kg in/s", 39370},
    {"kg ft/s", 3281},
    {"N", 1},
    {"kg cm/s^2", 100},
    {"kg mm/s^2", 1000},
    {"kg in/s^2", 39.37},
    {"kg ft/s^2", 3.281},
    {"N", 1000},
    {"kg cm/s^2", 100000},
    {"kg mm/s^2", 1000000},
    {"kg in/s^2", 39370},
    {"kg ft/s^2", 3281},
    {"J", 1000},
    {"kg cm^2/s^2", 10000000},
    {"kg mm^2/s^2", 1000000000},
    {"kg in^2/s^2", 1550000},
    {"kg ft^2/s62", 10765},
    {"J", 1},
    {"kg cm^2/s^2", 10000},
    {"kg mm/s^2", 1000000},
    {"kg in^2/s^2", 1550},
    {"kg ft^2/s^2", 10.765},
    {"deg", 0.0174532925},
    {"rad", 1},
    {"deg/s", 0.0174532925},
    {"rad/s", 1},
    {"deg/s^2", 0.0174532925},
    {"rad/s^2", 1},
    {"kg rad/s", 1},
    {"g rad/s", 1000},
    {"kg deg/s", 1},
    {"kg deg/s", 17.4532925},
    {"", 1},
    {"", 1},
    {"", 1},
    {"", 1},
    {"kg rad/s^2", 1},
    {"kg rad/s^2", 1000},
    {"kg deg/s^2", 1},
    {"kg deg/s^2", 1},
    {"pixel/m", 1},
    {"pixel/cm", 1},
    {"pixel/mm", 1},
    {"pixel/in", 1},
    {"pixel/ft", 1},
    {"", 1},
    {"pixels", 1},
    {"pixels/s", 1},
    {"pixels/s^2", 1},
    {"kg pixels/s", 1},
    {"kg pixels/s", 1000},
    {"k pixels/s^2", 1},
    {"kg pixels/s^2", 1000},
}};

constexpr TdvUnitEntry kNoEntry = {"", 1};

const TdvUnitEntry& Entry(int unit) {
  if (unit < 0 || unit >= static_cast<int>(kUnits.size())) {
    return kNoEntry;
  }
  return kUnits[unit];
}

constexpr int kLengthUnitCount = 5;
constexpr int kRadiansCode = 7;
constexpr int kDegreesCode = 8;
constexpr int kKilogramsCode = 1;
constexpr int kGramsCode = 2;

// The series' units as they enter the unit blocks: the offset of the length
// unit within a block, and which of two codes the angle and the mass unit
// pick. Every selector answers kUnitNone for a unit it does not know.
struct TdvSeriesUnits {
  int lengthUnit;
  int angleUnit;
  int massUnit;

  int ByLength(int first) const {
    if (lengthUnit < 1 || lengthUnit > kLengthUnitCount) {
      return kUnitNone;
    }
    return first + lengthUnit - 1;
  }
  int ByAngle(int degrees, int radians) const {
    if (angleUnit == kDegreesCode) {
      return degrees;
    }
    return angleUnit == kRadiansCode ? radians : kUnitNone;
  }
  int ByMass(int kilograms, int grams) const {
    if (massUnit == kKilogramsCode) {
      return kilograms;
    }
    return massUnit == kGramsCode ? grams : kUnitNone;
  }
  // The calibrated momentum, force and energy blocks, chosen by mass first.
  int ByMassAndLength(int kilogramBlock, int gramBlock) const {
    return ByMass(ByLength(kilogramBlock), ByLength(gramBlock));
  }
};

// Quantities in length-based units fall back to pixels without a scale;
// angles, counts and scales do not depend on one.
int SelectForKind(const TdvSeriesUnits& units, TdvUnitKind kind, bool calibrated) {
  switch (kind) {
    case TdvUnitKind::kLength:
      return calibrated ? units.ByLength(kUnitMetres) : kUnitPixels;
    case TdvUnitKind::kAngle:
      return units.ByAngle(kUnitDegrees, kUnitRadians);
    case TdvUnitKind::kVelocity:
      return calibrated ? units.ByLength(kUnitMetresPerSecond) : kUnitPixelsPerSecond;
    case TdvUnitKind::kAngularVelocity:
      return units.ByAngle(kUnitDegreesPerSecond, kUnitRadiansPerSecond);
    case TdvUnitKind::kAcceleration:
      return calibrated ? units.ByLength(kUnitMetresPerSecondSquared) : kUnitPixelsPerSecondSquared;
    case TdvUnitKind::kAngularAcceleration:
      return units.ByAngle(kUnitDegreesPerSecondSquared, kUnitRadiansPerSecondSquared);
    case TdvUnitKind::kMomentum:
      return calibrated ? units.ByMassAndLength(kUnitMomentumKg, kUnitMomentumG)
                        : units.ByMass(kUnitPixelMomentumKg, kUnitPixelMomentumG);
    case TdvUnitKind::kAngularMomentum:
      return units.ByMass(units.ByAngle(kUnitAngularMomentumKgDeg, kUnitAngularMomentumKgRad),
                          units.ByAngle(kUnitAngularMomentumGDeg, kUnitAngularMomentumGRad));
    case TdvUnitKind::kEnergy:
      return calibrated ? units.ByMassAndLength(kUnitEnergyKg, kUnitEnergyG)
                        : units.ByMass(kUnitPixelEnergyKg, kUnitPixelEnergyG);
    case TdvUnitKind::kAngularEnergy:
    case TdvUnitKind::kAngularForce:
      return units.ByMass(units.ByAngle(kUnitAngularEnergyKgDeg, kUnitAngularEnergyKgRad),
                          units.ByAngle(kUnitAngularEnergyGDeg, kUnitAngularEnergyGRad));
    case TdvUnitKind::kCount:
      return kUnitCount;
    case TdvUnitKind::kScale:
      return units.ByLength(kUnitPixelsPerMetre);
    case TdvUnitKind::kForce:
      // Without a scale a force shares the energy's pixel units.
      return calibrated ? units.ByMassAndLength(kUnitForceKg, kUnitForceG)
                        : units.ByMass(kUnitPixelEnergyKg, kUnitPixelEnergyG);
    case TdvUnitKind::kNone:
    case TdvUnitKind::kTime:
      // The time column sets its own unit; it does not follow a series.
      break;
  }
  return kUnitNone;
}

}  // namespace

void UnitText(std::string& out, int unit) {
  out = Entry(unit).text;
}

double UnitFactor(int unit) {
  return Entry(unit).factor;
}

double ConvertUnit(double value, int unit, bool toDisplay) {
  const double factor = UnitFactor(unit);
  return toDisplay ? value * factor : value / factor;
}

int SelectUnit(int lengthUnit, int angleUnit, int massUnit, int quantity, bool calibrated) {
  const TdvSeriesUnits units{lengthUnit, angleUnit, massUnit};
  return SelectForKind(units, QuantityUnitKind(quantity), calibrated);
}
