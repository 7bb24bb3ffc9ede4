#include <gtest/gtest.h>

#include <string>

#include "kinematics/quantity_table.h"

namespace {

struct QuantityRow {
  int code;
  const char* fullName;
  const char* shortName;
  int category;
  int component;
};

// The quantity table as the program's users know it; the names are what
// the table, graphs and exports show, so every letter is checked.
constexpr QuantityRow kExpected[] = {
    {0, "", "", 0, 1},
    {1, "time", "time", 0, 1},
    {2, "x-pos", "x-pos", 0, 1},
    {3, "y-pos", "y-pos", 0, 2},
    {4, "theta", "theta", 0, 4},
    {5, "radius", "radius", 0, 5},
    {6, "rotation", "rotation", 0, 6},
    {7, "displacement", "disp.", 0, 3},
    {8, "x-velocity", "x-vel.", 1, 1},
    {9, "y-velocity", "y-vel.", 1, 2},
    {10, "", "", 1, 1},
    {11, "speed", "speed", 1, 3},
    {12, "angular velocity", "ang.vel.", 1, 4},
    {13, "delta-r", "delta-r", 1, 5},
    {14, "rotation velocity", "rot.vel.", 1, 6},
    {15, "x-acceleration", "x-accel.", 2, 1},
    {16, "y-acceleration", "y-accel.", 2, 2},
    {17, "", "", 2, 1},
    {18, "acceleration", "accel.", 2, 3},
    {19, "angular acceleration", "ang.accel.", 2, 4},
    {20, "d^2R/dt^2", "d^2R/dt^2", 2, 5},
    {21, "rotation acceleration", "rot.accel.", 2, 6},
    {22, "x-momentum", "x-mmntm", 3, 1},
    {23, "y-momentum", "y-mmntm", 3, 2},
    {24, "angular momentum*", "ang.mmntm*", 3, 4},
    {25, "momentum", "momentum", 3, 3},
    {26, "", "", 0, 1},
    {27, "x-kinetic energy", "x-KE", 5, 1},
    {28, "y-kinetic energy", "y-KE", 5, 2},
    {29, "angular kinetic energy*", "angular kinetic energy*", 5, 4},
    {30, "kinetic energy", "KE", 5, 3},
    {31, "mgx", "mgx", 6, 1},
    {32, "mgy*", "mgy*", 6, 2},
    {33, "x-energy*", "x-energy*", 7, 1},
    {34, "y-energy*", "y-energy*", 7, 2},
    {35, "KE + mgy*", "KE + mgy*", 7, 3},
    {36, "length", "length", 0, 1},
    {37, "#", "#", 0, 1},
    {38, "scale", "scale", 0, 1},
    {39, "angle", "angle", 0, 1},
    {40, "x-net force", "x-net force", 4, 1},
    {41, "y-net force", "y-net force", 4, 2},
    {42, "net force magnitude", "net force magnitude", 4, 3},
    {43, "angular net force*", "angular net force*", 4, 4},
    {44, "", "", 0, 1},
};

std::string Name(int quantity, bool shortName) {
  std::string out = "previous contents";
  QuantityName(out, quantity, shortName);
  return out;
}

TEST(QuantityTable, NamesCategoriesAndComponentsOfEveryCode) {
  for (const QuantityRow& row : kExpected) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(Name(row.code, false), row.fullName);
    EXPECT_EQ(Name(row.code, true), row.shortName);
    EXPECT_EQ(QuantityCategory(row.code), row.category);
    EXPECT_EQ(QuantityComponent(row.code), row.component);
  }
}

TEST(QuantityTable, CodesPastTheTableAreUnnamedXPositions) {
  for (int code : {45, 46, 100, 255, 256, -1, -31}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(Name(code, false), "");
    EXPECT_EQ(Name(code, true), "");
    EXPECT_EQ(QuantityCategory(code), kCategoryPosition);
    EXPECT_EQ(QuantityComponent(code), kComponentX);
    EXPECT_EQ(QuantityUnitKind(code), TdvUnitKind::kNone);
  }
}

}  // namespace
