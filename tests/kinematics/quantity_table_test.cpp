#include <gtest/gtest.h>

#include <string>

#include "kinematics/quantity_table.h"

namespace {

std::string Name(int quantity, bool shortName) {
  std::string out = "previous contents";
  QuantityName(out, quantity, shortName);
  return out;
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
