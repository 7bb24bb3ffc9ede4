#include "graph/svd.h"

#include <algorithm>
#include <cmath>

namespace {

double Sign(double a, double b) {
  return b >= 0.0 ? std::fabs(a) : -std::fabs(a);
}

bool Negligible(double value, double anorm) {
  return value + anorm == anorm;
}

// Householder reduction to bidiagonal form; rv1 receives the superdiagonal.
double Bidiagonalize(NrMatrix& a, int m, int n, NrVector& w, NrVector& rv1) {
  double g = 0.0;
  double scale = 0.0;
  double anorm = 0.0;
  for (int i = 1; i <= n; ++i) {
    const int l = i + 1;
    rv1[i] = scale * g;
    g = 0.0;
    double s = 0.0;
    scale = 0.0;
    if (i <= m) {
      for (int k = i; k <= m; ++k) {
        scale += std::fabs(a[k][i]);
      }
      if (scale != 0.0) {
        for (int k = i; k <= m; ++k) {
          a[k][i] /= scale;
          s += a[k][i] * a[k][i];
        }
        double f = a[i][i];
        g = -Sign(std::sqrt(s), f);
        const double h = f * g - s;
        a[i][i] = f - g;
        for (int j = l; j <= n; ++j) {
          s = 0.0;
          for (int k = i; k <= m; ++k) {
            s += a[k][i] * a[k][j];
          }
          f = s / h;
          for (int k = i; k <= m; ++k) {
            a[k][j] += f * a[k][i];
          }
        }
        for (int k = i; k <= m; ++k) {
          a[k][i] *= scale;
        }
      }
    }
    w[i] = scale * g;
    g = 0.0;
    s = 0.0;
    scale = 0.0;
    if (i <= m && i != n) {
      for (int k = l; k <= n; ++k) {
        scale += std::fabs(a[i][k]);
      }
      if (scale != 0.0) {
        for (int k = l; k <= n; ++k) {
          a[i][k] /= scale;
          s += a[i][k] * a[i][k];
        }
        const double f = a[i][l];
        g = -Sign(std::sqrt(s), f);
        const double h = f * g - s;
        a[i][l] = f - g;
        for (int k = l; k <= n; ++k) {
          rv1[k] = a[i][k] / h;
        }
        for (int j = l; j <= m; ++j) {
          s = 0.0;
          for (int k = l; k <= n; ++k) {
            s += a[j][k] * a[i][k];
          }
          for (int k = l; k <= n; ++k) {
            a[j][k] += s * rv1[k];
          }
        }
        for (int k = l; k <= n; ++k) {
          a[i][k] *= scale;
        }
      }
    }
    anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(rv1[i]));
  }
  return anorm;
}

// Accumulates the right-hand transformations into v.
void AccumulateRight(const NrMatrix& a, int n, NrMatrix& v, const NrVector& rv1) {
  double g = 0.0;
  int l = n + 1;
  for (int i = n; i >= 1; --i) {
    if (i < n) {
      if (g != 0.0) {
        for (int j = l; j <= n; ++j) {
          v[j][i] = (a[i][j] / a[i][l]) / g;
        }
        for (int j = l; j <= n; ++j) {
          double s = 0.0;
          for (int k = l; k <= n; ++k) {
            s += a[i][k] * v[k][j];
          }
          for (int k = l; k <= n; ++k) {
            v[k][j] += s * v[k][i];
          }
        }
      }
      for (int j = l; j <= n; ++j) {
        v[i][j] = 0.0;
        v[j][i] = 0.0;
      }
    }
    v[i][i] = 1.0;
    g = rv1[i];
    l = i;
  }
}

