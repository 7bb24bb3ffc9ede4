#include "graph/fit_object.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fake_fit_owner.h"
#include "nr_test_vectors.h"

namespace {

struct Points {
  std::vector<double> x;
  std::vector<double> y;
};

bool RunFit(TdvFitObject& fit, const Points& p, FakeFitOwner& owner, float sigma = 1.0f) {
  const int n = static_cast<int>(p.x.size());
  return fit.Fit(MakeVector(p.x), MakeVector(p.y), n, Filled(n, sigma), n != 0, owner);
}

TdvFitObject FitOfType(std::uint8_t type) {
  TdvFitObject fit;
  fit.SetFitType(type);
  return fit;
}

double ValueAt(const TdvFitObject& fit, double x) {
  double y = std::nan("");
  EXPECT_TRUE(fit.Evaluate(y, x));
  return y;
}

TEST(FitClassCode, AFitIsAlsoAModel) {
  const TdvFitObject fit;
  EXPECT_TRUE(fit.IsA('M'));
  EXPECT_TRUE(fit.IsA('L'));
  EXPECT_TRUE(fit.IsA(0));
  EXPECT_FALSE(fit.IsA(50));
}

TEST(FitLine, ThroughThreeExactPoints) {
  TdvFitObject fit = FitOfType(TdvFitObject::kLine);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2}, {1, 3, 5}}, owner));
  EXPECT_FLOAT_EQ(fit.Result().a, 1.0f);
  EXPECT_FLOAT_EQ(fit.Result().b, 2.0f);
  EXPECT_FLOAT_EQ(fit.Result().rSquared, 1.0f);
  EXPECT_EQ(fit.FormatLabel(true), "F: 2.00x + 1.00 ");
  EXPECT_EQ(fit.FormatStatistic(), "r^2=1.00");
  EXPECT_DOUBLE_EQ(ValueAt(fit, 10), 21.0);
}

TEST(FitAverage, MeanAndPopulationStandardDeviation) {
  TdvFitObject fit = FitOfType(TdvFitObject::kAverage);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2}, {2, 4, 6}}, owner));
  EXPECT_FLOAT_EQ(fit.Result().a, 4.0f);
  EXPECT_NEAR(fit.Result().rSquared, std::sqrt(8.0 / 3.0), 1e-6);
  EXPECT_EQ(fit.FormatLabel(true), "F: Average = 4.00 ");
  EXPECT_EQ(fit.FormatStatistic(), "std.dev=1.63");
  EXPECT_DOUBLE_EQ(ValueAt(fit, -100), 4.0);
}

TEST(FitPolynomial, CubicThroughExactPoints) {
  Points p;
  for (int i = 0; i < 12; ++i) {
    const double t = 0.5 * i;
    p.x.push_back(t);
    p.y.push_back(2.0 - 1.0 * t + 0.5 * t * t - 0.25 * t * t * t);
  }
  TdvFitObject fit = FitOfType(TdvFitObject::kCubic);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, p, owner, 0.01f));
  const TdvFitResult& r = fit.Result();
  EXPECT_EQ(r.nCoefficients, 4);
  EXPECT_NEAR(r.coefficients[1], 2.0, 1e-4);
  EXPECT_NEAR(r.coefficients[2], -1.0, 1e-4);
  EXPECT_NEAR(r.coefficients[3], 0.5, 1e-4);
  EXPECT_NEAR(r.coefficients[4], -0.25, 1e-5);
  EXPECT_NEAR(r.rSquared, 1.0, 1e-5);
  EXPECT_EQ(fit.FormatLabel(true), "F: -0.250x^3 + 0.500x^2 + -1.00x + 2.00 ");
  EXPECT_NEAR(ValueAt(fit, 2.0), 2.0 - 2.0 + 2.0 - 2.0, 1e-4);
}

