#pragma once

#include "graph/nr_arrays.h"

// Result of a straight-line fit y = a + b·x.
struct NrLineFit {
  double a = 0.0;
  double b = 0.0;
  double siga = 0.0;  // standard error of a
  double sigb = 0.0;  // standard error of b
  double chi2 = 0.0;
  double q = 1.0;  // goodness-of-fit probability
};

// Fits a straight line to ndata points (1-based). With mwt the
// points are weighted by their standard deviations sig and q is the
// probability of a χ² this poor; without, sig is not used, q is 1 and the
// standard errors are scaled by the scatter of the points.
void fit(const NrVector& x, const NrVector& y, int ndata, const NrVector& sig, bool mwt,
         NrLineFit& result, NrStatus& status);

// Fits the line through the origin y = b·x (a, siga stay 0) in the same
// way; q uses n − 1 degrees of freedom. Answers false, leaving result
// alone, when every x is 0 and the slope is undetermined.
bool FitThroughOrigin(const NrVector& x, const NrVector& y, int ndata, const NrVector& sig,
                      bool mwt, NrLineFit& result, NrStatus& status);