// Accumulates the left-hand transformations into a, which becomes U.
void AccumulateLeft(NrMatrix& a, int m, int n, const NrVector& w) {
  for (int i = std::min(m, n); i >= 1; --i) {
    const int l = i + 1;
    double g = w[i];
    for (int j = l; j <= n; ++j) {
      a[i][j] = 0.0;
    }
    if (g != 0.0) {
      g = 1.0 / g;
      for (int j = l; j <= n; ++j) {
        double s = 0.0;
        for (int k = l; k <= m; ++k) {
          s += a[k][i] * a[k][j];
        }
        const double f = (s / a[i][i]) * g;
        for (int k = i; k <= m; ++k) {
          a[k][j] += f * a[k][i];
        }
      }
      for (int j = i; j <= m; ++j) {
        a[j][i] *= g;
      }
    } else {
      for (int j = i; j <= m; ++j) {
        a[j][i] = 0.0;
      }
    }
    ++a[i][i];
  }
}

// Cancels rv1[l] when w[l-1] is negligible, so the matrix splits at l.
void CancelSuperdiagonal(NrMatrix& a, int m, int l, int k, NrVector& w, NrVector& rv1,
                         double anorm) {
  const int nm = l - 1;
  double c = 0.0;
  double s = 1.0;
  for (int i = l; i <= k; ++i) {
    const double f = s * rv1[i];
    rv1[i] = c * rv1[i];
    if (Negligible(std::fabs(f), anorm)) {
      break;
    }
    const double g = w[i];
    double h = pythag(f, g);
    w[i] = h;
    h = 1.0 / h;
    c = g * h;
    s = -f * h;
    for (int j = 1; j <= m; ++j) {
      const double y = a[j][nm];
      const double z = a[j][i];
      a[j][nm] = y * c + z * s;
      a[j][i] = z * c - y * s;
    }
  }
}

// Rotates columns p and q of rows 1 … count of a matrix by (c, s).
void RotateColumns(NrMatrix& matrix, int count, int p, int q, double c, double s) {
  for (int j = 1; j <= count; ++j) {
    const double x = matrix[j][p];
    const double z = matrix[j][q];
    matrix[j][p] = x * c + z * s;
    matrix[j][q] = z * c - x * s;
  }
}

// One QR sweep with a shift from the bottom 2 × 2 minor, on rows l … k.
void QrSweep(NrMatrix& a, int m, int n, int l, int k, NrVector& w, NrMatrix& v, NrVector& rv1) {
  double z = w[k];
  double x = w[l];
  const int nm = k - 1;
  double y = w[nm];
  double g = rv1[nm];
  double h = rv1[k];
  double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
  g = pythag(f, 1.0);
  f = ((x - z) * (x + z) + h * ((y / (f + Sign(g, f))) - h)) / x;
  double c = 1.0;
  double s = 1.0;
  for (int j = l; j <= nm; ++j) {
    const int i = j + 1;
    g = rv1[i];
    y = w[i];
    h = s * g;
    g = c * g;
    z = pythag(f, h);
    rv1[j] = z;
    c = f / z;
    s = h / z;
    f = x * c + g * s;
    g = g * c - x * s;
    h = y * s;
    y *= c;
    RotateColumns(v, n, j, i, c, s);
    z = pythag(f, h);
    w[j] = z;
    if (z != 0.0) {
      z = 1.0 / z;
      c = f * z;
      s = h * z;
    }
    f = c * g + s * y;
    x = c * y - s * g;
    RotateColumns(a, m, j, i, c, s);
  }
  rv1[l] = 0.0;
  rv1[k] = f;
  w[k] = x;
}

// The row l at which the bidiagonal matrix splits above row k; cancelled
// tells whether rv1[l] still has to be cancelled. Row 1 always splits, which
// also keeps the search inside the vectors when the values are not numbers.
int FindSplit(int k, const NrVector& w, const NrVector& rv1, double anorm, bool& cancel) {
  cancel = true;
  int l = k;
  for (; l >= 1; --l) {
    if (l == 1 || Negligible(std::fabs(rv1[l]), anorm)) {
      cancel = false;
      break;
    }
    if (Negligible(std::fabs(w[l - 1]), anorm)) {
      break;
    }
  }
  return l;
}

