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

bool RunFit(TdvFitObject& fit, const Points& p, FakeFitOwner& owner, double sigma = 1.0) {
  const int n = static_cast<int>(p.x.size());
  return fit.Fit(MakeVector(p.x), MakeVector(p.y), n, Filled(n, sigma), n != 0, owner);
}

TdvFitObject FitOfType(std::uint8_t type) {
  TdvFitObject fit;
  fit.SetFitType(type);
  return fit;
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
  ASSERT_TRUE(RunFit(fit, p, owner, 10.3923));
  const TdvFitResult& r = fit.Result();
  EXPECT_EQ(r.nCoefficients, 3);
  EXPECT_NEAR(r.coefficients[1], 400.0, 1e-9);
  EXPECT_NEAR(r.coefficients[2], 1.5, 1e-12);
  EXPECT_NEAR(r.coefficients[3], -0.002, 1e-15);
  EXPECT_EQ(r.coefficients[4], 0.0);
  EXPECT_EQ(fit.FormatLabel(true), "F: -0.00200x^2 + 1.50x + 400 ");
}

// Every type's too-few-points case leaves the whole previous result.
class FitTooFewPoints : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(FitTooFewPoints, LeavesThePreviousFit) {
  const std::uint8_t type = GetParam();
  TdvFitObject fit = FitOfType(type);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2, 3, 4}, {1, 0, 3, 5, 4}}, owner));
  const TdvFitResult before = fit.Result();
  const int tooFew = TdvFitObject::MinimumPoints(type) - 1;
  Points few;
  for (int i = 0; i < tooFew; ++i) {
    few.x.push_back(i);
    few.y.push_back(100.0 * i);
  }
  EXPECT_FALSE(RunFit(fit, few, owner));
  EXPECT_EQ(fit.LastOutcome(), TdvFitOutcome::kTooFewPoints);
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
                                           TdvFitObject::kQuadratic, TdvFitObject::kCubic,
                                           TdvFitObject::kThroughOrigin));

// Many points scattered by about one standard deviation: χ²/2 lies just
// below a + 1 with a near 1000, where the series for the probability needs
// far more terms than a fixed limit of 100 gives.
Points ScatteredLine(int n) {
  Points p;
  for (int i = 0; i < n; ++i) {
    p.x.push_back(i);
    p.y.push_back(3.0 + 0.5 * i + (i % 2 == 0 ? 0.99 : -0.99));
  }
  return p;
}

TEST(FitNumericalFailure, OnlyAFailingRoutineAbandonsTheFit) {
  TdvFitObject fit = FitOfType(TdvFitObject::kLine);
  FakeFitOwner owner;
  ASSERT_TRUE(RunFit(fit, ScatteredLine(2002), owner));
  EXPECT_NEAR(fit.Result().b, 0.5, 1e-5);
  EXPECT_GT(fit.Result().q, 0.0);
  ASSERT_TRUE(RunFit(fit, {{0, 1, 2}, {1, 3, 5}}, owner));
  // A value that is no number keeps the fraction for the probability from
  // converging.
  EXPECT_FALSE(RunFit(fit, {{0, 1, 2}, {1, std::nan(""), 5}}, owner));
  EXPECT_EQ(fit.LastOutcome(), TdvFitOutcome::kFailed);
  EXPECT_DOUBLE_EQ(fit.Result().a, 1.0);
  EXPECT_DOUBLE_EQ(fit.Result().b, 2.0);
  ASSERT_EQ(owner.boxes.size(), 1u);
  EXPECT_EQ(owner.boxes[0].text, "a too large, ITMAX too small in gcf");
  EXPECT_EQ(owner.boxes[0].caption, "TdvFitObject::Fit");
}

}  // namespace
