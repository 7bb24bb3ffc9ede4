#pragma once

#include "graph/nr_arrays.h"

// The incomplete gamma function in double precision, for the probability
// that a chi-square as poor as the one found arises by chance.

// ln Γ(xx) for xx > 0 (Lanczos approximation).
double gammln(double xx);

// Q(a, x) = 1 − P(a, x). Invalid arguments or a failure to converge are
// recorded in status and the answer is then 0.
double gammq(double a, double x, NrStatus& status);

// P(a, x) by its series (best for x < a + 1); gln receives ln Γ(a).
void gser(double& gamser, double a, double x, double& gln, NrStatus& status);

// Q(a, x) by its continued fraction (best for x ≥ a + 1); gln receives ln Γ(a).
void gcf(double& gammcf, double a, double x, double& gln, NrStatus& status);
