#include "graph/line_fit.h"

#include <cmath>

#include "graph/incomplete_gamma.h"

namespace {

// A standard deviation of 0 squares to 0 and so weighs the point infinitely.
double Square(float v) {
  return v == 0.0f ? 0.0 : static_cast<double>(v * v);
}

}  // namespace

void fit(const NrVector& x, const NrVector& y, int ndata, const NrVector& sig, bool mwt,
         NrLineFit& result, NrStatus& status) {
  float sx = 0.0f;
  float sy = 0.0f;
  float st2 = 0.0f;
  float ss = 0.0f;
  float b = 0.0f;
  if (mwt) {
    for (int i = 1; i <= ndata; ++i) {
      const float wt = static_cast<float>(1.0 / Square(sig[i]));
      ss += wt;
      sx += x[i] * wt;
      sy += y[i] * wt;
    }
  } else {
    for (int i = 1; i <= ndata; ++i) {
      sx += x[i];
      sy += y[i];
    }
    ss = static_cast<float>(ndata);
  }
  const float sxoss = sx / ss;
  for (int i = 1; i <= ndata; ++i) {
    const float t = mwt ? (x[i] - sxoss) / sig[i] : x[i] - sxoss;
    st2 += t * t;
    b += mwt ? t * y[i] / sig[i] : t * y[i];
  }
  b /= st2;
  NrLineFit line;
  line.b = b;
  line.a = (sy - sx * b) / ss;
  line.siga = static_cast<float>(std::sqrt((1.0 + sx * sx / (ss * st2)) / ss));
  line.sigb = static_cast<float>(std::sqrt(1.0 / st2));
  float chi2 = 0.0f;
  if (!mwt) {
    for (int i = 1; i <= ndata; ++i) {
      const float r = y[i] - line.a - line.b * x[i];
      chi2 += static_cast<float>(Square(r));
    }
    const float sigdat = static_cast<float>(std::sqrt(static_cast<double>(chi2) / (ndata - 2)));
    line.siga *= sigdat;
    line.sigb *= sigdat;
  } else {
    for (int i = 1; i <= ndata; ++i) {
      const float r = (y[i] - line.a - line.b * x[i]) / sig[i];
      chi2 += static_cast<float>(Square(r));
    }
    if (ndata > 2) {
      line.q = gammq(static_cast<float>(0.5 * (ndata - 2)), static_cast<float>(0.5 * chi2), status);
      if (status.Failed()) {
        return;
      }
    }
  }
  line.chi2 = chi2;
  result = line;
}
