#pragma once

#include <span>

// Measures of how well fitted values f follow data y, computed about the
// means in double precision and kept inside their mathematical range.

// The square of the correlation of y with f, in [0, 1]; 1 when either
// does not vary, 0 for no points.
double SquaredCorrelation(std::span<const double> y, std::span<const double> f);

// 1 − Σ(y − f)² ÷ Σy², the r² of a fit without a constant term, in [0, 1];
// 1 when every y is 0, 0 for no points.
double UncenteredRSquared(std::span<const double> y, std::span<const double> f);

// √(Σ(y − centre)² ÷ n), 0 for no points.
double StandardDeviationAbout(std::span<const double> y, double centre);
