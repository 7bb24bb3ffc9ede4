#pragma once

#include "graph/nr_arrays.h"

// The incomplete gamma function in single precision, for the probability
// that a chi-square as poor as the one found arises by chance.

// ln Γ(xx) for xx > 0 (Lanczos approximation).
float gammln(float xx);

// Q(a, x) = 1 − P(a, x). Invalid arguments or a failure to converge are
// recorded in status and the answer is then 0.
float gammq(float a, float x, NrStatus& status);

// P(a, x) by its series (best for x < a + 1); gln receives ln Γ(a).
void gser(float& gamser, float a, float x, float& gln, NrStatus& status);

// Q(a, x) by its continued fraction (best for x ≥ a + 1); gln receives ln Γ(a).
void gcf(float& gammcf, float a, float x, float& gln, NrStatus& status);
