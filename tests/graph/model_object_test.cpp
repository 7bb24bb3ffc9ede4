#include "graph/model_object.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

namespace {

TdvModelObject ModelOfType(std::uint8_t type) {
  TdvModelObject model;
  model.A = 2.0;
  model.B = 3.0;
  model.C = -1.0;
  model.D = 0.5;
  model.SetType(type);
  return model;
}

TEST(ModelFormulas, EachTypeComputesItsFormula) {
  // A = 2, B = 3, C = −1, D = 0.5.
  const std::function<double(double)> formulas[] = {
      nullptr,
      [](double x) { return 2 * x + 3; },
      [](double x) { return 2 * x * x + 3 * x - 1; },
      [](double x) { return 2 * x * x * x + 3 * x * x - x + 0.5; },
      [](double x) { return 2 * std::cos(3 * x - 1) + 0.5; },
      [](double x) { return 2 * std::sin(3 * x - 1) + 0.5; },
      [](double x) { return 2 * std::log(3 * x) - 1; },
      [](double x) { return 2 * std::exp(3 * x) - 1; },
      [](double x) { return 2 * std::pow(x, 3) - 1; },
  };
  for (std::uint8_t type = 1; type <= 8; ++type) {
    const TdvModelObject model = ModelOfType(type);
    for (double x : {0.25, 1.0, 2.5}) {
      double y = 0.0;
      ASSERT_TRUE(model.Evaluate(y, x)) << "type " << int(type) << " at " << x;
      EXPECT_NEAR(y, formulas[type](x), 1e-12 * (1 + std::fabs(y))) << "type " << int(type);
    }
  }
}

// r² beside a fit or a model reads 1 only for a perfect fit; elsewhere it
// rounds to 3 digits as every label does.
TEST(ModelRSquaredText, OnlyAPerfectFitReadsAsOne) {
  struct Case {
    double rSquared;
    const char* shown;
  };
  const Case cases[] = {
      {0.5, "r^2 = 0.500"},
      {0.99, "r^2 = 0.990"},
      {0.98765, "r^2 = 0.988"},
      {0.9994, "r^2 = 0.999"},
      {0.99994, "r^2 = 0.999"},
      {0.999999, "r^2 = 0.999"},
      {0.99999999999999978, "r^2 = 1.00"},  // five points on a line, as computed
      {1.0, "r^2 = 1.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rSquared);
    EXPECT_EQ(TdvModelObject::FormatRSquared(c.rSquared), c.shown);
  }
}

}  // namespace
