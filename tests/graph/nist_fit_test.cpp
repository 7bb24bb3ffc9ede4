// The curve fits against the certified results of two linear-regression
// reference datasets of the US National Institute of Standards and
// Technology (Statistical Reference Datasets, public domain). The fits run
// in single precision as the program does, with equal standard deviations
// for every point, so the tolerances below state what 32-bit floats
// achieve on these data, not what the data allow.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fake_fit_owner.h"
#include "graph/fit_object.h"
#include "graph/line_fit.h"
#include "nr_test_vectors.h"

namespace {

struct Point {
  double x;
  double y;
};

// Norris: y = b0 + b1·x, 36 points.
const std::vector<Point> kNorris = {
    {0.2, 0.1},     {337.4, 338.8}, {118.2, 118.1}, {884.6, 888.0}, {10.1, 9.2},    {226.5, 228.1},
    {666.3, 668.5}, {996.3, 998.5}, {448.6, 449.1}, {777.0, 778.9}, {558.2, 559.2}, {0.4, 0.3},
    {0.6, 0.1},     {775.5, 778.1}, {666.9, 668.8}, {338.0, 339.3}, {447.5, 448.9}, {11.6, 10.8},
    {556.0, 557.7}, {228.1, 228.3}, {995.8, 998.0}, {887.6, 888.8}, {120.2, 119.6}, {0.3, 0.3},
    {0.3, 0.6},     {556.8, 557.6}, {339.1, 339.3}, {887.2, 888.0}, {999.0, 998.5}, {779.0, 778.9},
    {11.1, 10.2},   {118.3, 117.6}, {229.2, 228.9}, {669.1, 668.4}, {448.9, 449.2}, {0.5, 0.2}};
constexpr double kNorrisB0 = -0.262323073774029;
constexpr double kNorrisB1 = 1.00211681802045;
constexpr double kNorrisSdB0 = 0.232818234301152;
constexpr double kNorrisSdB1 = 0.429796848199937E-03;
constexpr double kNorrisResidualSd = 0.884796396144373;
constexpr double kNorrisRSquared = 0.999993745883712;

// Pontius: y = b0 + b1·x + b2·x², 40 points.
const std::vector<Point> kPontius = {
    {150000, .11019},   {300000, .21956},   {450000, .32949},   {600000, .43899},
    {750000, .54803},   {900000, .65694},   {1050000, .76562},  {1200000, .87487},
    {1350000, .98292},  {1500000, 1.09146}, {1650000, 1.20001}, {1800000, 1.30822},
    {1950000, 1.41599}, {2100000, 1.52399}, {2250000, 1.63194}, {2400000, 1.73947},
    {2550000, 1.84646}, {2700000, 1.95392}, {2850000, 2.06128}, {3000000, 2.16844},
    {150000, .11052},   {300000, .22018},   {450000, .32939},   {600000, .43886},
    {750000, .54798},   {900000, .65739},   {1050000, .76596},  {1200000, .87474},
    {1350000, .98300},  {1500000, 1.09150}, {1650000, 1.20004}, {1800000, 1.30818},
    {1950000, 1.41613}, {2100000, 1.52408}, {2250000, 1.63159}, {2400000, 1.73965},
    {2550000, 1.84696}, {2700000, 1.95445}, {2850000, 2.06177}, {3000000, 2.16829}};
constexpr double kPontiusB0 = 0.673565789473684E-03;
constexpr double kPontiusB1 = 0.732059160401003E-06;
constexpr double kPontiusB2 = -0.316081871345029E-14;
constexpr double kPontiusResidualSd = 0.205177424076185E-03;
constexpr double kPontiusRSquared = 0.999999900178537;

struct Columns {
  NrVector x;
  NrVector y;
  int n;
};

Columns Split(const std::vector<Point>& points) {
  std::vector<double> xs;
  std::vector<double> ys;
  for (const Point& p : points) {
    xs.push_back(p.x);
    ys.push_back(p.y);
  }
  return {MakeVector(xs), MakeVector(ys), static_cast<int>(points.size())};
}

double RelativeError(double got, double want) {
  return std::fabs(got - want) / std::fabs(want);
}

TEST(NistNorris, LinearFitComesWithinSinglePrecision) {
  const Columns data = Split(kNorris);
  TdvFitObject fit;
  fit.SetFitType(TdvFitObject::kLine);
  FakeFitOwner owner;
  ASSERT_TRUE(fit.Fit(data.x, data.y, data.n, Filled(data.n, 1.0f), true, owner));
  const TdvFitResult& r = fit.Result();
  EXPECT_LT(RelativeError(r.b, kNorrisB1), 1e-6);
  // The intercept is a small difference of large sums and keeps fewer digits.
  EXPECT_LT(RelativeError(r.a, kNorrisB0), 5e-4);
  EXPECT_LT(RelativeError(std::sqrt(r.chiSquare / (data.n - 2)), kNorrisResidualSd), 5e-5);
  EXPECT_NEAR(r.rSquared, kNorrisRSquared, 3e-6);
  EXPECT_TRUE(owner.boxes.empty());
}

TEST(NistNorris, UnweightedStandardErrorsMatchTheCertifiedOnes) {
  const Columns data = Split(kNorris);
  NrLineFit line;
  NrStatus status;
  fit(data.x, data.y, data.n, Filled(data.n, 1.0f), false, line, status);
  ASSERT_FALSE(status.Failed());
  EXPECT_LT(RelativeError(line.siga, kNorrisSdB0), 5e-5);
  EXPECT_LT(RelativeError(line.sigb, kNorrisSdB1), 5e-5);
}

TEST(NistPontius, QuadraticFitComesWithinSinglePrecision) {
  const Columns data = Split(kPontius);
  TdvFitObject fit;
  fit.SetFitType(TdvFitObject::kQuadratic);
  FakeFitOwner owner;
  ASSERT_TRUE(fit.Fit(data.x, data.y, data.n, Filled(data.n, 1.0f), true, owner));
  const TdvFitResult& r = fit.Result();
  EXPECT_EQ(r.nCoefficients, 3);
  // x reaches 3·10⁶ and x² 9·10¹²: the constant term, tiny beside them,
  // keeps about three digits, the others four or more.
  EXPECT_LT(RelativeError(r.coefficients[1], kPontiusB0), 3e-3);
  EXPECT_LT(RelativeError(r.coefficients[2], kPontiusB1), 1e-6);
  EXPECT_LT(RelativeError(r.coefficients[3], kPontiusB2), 2e-4);
  EXPECT_LT(RelativeError(std::sqrt(r.chiSquare / (data.n - 3)), kPontiusResidualSd), 1e-4);
  EXPECT_NEAR(r.rSquared, kPontiusRSquared, 5e-6);
  EXPECT_TRUE(owner.boxes.empty());
}

}  // namespace
