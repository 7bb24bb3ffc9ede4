#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "graph/incomplete_gamma.h"
#include "graph/line_fit.h"
#include "graph/svd.h"
#include "nr_test_vectors.h"

namespace {

// Q(n, x) for whole n: e^(−x) Σ_{k<n} x^k / k!.
double QWhole(int n, double x) {
  double term = 1.0;
  double sum = 0.0;
  for (int k = 0; k < n; ++k) {
    sum += term;
    term *= x / (k + 1);
  }
  return std::exp(-x) * sum;
}

// Q(n + ½, x) from Q(½, x) = erfc(√x) and Q(a+1, x) = Q(a, x) + x^a e^(−x) / Γ(a+1).
double QHalf(int n, double x) {
  double q = std::erfc(std::sqrt(x));
  for (int k = 0; k < n; ++k) {
    const double a = k + 0.5;
    q += std::exp(a * std::log(x) - x - std::lgamma(a + 1));
  }
  return q;
}

TEST(IncompleteGamma, MatchesClosedFormsOnBothSidesOfTheSeriesLimit) {
  struct Point {
    double a;
    double x;
    double q;
  };
  std::vector<Point> points;
  for (int n : {1, 2, 3, 5, 10, 20}) {
    for (double x : {0.1, 0.5, 1.0, 2.0, 5.0, 10.0, 25.0}) {
      points.push_back({double(n), x, QWhole(n, x)});
    }
  }
  for (int n : {0, 1, 4, 9}) {
    for (double x : {0.2, 1.0, 3.0, 8.0, 15.0}) {
      points.push_back({n + 0.5, x, QHalf(n, x)});
    }
  }
  for (const Point& p : points) {
    NrStatus status;
    const double q = gammq(double(p.a), double(p.x), status);
    ASSERT_FALSE(status.Failed()) << status.Message();
    EXPECT_NEAR(q, p.q, 1e-9 + 1e-9 * p.q) << "Q(" << p.a << ", " << p.x << ")";
  }
}

class SvdDecomposition : public ::testing::TestWithParam<int> {};

TEST_P(SvdDecomposition, ReconstructsTheMatrixWithOrthogonalFactors) {
  const int columns = GetParam();
  const int rows = columns + 4;
  std::mt19937 random(1234 + columns);
  std::uniform_real_distribution<double> value(-5.0, 5.0);
  NrStatus status;
  NrMatrix a(rows, columns, status);
  NrMatrix u(rows, columns, status);
  NrMatrix v(columns, columns, status);
  NrVector w(columns, status);
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= columns; ++j) {
      a[i][j] = u[i][j] = value(random);
    }
  }
  svdcmp(u, rows, columns, w, v, status);
  ASSERT_FALSE(status.Failed()) << status.Message();
  for (int j = 1; j <= columns; ++j) {
    EXPECT_GE(w[j], 0.0);
  }
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= columns; ++j) {
      double sum = 0.0;
      for (int k = 1; k <= columns; ++k) {
        sum += double(u[i][k]) * w[k] * v[j][k];
      }
      EXPECT_NEAR(sum, a[i][j], 1e-13 * 5 * columns);
    }
  }
  for (int p = 1; p <= columns; ++p) {
    for (int q = 1; q <= columns; ++q) {
      double uu = 0.0;
      double vv = 0.0;
      for (int i = 1; i <= rows; ++i) {
        uu += double(u[i][p]) * u[i][q];
      }
      for (int i = 1; i <= columns; ++i) {
        vv += double(v[i][p]) * v[i][q];
      }
      EXPECT_NEAR(uu, p == q ? 1.0 : 0.0, 1e-14);
      EXPECT_NEAR(vv, p == q ? 1.0 : 0.0, 1e-14);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SvdDecomposition, ::testing::Values(1, 2, 3, 4, 6));

TEST(SvdFailure, ValuesThatAreNotNumbersDoNotConverge) {
  NrStatus status;
  NrMatrix u(4, 2, status);
  NrMatrix v(2, 2, status);
  NrVector w(2, status);
  for (int i = 1; i <= 4; ++i) {
    u[i][1] = 1.0;
    u[i][2] = double(i);
  }
  u[3][2] = std::nan("");
  svdcmp(u, 4, 2, w, v, status);
  EXPECT_EQ(status.Message(), "no convergence in 30 svdcmp iterations");
}

TEST(LineFit, WeightedLineWithErrorsAndProbability) {
  // y = 1 + 2x ± 0.1 alternately; σ = 0.1 each.
  const NrVector x = MakeVector({0, 1, 2, 3, 4, 5});
  const NrVector y = MakeVector({1.1, 2.9, 5.1, 6.9, 9.1, 10.9});
  const NrVector sig = Filled(6, 0.1);
  NrLineFit line;
  NrStatus status;
  fit(x, y, 6, sig, true, line, status);
  ASSERT_FALSE(status.Failed());
  // Equal weights: the closed forms of the normal equations.
  double sy = 0.0;
  double sxy = 0.0;
  for (int i = 1; i <= 6; ++i) {
    sy += y[i];
    sxy += double(x[i]) * y[i];
  }
  const double slope = (6 * sxy - 15 * sy) / (6 * 55.0 - 15 * 15.0);
  const double intercept = (sy - 15 * slope) / 6;
  EXPECT_NEAR(line.b, slope, 1e-5);
  EXPECT_NEAR(line.a, intercept, 1e-5);
  EXPECT_NEAR(line.sigb, 0.1 / std::sqrt(55.0 - 15.0 * 15.0 / 6), 1e-6);
  EXPECT_NEAR(line.siga, 0.1 * std::sqrt(55.0 / (6 * 55.0 - 225.0)), 1e-6);
  double chi2 = 0.0;
  for (int i = 1; i <= 6; ++i) {
    chi2 += std::pow((y[i] - intercept - slope * x[i]) / 0.1, 2);
  }
  EXPECT_NEAR(line.chi2, chi2, 1e-3);
  EXPECT_NEAR(line.q, QWhole(2, chi2 / 2), 1e-5);
}

}  // namespace
