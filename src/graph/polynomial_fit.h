#pragma once

#include "graph/nr_arrays.h"

// Fits c[1] + c[2]·x + … + c[count]·x^(count−1) to the n points (x, y)
// with standard deviations sig (all 1-based) by svdfit; coefficients must
// hold count elements and chisq receives χ². Needs n ≥ count.
void PolynomialFit(const NrVector& x, const NrVector& y, const NrVector& sig, int n, int count,
                   NrVector& coefficients, double& chisq, NrStatus& status);