TEST(FitPolynomial, QuadraticInPixelUnitsKeepsItsConstantTerm) {
  // A throw measured in pixels: x up to 640, so x² reaches 4·10⁵.
  Points p;
  for (int i = 0; i <= 32; ++i) {
    const double x = 20.0 * i;
    p.x.push_back(x);
    p.y.push_back(400.0 + 1.5 * x - 0.002 * x * x);
  }
  TdvFitObject fit = FitOfType(TdvFitObject::kQuadratic);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, p, owner, 10.3923f));
  const TdvFitResult& r = fit.Result();
  EXPECT_EQ(r.nCoefficients, 3);
  EXPECT_NEAR(r.coefficients[1], 400.0, 0.01);
  EXPECT_NEAR(r.coefficients[2], 1.5, 1e-5);
  EXPECT_NEAR(r.coefficients[3], -0.002, 1e-8);
  EXPECT_EQ(r.coefficients[4], 0.0f);
  EXPECT_EQ(fit.FormatLabel(true), "F: -0.00200x^2 + 1.50x + 400 ");
}

TEST(FitStatistic, ConstantDataGiveRSquaredOne) {
  TdvFitObject fit = FitOfType(TdvFitObject::kLine);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2, 3}, {7, 7, 7, 7}}, owner));
  EXPECT_FLOAT_EQ(fit.Result().b, 0.0f);
  EXPECT_FLOAT_EQ(fit.Result().rSquared, 1.0f);
}

TEST(FitStatistic, SquaredCorrelationOfDataAndFit) {
  const NrVector y = MakeVector({1, 2, 3, 4});
  const NrVector f = MakeVector({2, 1, 4, 3});
  // Both have mean 2.5 and variance 1.25; their covariance is 0.75.
  EXPECT_NEAR(TdvFitObject::Statistic(y, f, 4, TdvFitObject::kLine), 0.36, 1e-6);
  EXPECT_NEAR(TdvFitObject::Statistic(y, f, 4, TdvFitObject::kAverage),
              std::sqrt((1 + 0 + 1 + 4) / 4.0), 1e-6)
      << "spread about the first fitted value";
}

// Every type's too-few-points case leaves the whole previous result.
class FitTooFewPoints : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(FitTooFewPoints, LeavesThePreviousFit) {
  const std::uint8_t type = GetParam();
  TdvFitObject fit = FitOfType(type);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2, 3, 4}, {1, 0, 3, 5, 4}}, owner));
  const TdvFitResult before = fit.Result();
  const int tooFew = type == TdvFitObject::kAverage ? 0 : type;
  Points few;
  for (int i = 0; i < tooFew; ++i) {
    few.x.push_back(i);
    few.y.push_back(100.0 * i);
  }
  EXPECT_FALSE(RunFit(fit, few, owner));
  const TdvFitResult& after = fit.Result();
  EXPECT_EQ(after.a, before.a);
  EXPECT_EQ(after.b, before.b);
  EXPECT_EQ(after.rSquared, before.rSquared);
  EXPECT_EQ(after.nCoefficients, before.nCoefficients);
  EXPECT_EQ(after.coefficients, before.coefficients);
  EXPECT_TRUE(owner.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Types, FitTooFewPoints,
                         ::testing::Values(TdvFitObject::kAverage, TdvFitObject::kLine,
                                           TdvFitObject::kQuadratic, TdvFitObject::kCubic));

TEST(FitTooFewPoints, QuadraticWithTwoPointsKeepsTheOldLength) {
  TdvFitObject fit = FitOfType(TdvFitObject::kCubic);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2, 3}, {0, 1, 8, 27}}, owner));
  fit.SetFitType(TdvFitObject::kQuadratic);
  EXPECT_FALSE(RunFit(fit, {{0, 1}, {5, 6}}, owner));
  EXPECT_EQ(fit.Result().nCoefficients, 4);
  EXPECT_NEAR(fit.Result().coefficients[4], 1.0, 1e-5);
}

TEST(FitTooFewPoints, VectorsShorterThanTheCountAreRefused) {
  TdvFitObject fit = FitOfType(TdvFitObject::kLine);
  FakeFitOwner owner;
  EXPECT_FALSE(fit.Fit(MakeVector({1, 2}), MakeVector({1, 2}), 3, Filled(3, 1), true, owner));
  EXPECT_FALSE(fit.Fit(MakeVector({1, 2}), MakeVector({1, 2}), -1, Filled(2, 1), true, owner));
}

