// The curve fits against the certified results of the linear-regression
// reference datasets of the US National Institute of Standards and
// Technology (Statistical Reference Datasets, public domain; the points are
// in data/, one "x y" pair a line). The fits run as the program runs them,
// with equal standard deviations for every point, and must give the
// certified values to 7 significant digits and r² to 9, never above 1 (two
// of the data sets lie exactly on their curves).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fake_fit_owner.h"
#include "graph/fit_object.h"
#include "graph/polynomial_fit.h"
#include "nr_test_vectors.h"

namespace {

// The program's fit type, or kQuintic for a polynomial of order 5 fitted
// by the routine under the fits.
constexpr int kQuintic = -1;

struct Certified {
  const char* name;
  int fitType;
  std::vector<double> coefficients;  // b0, b1, … (b1 alone through the origin)
  double residualSd;
  double rSquared;
};

const Certified kDatasets[] = {
    {"Norris",
     TdvFitObject::kLine,
     {-0.262323073774029, 1.00211681802045},
     0.884796396144373,
     0.999993745883712},
    {"Pontius",
     TdvFitObject::kQuadratic,
     {0.673565789473684E-03, 0.732059160401003E-06, -0.316081871345029E-14},
     0.205177424076185E-03,
     0.999999900178537},
    {"NoInt1",
     TdvFitObject::kThroughOrigin,
     {2.07438016528926},
     3.56753034006338,
     0.999365492298663},
    {"Wampler1", kQuintic, {1, 1, 1, 1, 1, 1}, 0.0, 1.0},
    {"Wampler2", kQuintic, {1, 0.1, 0.1E-01, 0.1E-02, 0.1E-03, 0.1E-04}, 0.0, 1.0},
    {"Wampler3", kQuintic, {1, 1, 1, 1, 1, 1}, 2360.14502379268, 0.999995559025820},
};

struct Columns {
  std::vector<double> x;
  std::vector<double> y;
  int n() const { return static_cast<int>(x.size()); }
};

Columns ReadDataset(const std::string& name) {
  const char* source = std::getenv("KINOVEX_SOURCE_DIR");
  std::ifstream in(std::string(source != nullptr ? source : ".") + "/tests/graph/data/" + name +
                   ".txt");
  Columns data;
  double x = 0.0;
  double y = 0.0;
  while (in >> x >> y) {
    data.x.push_back(x);
    data.y.push_back(y);
  }
  return data;
}

struct Found {
  std::vector<double> coefficients;
  double chiSquare = 0.0;
  double rSquared = 0.0;
};

Found FitOfProgram(const Columns& data, int type) {
  TdvFitObject fit;
  fit.SetFitType(static_cast<std::uint8_t>(type));
  FakeFitOwner owner;
  EXPECT_TRUE(fit.Fit(MakeVector(data.x), MakeVector(data.y), data.n(), Filled(data.n(), 1.0), true,
                      owner));
  EXPECT_TRUE(owner.boxes.empty());
  const TdvFitResult& r = fit.Result();
  Found found{{}, r.chiSquare, r.rSquared};
  if (type == TdvFitObject::kLine) {
    found.coefficients = {r.a, r.b};
  } else if (type == TdvFitObject::kThroughOrigin) {
    found.coefficients = {r.b};
  } else {
    found.coefficients.assign(r.coefficients.begin() + 1,
                              r.coefficients.begin() + 1 + r.nCoefficients);
  }
  return found;
}

Found FitQuintic(const Columns& data) {
  NrStatus status;
  NrVector coefficients(6, status);
  const NrVector x = MakeVector(data.x);
  const NrVector y = MakeVector(data.y);
  Found found;
  PolynomialFit(x, y, Filled(data.n(), 1.0), data.n(), 6, coefficients, found.chiSquare, status);
  EXPECT_FALSE(status.Failed()) << status.Message();
  NrVector yfit(data.n(), status);
  for (int i = 1; i <= data.n(); ++i) {
    for (int j = 6; j >= 1; --j) {
      yfit[i] = yfit[i] * x[i] + coefficients[j];
    }
  }
  found.coefficients.assign(coefficients.Values().begin(), coefficients.Values().end());
  found.rSquared = TdvFitObject::Statistic(y, yfit, data.n(), TdvFitObject::kCubic);
  return found;
}

TEST(NistReferenceFits, AgreeWithTheCertifiedValues) {
  for (const Certified& c : kDatasets) {
    SCOPED_TRACE(c.name);
    const Columns data = ReadDataset(c.name);
    ASSERT_GT(data.n(), 10) << "the points of " << c.name << " are missing";
    const Found found = c.fitType == kQuintic ? FitQuintic(data) : FitOfProgram(data, c.fitType);
    ASSERT_EQ(found.coefficients.size(), c.coefficients.size());
    for (std::size_t j = 0; j < c.coefficients.size(); ++j) {
      EXPECT_NEAR(found.coefficients[j], c.coefficients[j], 5e-8 * std::fabs(c.coefficients[j]))
          << "b" << j + (c.fitType == TdvFitObject::kThroughOrigin ? 1 : 0);
    }
    const int freedom = data.n() - static_cast<int>(c.coefficients.size());
    const double largestY = std::fabs(*std::max_element(data.y.begin(), data.y.end()));
    EXPECT_NEAR(std::sqrt(found.chiSquare / freedom), c.residualSd,
                5e-8 * c.residualSd + 1e-12 * largestY);
    EXPECT_NEAR(found.rSquared, c.rSquared, 5e-10);
    EXPECT_LE(found.rSquared, 1.0);
  }
}

}  // namespace
