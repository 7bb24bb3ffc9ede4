#include "graph/line_fit.h"

#include <cmath>

#include "graph/incomplete_gamma.h"

namespace {

// A standard deviation of 0 squares to 0 and so weighs the point infinitely.
double Square(double v) {
  return v * v;
}

}  // namespace

void fit(const NrVector& x, const NrVector& y, int ndata, const NrVector& sig, bool mwt,
         NrLineFit& result, NrStatus& status) {
  double sx = 0.0;
  double sy = 0.0;
  double st2 = 0.0;
  double ss = 0.0;
  double b = 0.0;
  if (mwt) {
    for (int i = 1; i <= ndata; ++i) {
      const double wt = 1.0 / Square(sig[i]);
      ss += wt;
      sx += x[i] * wt;
      sy += y[i] * wt;
    }
  } else {
    for (int i = 1; i <= ndata; ++i) {
      sx += x[i];
      sy += y[i];
    }
    ss = ndata;
  }
  const double sxoss = sx / ss;
  for (int i = 1; i <= ndata; ++i) {
    const double t = mwt ? (x[i] - sxoss) / sig[i] : x[i] - sxoss;
    st2 += t * t;
    b += mwt ? t * y[i] / sig[i] : t * y[i];
  }
  b /= st2;
  NrLineFit line;
  line.b = b;
  line.a = (sy - sx * b) / ss;
  line.siga = std::sqrt((1.0 + sx * sx / (ss * st2)) / ss);
  line.sigb = std::sqrt(1.0 / st2);
  double chi2 = 0.0;
  if (!mwt) {
    for (int i = 1; i <= ndata; ++i) {
      const double r = y[i] - line.a - line.b * x[i];
      chi2 += Square(r);
    }
    const double sigdat = std::sqrt(chi2 / (ndata - 2));
    line.siga *= sigdat;
    line.sigb *= sigdat;
  } else {
    for (int i = 1; i <= ndata; ++i) {
      const double r = (y[i] - line.a - line.b * x[i]) / sig[i];
      chi2 += Square(r);
    }
    if (ndata > 2) {
      line.q = gammq(0.5 * (ndata - 2), 0.5 * chi2, status);
      if (status.Failed()) {
        return;
      }
    }
  }
  line.chi2 = chi2;
  result = line;
}

bool FitThroughOrigin(const NrVector& x, const NrVector& y, int ndata, const NrVector& sig,
                      bool mwt, NrLineFit& result, NrStatus& status) {
  double sxx = 0.0;
  double sxy = 0.0;
  for (int i = 1; i <= ndata; ++i) {
    const double wt = mwt ? 1.0 / Square(sig[i]) : 1.0;
    sxx += wt * x[i] * x[i];
    sxy += wt * x[i] * y[i];
  }
  if (!(sxx > 0.0)) {
    return false;
  }
  NrLineFit line;
  line.b = sxy / sxx;
  line.sigb = std::sqrt(1.0 / sxx);
  double chi2 = 0.0;
  for (int i = 1; i <= ndata; ++i) {
    const double r = y[i] - line.b * x[i];
    chi2 += mwt ? Square(r / sig[i]) : Square(r);
  }
  if (!mwt && ndata > 1) {
    line.sigb *= std::sqrt(chi2 / (ndata - 1));
  } else if (mwt && ndata > 1) {
    line.q = gammq(0.5 * (ndata - 1), 0.5 * chi2, status);
    if (status.Failed()) {
      return true;
    }
  }
  line.chi2 = chi2;
  result = line;
  return true;
}
