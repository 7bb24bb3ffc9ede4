#pragma once

#include "graph/nr_arrays.h"

// Result of a straight-line fit y = a + b·x.
struct NrLineFit {
  float a = 0.0f;
  float b = 0.0f;
  float siga = 0.0f;  // standard error of a
  float sigb = 0.0f;  // standard error of b
  float chi2 = 0.0f;
  float q = 1.0f;  // goodness-of-fit probability
};

// Fits a straight line to ndata points (1-based, 32-bit). With mwt the
// points are weighted by their standard deviations sig and q is the
// probability of a χ² this poor; without, sig is not used, q is 1 and the
// standard errors are scaled by the scatter of the points.
void fit(const NrVector& x, const NrVector& y, int ndata, const NrVector& sig, bool mwt,
         NrLineFit& result, NrStatus& status);
