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
    const float q = gammq(float(p.a), float(p.x), status);
    ASSERT_FALSE(status.Failed()) << status.Message();
    EXPECT_NEAR(q, p.q, 2e-6 + 2e-5 * p.q) << "Q(" << p.a << ", " << p.x << ")";
  }
}

TEST(IncompleteGamma, ZeroIsCertain) {
  NrStatus status;
  EXPECT_FLOAT_EQ(gammq(2.5f, 0.0f, status), 1.0f);
  EXPECT_FALSE(status.Failed());
}

TEST(IncompleteGamma, LogGammaMatchesTheLibrary) {
  for (double x : {0.5, 1.0, 1.5, 2.0, 3.7, 10.0, 17.5, 100.0, 1234.5}) {
    EXPECT_NEAR(gammln(float(x)), std::lgamma(x), 1e-6 * (1 + std::fabs(std::lgamma(x)))) << x;
  }
}

TEST(IncompleteGammaFailure, InvalidArgumentsAreReportedNotFatal) {
  NrStatus negativeX;
  gammq(1.0f, -1.0f, negativeX);
  EXPECT_EQ(negativeX.Message(), "Invalid arguments in routine gammq");
  NrStatus zeroA;
  gammq(0.0f, 1.0f, zeroA);
  EXPECT_EQ(zeroA.Message(), "Invalid arguments in routine gammq");
  NrStatus series;
  float gamser = 0.0f;
  float gln = 0.0f;
  gser(gamser, 1.0f, -2.0f, gln, series);
  EXPECT_EQ(series.Message(), "x less than 0 in routine gser");
}

TEST(IncompleteGammaFailure, LargeArgumentsExhaustTheIterations) {
  // Just below a + 1 the series needs far more than 100 terms for large a.
  NrStatus series;
  gammq(5000.0f, 4990.0f, series);
  EXPECT_EQ(series.Message(), "a too large, ITMAX too small in routine gser");
  // Just above it the continued fraction does not settle either.
  NrStatus fraction;
  gammq(1.0e5f, 1.0e5f + 10.0f, fraction);
  EXPECT_EQ(fraction.Message(), "a too large, ITMAX too small in gcf");
  NrStatus notANumber;
  gammq(3.0f, std::nanf(""), notANumber);
  EXPECT_EQ(notANumber.Message(), "a too large, ITMAX too small in gcf");
}

TEST(Pythag, NeitherOverflowsNorUnderflows) {
  EXPECT_FLOAT_EQ(pythag(3.0f, 4.0f), 5.0f);
  EXPECT_FLOAT_EQ(pythag(-4.0f, 3.0f), 5.0f);
  EXPECT_FLOAT_EQ(pythag(0.0f, 0.0f), 0.0f);
  EXPECT_FLOAT_EQ(pythag(3e30f, 4e30f), 5e30f);
  EXPECT_FLOAT_EQ(pythag(3e-30f, 4e-30f), 5e-30f);
}

class SvdDecomposition : public ::testing::TestWithParam<int> {};

TEST_P(SvdDecomposition, ReconstructsTheMatrixWithOrthogonalFactors) {
  const int columns = GetParam();
  const int rows = columns + 4;
  std::mt19937 random(1234 + columns);
  std::uniform_real_distribution<float> value(-5.0f, 5.0f);
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
    EXPECT_GE(w[j], 0.0f);
  }
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= columns; ++j) {
      double sum = 0.0;
      for (int k = 1; k <= columns; ++k) {
        sum += double(u[i][k]) * w[k] * v[j][k];
      }
      EXPECT_NEAR(sum, a[i][j], 2e-5 * 5 * columns);
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
      EXPECT_NEAR(uu, p == q ? 1.0 : 0.0, 1e-5);
      EXPECT_NEAR(vv, p == q ? 1.0 : 0.0, 1e-5);
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
    u[i][1] = 1.0f;
    u[i][2] = float(i);
  }
  u[3][2] = std::nanf("");
  svdcmp(u, 4, 2, w, v, status);
  EXPECT_EQ(status.Message(), "no convergence in 30 svdcmp iterations");
}

