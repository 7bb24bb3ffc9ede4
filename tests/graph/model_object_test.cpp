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

TEST(ModelClassCode, AModelIsNoFit) {
  const TdvModelObject model;
  EXPECT_TRUE(model.IsA('L'));
  EXPECT_TRUE(model.IsA(0));
  EXPECT_FALSE(model.IsA('M'));
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

bool HasValue(const TdvModelObject& model, double x) {
  double y = 0.0;
  return model.Evaluate(y, x);
}

TEST(ModelFormulas, PlacesWithoutValue) {
  TdvModelObject log = ModelOfType(TdvModelObject::kLogarithmic);
  EXPECT_FALSE(HasValue(log, 0.0));
  EXPECT_FALSE(HasValue(log, -1.0));
  log.B = -2.0;
  EXPECT_TRUE(HasValue(log, -1.0));
  EXPECT_FALSE(HasValue(log, 1.0));

  TdvModelObject power = ModelOfType(TdvModelObject::kPower);
  EXPECT_TRUE(HasValue(power, 0.0));
  power.B = -1.0;
  EXPECT_FALSE(HasValue(power, 0.0));
  EXPECT_TRUE(HasValue(power, -2.0)) << "a whole negative power of a negative number";
  power.B = 0.5;
  EXPECT_FALSE(HasValue(power, -4.0)) << "no real square root";

  EXPECT_FALSE(HasValue(ModelOfType(TdvModelObject::kExponential), 1000.0)) << "overflow";
  EXPECT_FALSE(HasValue(ModelOfType(0), 1.0));
  EXPECT_FALSE(HasValue(ModelOfType(10), 1.0));
}

TEST(ModelFormulas, NoValueLeavesTheOutputAlone) {
  const TdvModelObject log = ModelOfType(TdvModelObject::kLogarithmic);
  double y = 123.0;
  EXPECT_FALSE(log.Evaluate(y, -5.0));
  EXPECT_EQ(y, 123.0);
}

TEST(ModelRange, LeastAndGreatestOverTheSamples) {
  TdvModelObject sine = ModelOfType(TdvModelObject::kSin);
  sine.A = 1.0;
  sine.B = 1.0;
  sine.C = 0.0;
  sine.D = 0.0;
  double low = 0.0;
  double high = 0.0;
  ASSERT_TRUE(sine.Range(2 * std::numbers::pi, 0.0, 4, low, high)) << "ends in either order";
  EXPECT_NEAR(low, -1.0, 1e-12);
  EXPECT_NEAR(high, 1.0, 1e-12);
}

TEST(ModelRange, IncludesBothEnds) {
  TdvModelObject line = ModelOfType(TdvModelObject::kLinear);
  double low = 0.0;
  double high = 0.0;
  ASSERT_TRUE(line.Range(0.1, 0.7, 3, low, high));
  EXPECT_DOUBLE_EQ(low, 2 * 0.1 + 3);
  EXPECT_DOUBLE_EQ(high, 2 * 0.7 + 3);
}

TEST(ModelRange, SkipsPlacesWithoutValueAndReportsWhenNoneHasOne) {
  TdvModelObject log = ModelOfType(TdvModelObject::kLogarithmic);
  log.A = 1.0;
  log.B = 1.0;
  log.C = 0.0;
  double low = 7.0;
  double high = 7.0;
  ASSERT_TRUE(log.Range(-1.0, 1.0, 2, low, high)) << "only x = 1 has a value";
  EXPECT_EQ(low, 0.0);
  EXPECT_EQ(high, 0.0);
  low = high = 7.0;
  EXPECT_FALSE(log.Range(-2.0, -1.0, 10, low, high));
  EXPECT_FALSE(log.Range(1.0, 1.0, 10, low, high)) << "empty interval";
  EXPECT_FALSE(log.Range(1.0, 2.0, 0, low, high)) << "no steps";
  EXPECT_EQ(low, 7.0);
  EXPECT_EQ(high, 7.0);
}

TEST(ModelEquation, SpacesAreRemovedAlsoFromTheCallersText) {
  TdvModelObject model;
  std::string text = " 2 * x ^ 2 - 3 * x + 1 ";
  ASSERT_TRUE(model.SetEquation(text));
  EXPECT_EQ(text, "2*x^2-3*x+1");
  EXPECT_EQ(model.Equation(), "2*x^2-3*x+1");
  EXPECT_EQ(model.Type(), TdvModelObject::kEquation);
  double y = 0.0;
  ASSERT_TRUE(model.Evaluate(y, 2.0));
  EXPECT_DOUBLE_EQ(y, 3.0);
}

TEST(ModelEquation, AFailedEquationLeavesNoCurve) {
  TdvModelObject model;
  std::string good = "x";
  ASSERT_TRUE(model.SetEquation(good));
  for (const char* bad : {"sin(x)+", "(x+1", "sinx", "2**x"}) {
    std::string text = bad;
    EXPECT_FALSE(model.SetEquation(text)) << bad;
    EXPECT_FALSE(HasValue(model, 1.0)) << bad;
    EXPECT_EQ(model.Equation(), bad);
  }
}

TEST(ModelEquation, LongerThanTheFieldIsRefused) {
  TdvModelObject model;
  std::string text = "x";
  while (text.size() <= TdvModelObject::kMaxEquationLength) {
    text += "+1";
  }
  EXPECT_FALSE(model.SetEquation(text));
  EXPECT_EQ(model.Equation().size(), TdvModelObject::kMaxEquationLength);
  EXPECT_FALSE(HasValue(model, 0.0));
}

TEST(ModelSetType, AnEquationTypeStartsEmptyAndOtherTypesDropIt) {
  TdvModelObject model;
  std::string text = "x+1";
  ASSERT_TRUE(model.SetEquation(text));
  model.SetType(TdvModelObject::kEquation);
  EXPECT_FALSE(HasValue(model, 1.0)) << "the expression was emptied";
  ASSERT_TRUE(model.SetEquation(text));
  model.SetType(TdvModelObject::kLinear);
  double y = 0.0;
  ASSERT_TRUE(model.Evaluate(y, 1.0));
  EXPECT_EQ(y, 2.0) << "A·x + B with both 1";
}

TEST(ModelClone, CarriesTheParsedEquation) {
  TdvModelObject model;
  std::string text = "x^2";
  ASSERT_TRUE(model.SetEquation(text));
  model.A = 9.0;
  const std::unique_ptr<TdvObject> copy = model.Clone();
  ASSERT_TRUE(copy->IsA(TdvModelObject::kClassCode));
  const auto& clone = static_cast<const TdvModelObject&>(*copy);
  EXPECT_EQ(clone.A, 9.0);
  double y = 0.0;
  ASSERT_TRUE(clone.Evaluate(y, 3.0));
  EXPECT_EQ(y, 9.0);
}

TEST(ModelLabel, ValuesOfEachFormula) {
  TdvModelObject model;
  model.A = 2.0;
  model.B = -0.5;
  model.C = 1234.5678;
  model.D = 0.0001;
  const std::string labels[] = {
      "",
      "M: 2.000x + -0.5000",
      "M: 2.000x^2 + -0.5000x + 1235",
      "M: 2.000x^3 + -0.5000x^2 + 1235x + 0.0001000",
      "M: 2.000cos(-0.5000x + 1235) + 0.0001000",
      "M: 2.000sin(-0.5000x + 1235) + 0.0001000",
      "M: 2.000ln(-0.5000x) + 1235",
      "M: 2.000exp(-0.5000x) + 1235",
      "M: 2.000(x^-0.5000) + 1235",
  };
  for (std::uint8_t type = 1; type <= 8; ++type) {
    model.SetType(type);
    EXPECT_EQ(model.FormatLabel(true), labels[type]);
  }
  std::string text = "x / 2";
  model.SetEquation(text);
  EXPECT_EQ(model.FormatLabel(true), "M: x/2");
}

TEST(ModelLabel, DescriptionsWithoutValues) {
  TdvModelObject model;
  model.SetType(TdvModelObject::kCos);
  EXPECT_EQ(model.FormatLabel(false), "Cos: Acos(Bx + C) + D ");
  model.SetType(TdvModelObject::kExponential);
  EXPECT_EQ(model.FormatLabel(false), "Exponential: Aexp(Bx) + C  ");
  model.SetType(TdvModelObject::kEquation);
  EXPECT_EQ(model.FormatLabel(false), "Enter an equation");
  EXPECT_EQ(TdvModelObject::FormatRSquared(0.98765), "r^2 = 0.988");
}

}  // namespace