// Diagonalizes the bidiagonal form by QR sweeps, one singular value at a time.
void Diagonalize(NrMatrix& a, int m, int n, NrVector& w, NrMatrix& v, NrVector& rv1, double anorm,
                 NrStatus& status) {
  for (int k = n; k >= 1; --k) {
    for (int its = 1; its <= 30; ++its) {
      bool cancel = false;
      const int l = FindSplit(k, w, rv1, anorm, cancel);
      if (cancel) {
        CancelSuperdiagonal(a, m, l, k, w, rv1, anorm);
      }
      const double z = w[k];
      if (l == k) {
        if (z < 0.0) {
          w[k] = -z;
          for (int j = 1; j <= n; ++j) {
            v[j][k] = -v[j][k];
          }
        }
        break;
      }
      if (its == 30) {
        status.nrerror("no convergence in 30 svdcmp iterations");
        return;
      }
      QrSweep(a, m, n, l, k, w, v, rv1);
    }
  }
}

}  // namespace

double pythag(double a, double b) {
  const double absa = std::fabs(a);
  const double absb = std::fabs(b);
  if (absa > absb) {
    return absa * std::sqrt(1.0 + (absb / absa) * (absb / absa));
  }
  return absb == 0.0 ? 0.0 : absb * std::sqrt(1.0 + (absa / absb) * (absa / absb));
}

void svdcmp(NrMatrix& a, int m, int n, NrVector& w, NrMatrix& v, NrStatus& status) {
  NrVector rv1(n, status);
  if (status.Failed()) {
    return;
  }
  const double anorm = Bidiagonalize(a, m, n, w, rv1);
  AccumulateRight(a, n, v, rv1);
  AccumulateLeft(a, m, n, w);
  Diagonalize(a, m, n, w, v, rv1, anorm, status);
}

void svbksb(const NrMatrix& u, const NrVector& w, const NrMatrix& v, int m, int n,
            const NrVector& b, NrVector& x, NrStatus& status) {
  NrVector tmp(n, status);
  if (status.Failed()) {
    return;
  }
  for (int j = 1; j <= n; ++j) {
    double s = 0.0;
    if (w[j] != 0.0) {
      for (int i = 1; i <= m; ++i) {
        s += u[i][j] * b[i];
      }
      s /= w[j];
    }
    tmp[j] = s;
  }
  for (int j = 1; j <= n; ++j) {
    double s = 0.0;
    for (int jj = 1; jj <= n; ++jj) {
      s += v[j][jj] * tmp[jj];
    }
    x[j] = s;
  }
}

void fpoly(double x, NrVector& p, int np) {
  p[1] = 1.0;
  for (int j = 2; j <= np; ++j) {
    p[j] = p[j - 1] * x;
  }
}

void svdfit(const NrVector& x, const NrVector& y, const NrVector& sig, int ndata, NrVector& a,
            int ma, NrMatrix& u, NrMatrix& v, NrVector& w, double& chisq, NrBasisFunctions funcs,
            NrStatus& status) {
  // Singular values this far below the largest carry only rounding noise.
  constexpr double kTol = 1.0e-12;
  NrVector b(ndata, status);
  NrVector afunc(ma, status);
  if (status.Failed()) {
    return;
  }
  for (int i = 1; i <= ndata; ++i) {
    funcs(x[i], afunc, ma);
    const double tmp = 1.0 / sig[i];
    for (int j = 1; j <= ma; ++j) {
      u[i][j] = afunc[j] * tmp;
    }
    b[i] = y[i] * tmp;
  }
  svdcmp(u, ndata, ma, w, v, status);
  if (status.Failed()) {
    return;
  }
  double wmax = 0.0;
  for (int j = 1; j <= ma; ++j) {
    wmax = std::max(wmax, w[j]);
  }
  const double thresh = kTol * wmax;
  for (int j = 1; j <= ma; ++j) {
    if (w[j] < thresh) {
      w[j] = 0.0;
    }
  }
  svbksb(u, w, v, ndata, ma, b, a, status);
  if (status.Failed()) {
    return;
  }
  chisq = 0.0;
  for (int i = 1; i <= ndata; ++i) {
    funcs(x[i], afunc, ma);
    double sum = 0.0;
    for (int j = 1; j <= ma; ++j) {
      sum += a[j] * afunc[j];
    }
    const double tmp = (y[i] - sum) / sig[i];
    chisq += tmp * tmp;
  }
}