// Many points scattered by about one standard deviation: χ²/2 lies just
// below a + 1 with a near 1000, where the series for the probability needs
// far more terms than it is given.
Points ScatteredLine(int n) {
  Points p;
  for (int i = 0; i < n; ++i) {
    p.x.push_back(i);
    p.y.push_back(3.0 + 0.5 * i + (i % 2 == 0 ? 0.99 : -0.99));
  }
  return p;
}

TEST(FitNumericalFailure, AbandonsTheFitAndKeepsThePreviousResult) {
  TdvFitObject fit = FitOfType(TdvFitObject::kLine);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2}, {1, 3, 5}}, owner));
  EXPECT_FALSE(RunFit(fit, ScatteredLine(2002), owner));
  EXPECT_FLOAT_EQ(fit.Result().a, 1.0f);
  EXPECT_FLOAT_EQ(fit.Result().b, 2.0f);
  ASSERT_EQ(owner.boxes.size(), 1u);
  EXPECT_EQ(owner.boxes[0].text, "a too large, ITMAX too small in routine gser");
  EXPECT_EQ(owner.boxes[0].caption, "TdvFitObject::Fit");
}

TEST(FitNumericalFailure, TheSameFailureIsShownOnceUntilAFitSucceeds) {
  TdvFitObject fit = FitOfType(TdvFitObject::kLine);
  FakeFitOwner owner;
  EXPECT_FALSE(RunFit(fit, ScatteredLine(2002), owner));
  EXPECT_FALSE(RunFit(fit, ScatteredLine(2004), owner));
  EXPECT_EQ(owner.boxes.size(), 1u);
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2}, {1, 3, 5}}, owner));
  EXPECT_FALSE(RunFit(fit, ScatteredLine(2002), owner));
  EXPECT_EQ(owner.boxes.size(), 2u);
}

TEST(FitNumericalFailure, PolynomialOnDataThatAreNotNumbers) {
  TdvFitObject fit = FitOfType(TdvFitObject::kQuadratic);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2, 3}, {0, 1, 4, 9}}, owner));
  const TdvFitResult before = fit.Result();
  EXPECT_FALSE(RunFit(fit, {{0, 1, std::nan(""), 3}, {0, 1, 4, 9}}, owner));
  EXPECT_EQ(fit.Result().coefficients, before.coefficients);
  ASSERT_EQ(owner.boxes.size(), 1u);
  EXPECT_EQ(owner.boxes[0].text, "no convergence in 30 svdcmp iterations");
}

TEST(FitEvaluate, ResultThatIsNotANumberHasNoValue) {
  TdvFitObject fit = FitOfType(TdvFitObject::kQuadratic);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2, 3}, {0, 1, std::nan(""), 9}}, owner));
  double y = 5.0;
  EXPECT_FALSE(fit.Evaluate(y, 1.0));
  EXPECT_EQ(y, 5.0);
}

TEST(FitEvaluate, UnknownTypeHasNoValue) {
  TdvFitObject fit;
  fit.SetFitType(7);
  double y = 5.0;
  EXPECT_FALSE(fit.Evaluate(y, 1.0));
  EXPECT_EQ(y, 5.0);
  EXPECT_EQ(fit.FormatLabel(true), "");
}

TEST(FitClone, CopiesTheResult) {
  TdvFitObject fit = FitOfType(TdvFitObject::kAverage);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1}, {3, 5}}, owner));
  fit.SetAutoUpdate(false);
  const std::unique_ptr<TdvObject> copy = fit.Clone();
  ASSERT_TRUE(copy->IsA(TdvFitObject::kClassCode));
  const auto& clone = static_cast<const TdvFitObject&>(*copy);
  EXPECT_EQ(clone.FitType(), TdvFitObject::kAverage);
  EXPECT_FALSE(clone.AutoUpdate());
  EXPECT_FLOAT_EQ(clone.Result().a, 4.0f);
}

}  // namespace