TEST(SvdSolve, BackSubstitutionSkipsZeroSingularValues) {
  // Two equal columns: the least-squares solution of smallest norm splits
  // the weight evenly instead of dividing by a zero singular value.
  const NrVector x = MakeVector({1, 2, 3, 4});
  const NrVector y = MakeVector({2, 4, 6, 8});
  const NrVector sig = Filled(4, 1.0f);
  NrStatus status;
  NrVector a(2, status);
  NrMatrix u(4, 2, status);
  NrMatrix v(2, 2, status);
  NrVector w(2, status);
  auto twice = [](float xi, NrVector& p, int) {
    p[1] = xi;
    p[2] = xi;
  };
  float chisq = -1.0f;
  svdfit(x, y, sig, 4, a, 2, u, v, w, chisq, twice, status);
  ASSERT_FALSE(status.Failed());
  EXPECT_EQ(w[1] == 0.0f || w[2] == 0.0f, true);
  EXPECT_NEAR(a[1], 1.0, 1e-5);
  EXPECT_NEAR(a[2], 1.0, 1e-5);
  EXPECT_NEAR(chisq, 0.0, 1e-8);
}

TEST(SvdFit, CubicThroughExactPoints) {
  std::vector<double> xs;
  std::vector<double> ys;
  for (int i = 0; i < 9; ++i) {
    const double t = 0.25 * i - 1.0;
    xs.push_back(t);
    ys.push_back(0.5 - 2.0 * t + 3.0 * t * t - 1.5 * t * t * t);
  }
  NrStatus status;
  NrVector a(4, status);
  NrMatrix u(9, 4, status);
  NrMatrix v(4, 4, status);
  NrVector w(4, status);
  float chisq = -1.0f;
  svdfit(MakeVector(xs), MakeVector(ys), Filled(9, 0.1f), 9, a, 4, u, v, w, chisq, fpoly, status);
  ASSERT_FALSE(status.Failed());
  EXPECT_NEAR(a[1], 0.5, 1e-5);
  EXPECT_NEAR(a[2], -2.0, 1e-5);
  EXPECT_NEAR(a[3], 3.0, 1e-5);
  EXPECT_NEAR(a[4], -1.5, 1e-5);
  EXPECT_NEAR(chisq, 0.0, 1e-6);
}

TEST(LineFit, WeightedLineWithErrorsAndProbability) {
  // y = 1 + 2x ± 0.1 alternately; σ = 0.1 each.
  const NrVector x = MakeVector({0, 1, 2, 3, 4, 5});
  const NrVector y = MakeVector({1.1, 2.9, 5.1, 6.9, 9.1, 10.9});
  const NrVector sig = Filled(6, 0.1f);
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

TEST(LineFit, UnweightedLineScalesErrorsByTheScatter) {
  const NrVector x = MakeVector({0, 1, 2, 3, 4, 5});
  const NrVector y = MakeVector({1.1, 2.9, 5.1, 6.9, 9.1, 10.9});
  NrLineFit weighted;
  NrLineFit unweighted;
  NrStatus status;
  fit(x, y, 6, Filled(6, 1.0f), true, weighted, status);
  fit(x, y, 6, Filled(6, 1.0f), false, unweighted, status);
  EXPECT_FLOAT_EQ(unweighted.a, weighted.a);
  EXPECT_FLOAT_EQ(unweighted.b, weighted.b);
  EXPECT_FLOAT_EQ(unweighted.q, 1.0f);
  const double scatter = std::sqrt(weighted.chi2 / 4);
  EXPECT_NEAR(unweighted.siga, weighted.siga * scatter, 1e-6);
  EXPECT_NEAR(unweighted.sigb, weighted.sigb * scatter, 1e-6);
}

TEST(LineFit, TwoPointsNeedNoProbability) {
  NrLineFit line;
  line.q = -1.0f;
  NrStatus status;
  fit(MakeVector({1, 3}), MakeVector({2, 6}), 2, Filled(2, 0.5f), true, line, status);
  EXPECT_FLOAT_EQ(line.b, 2.0f);
  EXPECT_FLOAT_EQ(line.a, 0.0f);
  EXPECT_FLOAT_EQ(line.q, 1.0f);
}

TEST(NrArrays, RequestsBeyondTheLimitAreAllocationFailures) {
  NrStatus vector;
  NrVector v(int(kNrMaxElements), vector);
  EXPECT_EQ(vector.Message(), "allocation failure in nr_vector()");
  EXPECT_EQ(v.Size(), 0);
  NrStatus rows;
  NrMatrix tall(int(kNrMaxElements), 1, rows);
  EXPECT_EQ(rows.Message(), "allocation failure 1 in matrix()");
  NrStatus block;
  NrMatrix wide(4096, 4096, block);
  EXPECT_EQ(block.Message(), "allocation failure 2 in matrix()");
  EXPECT_EQ(wide.Rows(), 0);
}

TEST(NrArrays, TheFirstFailureIsTheOneKept) {
  NrStatus status;
  status.nrerror("first");
  status.nrerror("second");
  EXPECT_TRUE(status.Failed());
  EXPECT_EQ(status.Message(), "first");
}

}  // namespace
