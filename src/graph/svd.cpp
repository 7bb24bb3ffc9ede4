#include "graph/svd.h"

#include <algorithm>
#include <cmath>

namespace {

// Single-precision values are widened where the C originals widen them, so
// that intermediate results round the same way.
double Abs(float v) {
  return std::fabs(static_cast<double>(v));
}

double Sign(double a, double b) {
  return b >= 0.0 ? std::fabs(a) : -std::fabs(a);
}

double Square(float v) {
  return v == 0.0f ? 0.0 : static_cast<double>(v * v);
}

bool Negligible(double value, float anorm) {
  return static_cast<float>(value + anorm) == anorm;
}

// Householder reduction to bidiagonal form; rv1 receives the superdiagonal.
float Bidiagonalize(NrMatrix& a, int m, int n, NrVector& w, NrVector& rv1) {
  float g = 0.0f;
  float scale = 0.0f;
  float anorm = 0.0f;
  for (int i = 1; i <= n; ++i) {
    const int l = i + 1;
    rv1[i] = scale * g;
    g = 0.0f;
    float s = 0.0f;
    scale = 0.0f;
    if (i <= m) {
      for (int k = i; k <= m; ++k) {
        scale = static_cast<float>(scale + Abs(a[k][i]));
      }
      if (scale != 0.0f) {
        for (int k = i; k <= m; ++k) {
          a[k][i] /= scale;
          s += a[k][i] * a[k][i];
        }
        float f = a[i][i];
        g = static_cast<float>(-Sign(std::sqrt(static_cast<double>(s)), f));
        const float h = f * g - s;
        a[i][i] = f - g;
        for (int j = l; j <= n; ++j) {
          s = 0.0f;
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
    g = 0.0f;
    s = 0.0f;
    scale = 0.0f;
    if (i <= m && i != n) {
      for (int k = l; k <= n; ++k) {
        scale = static_cast<float>(scale + Abs(a[i][k]));
      }
      if (scale != 0.0f) {
        for (int k = l; k <= n; ++k) {
          a[i][k] /= scale;
          s += a[i][k] * a[i][k];
        }
        const float f = a[i][l];
        g = static_cast<float>(-Sign(std::sqrt(static_cast<double>(s)), f));
        const float h = f * g - s;
        a[i][l] = f - g;
        for (int k = l; k <= n; ++k) {
          rv1[k] = a[i][k] / h;
        }
        for (int j = l; j <= m; ++j) {
          s = 0.0f;
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
    anorm = std::max(anorm, static_cast<float>(Abs(w[i]) + Abs(rv1[i])));
  }
  return anorm;
}

// Accumulates the right-hand transformations into v.
void AccumulateRight(const NrMatrix& a, int n, NrMatrix& v, const NrVector& rv1) {
  float g = 0.0f;
  int l = n + 1;
  for (int i = n; i >= 1; --i) {
    if (i < n) {
      if (g != 0.0f) {
        for (int j = l; j <= n; ++j) {
          v[j][i] = (a[i][j] / a[i][l]) / g;
        }
        for (int j = l; j <= n; ++j) {
          float s = 0.0f;
          for (int k = l; k <= n; ++k) {
            s += a[i][k] * v[k][j];
          }
          for (int k = l; k <= n; ++k) {
            v[k][j] += s * v[k][i];
          }
        }
      }
      for (int j = l; j <= n; ++j) {
        v[i][j] = 0.0f;
        v[j][i] = 0.0f;
      }
    }
    v[i][i] = 1.0f;
    g = rv1[i];
    l = i;
  }
}

// Accumulates the left-hand transformations into a, which becomes U.
void AccumulateLeft(NrMatrix& a, int m, int n, const NrVector& w) {
  for (int i = std::min(m, n); i >= 1; --i) {
    const int l = i + 1;
    float g = w[i];
    for (int j = l; j <= n; ++j) {
      a[i][j] = 0.0f;
    }
    if (g != 0.0f) {
      g = static_cast<float>(1.0 / g);
      for (int j = l; j <= n; ++j) {
        float s = 0.0f;
        for (int k = l; k <= m; ++k) {
          s += a[k][i] * a[k][j];
        }
        const float f = (s / a[i][i]) * g;
        for (int k = i; k <= m; ++k) {
          a[k][j] += f * a[k][i];
        }
      }
      for (int j = i; j <= m; ++j) {
        a[j][i] *= g;
      }
    } else {
      for (int j = i; j <= m; ++j) {
        a[j][i] = 0.0f;
      }
    }
    ++a[i][i];
  }
}

// Cancels rv1[l] when w[l-1] is negligible, so the matrix splits at l.
void CancelSuperdiagonal(NrMatrix& a, int m, int l, int k, NrVector& w, NrVector& rv1,
                         float anorm) {
  const int nm = l - 1;
  float c = 0.0f;
  float s = 1.0f;
  for (int i = l; i <= k; ++i) {
    const float f = s * rv1[i];
    rv1[i] = c * rv1[i];
    if (Negligible(Abs(f), anorm)) {
      break;
    }
    const float g = w[i];
    float h = pythag(f, g);
    w[i] = h;
    h = static_cast<float>(1.0 / h);
    c = g * h;
    s = -f * h;
    for (int j = 1; j <= m; ++j) {
      const float y = a[j][nm];
      const float z = a[j][i];
      a[j][nm] = y * c + z * s;
      a[j][i] = z * c - y * s;
    }
  }
}

// Rotates columns p and q of rows 1 … count of a matrix by (c, s).
void RotateColumns(NrMatrix& matrix, int count, int p, int q, float c, float s) {
  for (int j = 1; j <= count; ++j) {
    const float x = matrix[j][p];
    const float z = matrix[j][q];
    matrix[j][p] = x * c + z * s;
    matrix[j][q] = z * c - x * s;
  }
}

// One QR sweep with a shift from the bottom 2 × 2 minor, on rows l … k.
void QrSweep(NrMatrix& a, int m, int n, int l, int k, NrVector& w, NrMatrix& v, NrVector& rv1) {
  float z = w[k];
  float x = w[l];
  const int nm = k - 1;
  float y = w[nm];
  float g = rv1[nm];
  float h = rv1[k];
  float f = static_cast<float>(((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y));
  g = pythag(f, 1.0f);
  f = static_cast<float>(((x - z) * (x + z) + h * ((y / (f + Sign(g, f))) - h)) / x);
  float c = 1.0f;
  float s = 1.0f;
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
    if (z != 0.0f) {
      z = static_cast<float>(1.0 / z);
      c = f * z;
      s = h * z;
    }
    f = c * g + s * y;
    x = c * y - s * g;
    RotateColumns(a, m, j, i, c, s);
  }
  rv1[l] = 0.0f;
  rv1[k] = f;
  w[k] = x;
}

// The row l at which the bidiagonal matrix splits above row k; cancelled
// tells whether rv1[l] still has to be cancelled. Row 1 always splits, which
// also keeps the search inside the vectors when the values are not numbers.
int FindSplit(int k, const NrVector& w, const NrVector& rv1, float anorm, bool& cancel) {
  cancel = true;
  int l = k;
  for (; l >= 1; --l) {
    if (l == 1 || Negligible(Abs(rv1[l]), anorm)) {
      cancel = false;
      break;
    }
    if (Negligible(Abs(w[l - 1]), anorm)) {
      break;
    }
  }
  return l;
}

// Diagonalizes the bidiagonal form by QR sweeps, one singular value at a time.
void Diagonalize(NrMatrix& a, int m, int n, NrVector& w, NrMatrix& v, NrVector& rv1, float anorm,
                 NrStatus& status) {
  for (int k = n; k >= 1; --k) {
    for (int its = 1; its <= 30; ++its) {
      bool cancel = false;
      const int l = FindSplit(k, w, rv1, anorm, cancel);
      if (cancel) {
        CancelSuperdiagonal(a, m, l, k, w, rv1, anorm);
      }
      const float z = w[k];
      if (l == k) {
        if (z < 0.0f) {
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

float pythag(float a, float b) {
  const float absa = std::fabs(a);
  const float absb = std::fabs(b);
  if (absa > absb) {
    return static_cast<float>(absa * std::sqrt(1.0 + Square(absb / absa)));
  }
  return absb == 0.0f ? 0.0f : static_cast<float>(absb * std::sqrt(1.0 + Square(absa / absb)));
}

void svdcmp(NrMatrix& a, int m, int n, NrVector& w, NrMatrix& v, NrStatus& status) {
  NrVector rv1(n, status);
  if (status.Failed()) {
    return;
  }
  const float anorm = Bidiagonalize(a, m, n, w, rv1);
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
    float s = 0.0f;
    if (w[j] != 0.0f) {
      for (int i = 1; i <= m; ++i) {
        s += u[i][j] * b[i];
      }
      s /= w[j];
    }
    tmp[j] = s;
  }
  for (int j = 1; j <= n; ++j) {
    float s = 0.0f;
    for (int jj = 1; jj <= n; ++jj) {
      s += v[j][jj] * tmp[jj];
    }
    x[j] = s;
  }
}

void fpoly(float x, NrVector& p, int np) {
  p[1] = 1.0f;
  for (int j = 2; j <= np; ++j) {
    p[j] = p[j - 1] * x;
  }
}

void svdfit(const NrVector& x, const NrVector& y, const NrVector& sig, int ndata, NrVector& a,
            int ma, NrMatrix& u, NrMatrix& v, NrVector& w, float& chisq, NrBasisFunctions funcs,
            NrStatus& status) {
  constexpr double kTol = 1.0e-5;
  NrVector b(ndata, status);
  NrVector afunc(ma, status);
  if (status.Failed()) {
    return;
  }
  for (int i = 1; i <= ndata; ++i) {
    funcs(x[i], afunc, ma);
    const float tmp = static_cast<float>(1.0 / sig[i]);
    for (int j = 1; j <= ma; ++j) {
      u[i][j] = afunc[j] * tmp;
    }
    b[i] = y[i] * tmp;
  }
  svdcmp(u, ndata, ma, w, v, status);
  if (status.Failed()) {
    return;
  }
  float wmax = 0.0f;
  for (int j = 1; j <= ma; ++j) {
    wmax = std::max(wmax, w[j]);
  }
  const float thresh = static_cast<float>(kTol * wmax);
  for (int j = 1; j <= ma; ++j) {
    if (w[j] < thresh) {
      w[j] = 0.0f;
    }
  }
  svbksb(u, w, v, ndata, ma, b, a, status);
  if (status.Failed()) {
    return;
  }
  chisq = 0.0f;
  for (int i = 1; i <= ndata; ++i) {
    funcs(x[i], afunc, ma);
    float sum = 0.0f;
    for (int j = 1; j <= ma; ++j) {
      sum += a[j] * afunc[j];
    }
    const float tmp = (y[i] - sum) / sig[i];
    chisq += tmp * tmp;
  }
}
