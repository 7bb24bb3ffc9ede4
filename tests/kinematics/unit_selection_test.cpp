#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "kinematics/unit_table.h"

namespace {

constexpr int kMetres = 1;
constexpr int kCentimetres = 2;
constexpr int kFeet = 5;
constexpr int kRad = 7;
constexpr int kDeg = 8;
constexpr int kKg = 1;
constexpr int kG = 2;
constexpr int kMg = 3;

// L is the length unit's offset (0 for m to 4 for ft).
using Expectation = std::function<int(int L, bool degrees, bool grams, bool calibrated)>;

struct SelectionRow {
  std::vector<int> quantities;
  Expectation expected;
};

// The selection rules, one row per unit kind, with the codes written out.
std::vector<SelectionRow> SelectionRows() {
  return {
      {{2, 3, 5, 7, 36}, [](int L, bool, bool, bool cal) { return cal ? 2 + L : 73; }},
      {{4, 6, 39}, [](int, bool deg, bool, bool) { return deg ? 49 : 50; }},
      {{8, 9, 11, 13}, [](int L, bool, bool, bool cal) { return cal ? 9 + L : 74; }},
      {{12, 14}, [](int, bool deg, bool, bool) { return deg ? 51 : 52; }},
      {{15, 16, 18, 20}, [](int L, bool, bool, bool cal) { return cal ? 14 + L : 75; }},
      {{19, 21}, [](int, bool deg, bool, bool) { return deg ? 53 : 54; }},
      {{22, 23, 25},
       [](int L, bool, bool g, bool cal) { return cal ? (g ? 24 + L : 19 + L) : (g ? 77 : 76); }},
      {{24}, [](int, bool deg, bool g, bool) { return g ? (deg ? 58 : 56) : (deg ? 57 : 55); }},
      {{27, 28, 30, 31, 32, 33, 34, 35},
       [](int L, bool, bool g, bool cal) { return cal ? (g ? 39 + L : 44 + L) : (g ? 79 : 78); }},
      {{29, 43}, [](int, bool deg, bool g, bool) { return g ? (deg ? 62 : 60) : (deg ? 61 : 59); }},
      {{37}, [](int, bool, bool, bool) { return 72; }},
      {{38}, [](int L, bool, bool, bool) { return 67 + L; }},
      {{40, 41, 42},
       [](int L, bool, bool g, bool cal) { return cal ? (g ? 34 + L : 29 + L) : (g ? 79 : 78); }},
  };
}

std::string TextOf(int unit) {
  std::string text;
  UnitText(text, unit);
  return text;
}

TEST(UnitSelection, EveryQuantityForEveryCombinationOfUnits) {
  std::map<int, Expectation> byQuantity;
  for (const SelectionRow& row : SelectionRows()) {
    for (int quantity : row.quantities) {
      byQuantity[quantity] = row.expected;
    }
  }
  for (int quantity = 0; quantity < 256; ++quantity) {
    const auto found = byQuantity.find(quantity);
    for (int L = 0; L < 5; ++L) {
      for (bool degrees : {false, true}) {
        for (bool grams : {false, true}) {
          for (bool calibrated : {false, true}) {
            const int expected = found == byQuantity.end()
                                     ? kUnitNone
                                     : found->second(L, degrees, grams, calibrated);
            EXPECT_EQ(
                SelectUnit(L + 1, degrees ? kDeg : kRad, grams ? kG : kKg, quantity, calibrated),
                expected)
                << "quantity " << quantity << " L " << L << " deg " << degrees << " g " << grams
                << " calibrated " << calibrated;
          }
        }
      }
    }
  }
}

TEST(UnitSelection, WithoutAScaleEverythingLengthBasedIsInPixels) {
  EXPECT_EQ(TextOf(SelectUnit(kMetres, kRad, kKg, 2, false)), "pixels");
  EXPECT_EQ(TextOf(SelectUnit(kMetres, kRad, kKg, 8, false)), "pixels/s");
  EXPECT_EQ(TextOf(SelectUnit(kMetres, kRad, kKg, 15, false)), "pixels/s^2");
  EXPECT_EQ(TextOf(SelectUnit(kMetres, kRad, kKg, 22, false)), "kg pixels/s");
  // The length unit does not matter without a scale, not even the pixel
  // code that a series without one may carry.
  EXPECT_EQ(SelectUnit(0, kRad, kKg, 3, false), kUnitPixels);
  EXPECT_EQ(SelectUnit(0, kRad, kKg, 9, false), kUnitPixelsPerSecond);
}

TEST(UnitSelection, PotentialEnergyInCentimetresUsesGravityInCentimetres) {
  const int positionUnit = SelectUnit(kCentimetres, kRad, kKg, 3, true);
  EXPECT_EQ(TextOf(positionUnit), "cm");
  EXPECT_EQ(TextOf(SelectUnit(kCentimetres, kRad, kKg, 32, true)), "kg cm^2/s^2");
  const double mass = 2.0;
  const double y = 10.0;
  EXPECT_DOUBLE_EQ(mass * ConvertUnit(kGravity, positionUnit, true) * y, 19600.0);
}

TEST(UnitSelection, SeriesInGramsAndFeetGetTheListedKilogramTexts) {
  EXPECT_EQ(TextOf(SelectUnit(kFeet, kDeg, kG, 30, true)), "kg ft^2/s62");
  EXPECT_EQ(TextOf(SelectUnit(kFeet, kDeg, kG, 25, true)), "kg ft/s");
  EXPECT_EQ(TextOf(SelectUnit(kFeet, kDeg, kG, 42, true)), "kg ft/s^2");
  EXPECT_EQ(TextOf(SelectUnit(kFeet, kDeg, kG, 24, true)), "kg deg/s");
  EXPECT_EQ(TextOf(SelectUnit(kMetres, kRad, kG, 42, true)), "N");
  EXPECT_EQ(TextOf(SelectUnit(kMetres, kRad, kG, 42, false)), "kg pixels/s^2");
  EXPECT_EQ(TextOf(SelectUnit(kMetres, kRad, kKg, 30, false)), "k pixels/s^2");
}

TEST(UnitSelection, UnknownAngleUnitsLeaveAngularQuantitiesWithoutUnit) {
  for (int angleUnit : {0, 1, 6, 9, 255}) {
    SCOPED_TRACE(angleUnit);
    for (int quantity : {4, 6, 39, 12, 14, 19, 21, 24, 29, 43}) {
      EXPECT_EQ(SelectUnit(kMetres, angleUnit, kKg, quantity, true), kUnitNone) << quantity;
    }
    EXPECT_EQ(SelectUnit(kMetres, angleUnit, kKg, 2, true), kUnitMetres);
    EXPECT_EQ(SelectUnit(kMetres, angleUnit, kKg, 22, true), kUnitMomentumKg);
  }
}

TEST(UnitSelection, MilligramsLeaveMassBasedQuantitiesWithoutUnit) {
  for (bool calibrated : {false, true}) {
    SCOPED_TRACE(calibrated);
    for (int quantity : {22, 24, 25, 27, 29, 30, 32, 35, 40, 42, 43}) {
      EXPECT_EQ(SelectUnit(kMetres, kDeg, kMg, quantity, calibrated), kUnitNone) << quantity;
    }
    EXPECT_NE(SelectUnit(kMetres, kDeg, kMg, 2, calibrated), kUnitNone);
    EXPECT_EQ(SelectUnit(kMetres, kDeg, kMg, 12, calibrated), kUnitDegreesPerSecond);
    EXPECT_EQ(SelectUnit(kMetres, kDeg, kMg, 37, calibrated), kUnitCount);
  }
}

TEST(UnitSelection, UnknownLengthUnitsLeaveScaledQuantitiesWithoutUnit) {
  for (int lengthUnit : {0, 6, 7, -1, 255}) {
    SCOPED_TRACE(lengthUnit);
    for (int quantity : {2, 8, 15, 22, 30, 40}) {
      EXPECT_EQ(SelectUnit(lengthUnit, kRad, kKg, quantity, true), kUnitNone) << quantity;
    }
    EXPECT_EQ(SelectUnit(lengthUnit, kRad, kKg, 38, false), kUnitNone);
    EXPECT_EQ(SelectUnit(lengthUnit, kRad, kKg, 4, true), kUnitRadians);
    EXPECT_EQ(SelectUnit(lengthUnit, kRad, kKg, 37, true), kUnitCount);
  }
}

}  // namespace
