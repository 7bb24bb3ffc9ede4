#include "graph/polynomial_fit.h"

#include <algorithm>
#include <cmath>

#include "graph/svd.h"

namespace {

// Where the fit is made: u = (x − centre) ÷ scale runs over about −1 … 1,
// with the centre in the middle of the points and the scale a power of two
// (so dividing by it is exact). Powers of x itself are nearly equal columns
// when the points lie far from 0 (times of 100 s and more, pixels in the
// hundreds): their singular values fall apart so far that the small ones
// are cut off and the fit degenerates.
struct Variable {
  double centre = 0.0;
  double scale = 1.0;
};

Variable FitVariable(const NrVector& x, int n) {
  double low = x[1];
  double high = x[1];
  for (int i = 2; i <= n; ++i) {
    low = std::min(low, x[i]);
    high = std::max(high, x[i]);
  }
  Variable variable;
  if (!std::isfinite(low) || !std::isfinite(high)) {
    return variable;
  }
  variable.centre = 0.5 * (low + high);
  const double halfRange = 0.5 * (high - low);
  if (halfRange > 0.0) {
    int exponent = 0;
    std::frexp(halfRange, &exponent);
    variable.scale = std::ldexp(1.0, exponent);
  }
  return variable;
}

// Turns the coefficients of a polynomial in u into those in x: each is
// divided by its power of the scale, then the polynomial is shifted by the
// centre (a Taylor shift by repeated synthetic division).
void BackToX(NrVector& c, int count, const Variable& variable) {
  double power = 1.0;
  for (int j = 1; j <= count; ++j) {
    c[j] /= power;
    power *= variable.scale;
  }
  for (int i = 1; i < count; ++i) {
    for (int j = count - 1; j >= i; --j) {
      c[j] -= variable.centre * c[j + 1];
    }
  }
}

}  // namespace

void PolynomialFit(const NrVector& x, const NrVector& y, const NrVector& sig, int n, int count,
                   NrVector& coefficients, double& chisq, NrStatus& status) {
  NrVector u(n, status);
  NrMatrix design(n, count, status);
  NrMatrix v(count, count, status);
  NrVector w(count, status);
  if (status.Failed() || n < 1) {
    return;
  }
  const Variable variable = FitVariable(x, n);
  for (int i = 1; i <= n; ++i) {
    u[i] = (x[i] - variable.centre) / variable.scale;
  }
  svdfit(u, y, sig, n, coefficients, count, design, v, w, chisq, fpoly, status);
  if (!status.Failed()) {
    BackToX(coefficients, count, variable);
  }
}
