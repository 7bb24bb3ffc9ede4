// A quadratic fit over the points of a long movie: a ball thrown up, tracked
// on 100 000 frames, with the click scatter of a real measurement. The fit
// runs on every data change while "Update Automatically" is on, so it must
// stay well inside one redraw.

#include <benchmark/benchmark.h>

#include <random>

#include "graph/fit_object.h"
#include "graph/fit_owner.h"
#include "graph/nr_arrays.h"

namespace {

constexpr int kPoints = 100000;

class SilentOwner : public TdvFitOwner {
 public:
  void ShowInformation(const std::string&, const std::string&) override {}
};

void QuadraticFitOfAThrow(benchmark::State& state) {
  NrStatus status;
  NrVector t(kPoints, status);
  NrVector y(kPoints, status);
  NrVector sig(kPoints, status);
  std::mt19937 random(16);
  std::normal_distribution<double> scatter(0.0, 0.002);
  for (int i = 1; i <= kPoints; ++i) {
    t[i] = i / 30.0;
    y[i] = 1.2 + 4.0 * t[i] - 4.9 * t[i] * t[i] + scatter(random);
    sig[i] = 0.002;
  }
  TdvFitObject fit;
  fit.SetFitType(TdvFitObject::kQuadratic);
  SilentOwner owner;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fit.Fit(t, y, kPoints, sig, true, owner));
  }
  if (fit.Result().coefficients[3] > -4.89 || fit.Result().coefficients[3] < -4.91) {
    state.SkipWithError("the fit missed the throw");
  }
}
BENCHMARK(QuadraticFitOfAThrow)->Unit(benchmark::kMillisecond);

}  // namespace
