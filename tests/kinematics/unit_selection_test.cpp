#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "kinematics/unit_table.h"

namespace {

constexpr int kRad = 7;
constexpr int kDeg = 8;
constexpr int kKg = 1;
constexpr int kG = 2;

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

}  // namespace
