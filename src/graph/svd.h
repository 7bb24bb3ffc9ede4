#pragma once

#include "graph/nr_arrays.h"

// Linear least squares by singular value decomposition, in double precision
// with 1-based vectors and matrices.

// √(a² + b²) without overflow or destructive underflow.
double pythag(double a, double b);

// Decomposes a (m × n, m ≥ n) into U·W·Vᵀ: a is replaced by U, w receives
// the n singular values and v (n × n) the matrix V. Gives up when one
// singular value does not converge in 30 iterations.
void svdcmp(NrMatrix& a, int m, int n, NrVector& w, NrMatrix& v, NrStatus& status);

// Solves A·x = b for x from the decomposition of A (m × n); terms with a zero
// singular value are left out.
void svbksb(const NrMatrix& u, const NrVector& w, const NrMatrix& v, int m, int n,
            const NrVector& b, NrVector& x, NrStatus& status);

// The powers of x: p[1] = 1, p[j] = p[j-1]·x up to p[np].
void fpoly(double x, NrVector& p, int np);

using NrBasisFunctions = void (*)(double x, NrVector& p, int np);

// Fits y ≈ Σ a[j]·funcs(x)[j] (j = 1 … ma) to ndata points with standard
// deviations sig. u (ndata × ma), v (ma × ma) and w (ma) are the caller's
// work space; chisq receives χ².
void svdfit(const NrVector& x, const NrVector& y, const NrVector& sig, int ndata, NrVector& a,
            int ma, NrMatrix& u, NrMatrix& v, NrVector& w, double& chisq, NrBasisFunctions funcs,
            NrStatus& status);
