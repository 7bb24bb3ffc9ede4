#include "graph/incomplete_gamma.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEps = 1.0e-12;
constexpr double kFpMin = 1.0e-300;

// Near x = a both the series and the fraction need a number of terms that
// grows like √a: a fixed limit would make every weighted line fit through
// more than a few hundred scattered points fail.
int IterationLimit(double a) {
  return 100 + static_cast<int>(20.0 * std::sqrt(std::min(a, 1.0e12)));
}

// e^(−x) x^a / Γ(a), the factor shared by the series and the fraction.
double GammaFactor(double a, double x, double gln) {
  return std::exp(-x + a * std::log(x) - gln);
}

}  // namespace

double gammln(double xx) {
  static const double kCof[6] = {76.18009172947146,  -86.50532032941678,    24.01409824083091,
                                 -1.231739572450155, 0.1208650973866179e-2, -0.5395239384953e-5};
  double x = xx;
  double y = xx;
  double tmp = x + 5.5;
  tmp -= (x + 0.5) * std::log(tmp);
  double ser = 1.000000000190015;
  for (double c : kCof) {
    ser += c / ++y;
  }
  return -tmp + std::log(2.5066282746310005 * ser / x);
}

void gser(double& gamser, double a, double x, double& gln, NrStatus& status) {
  gln = gammln(a);
  if (x <= 0.0) {
    if (x < 0.0) {
      status.nrerror("x less than 0 in routine gser");
    }
    gamser = 0.0;
    return;
  }
  double ap = a;
  double sum = 1.0 / a;
  double del = sum;
  const int limit = IterationLimit(a);
  for (int n = 1; n <= limit; ++n) {
    ++ap;
    del *= x / ap;
    sum += del;
    if (std::fabs(del) < std::fabs(sum) * kEps) {
      gamser = sum * GammaFactor(a, x, gln);
      return;
    }
  }
  status.nrerror("a too large, ITMAX too small in routine gser");
}

void gcf(double& gammcf, double a, double x, double& gln, NrStatus& status) {
  gln = gammln(a);
  double b = x + 1.0 - a;
  double c = 1.0 / kFpMin;
  double d = 1.0 / b;
  double h = d;
  const int limit = IterationLimit(a);
  int i = 1;
  for (; i <= limit; ++i) {
    const double an = -i * (i - a);
    b += 2.0;
    d = an * d + b;
    if (std::fabs(d) < kFpMin) {
      d = kFpMin;
    }
    c = b + an / c;
    if (std::fabs(c) < kFpMin) {
      c = kFpMin;
    }
    d = 1.0 / d;
    const double del = d * c;
    h *= del;
    if (std::fabs(del - 1.0) < kEps) {
      break;
    }
  }
  if (i > limit) {
    status.nrerror("a too large, ITMAX too small in gcf");
    return;
  }
  gammcf = GammaFactor(a, x, gln) * h;
}

double gammq(double a, double x, NrStatus& status) {
  if (x < 0.0 || a <= 0.0) {
    status.nrerror("Invalid arguments in routine gammq");
    return 0.0;
  }
  double gln = 0.0;
  if (x < a + 1.0) {
    double gamser = 0.0;
    gser(gamser, a, x, gln, status);
    // Rounding must not carry a probability outside [0, 1].
    return status.Failed() ? 0.0 : std::clamp(1.0 - gamser, 0.0, 1.0);
  }
  double gammcf = 0.0;
  gcf(gammcf, a, x, gln, status);
  return status.Failed() ? 0.0 : std::clamp(gammcf, 0.0, 1.0);
}
