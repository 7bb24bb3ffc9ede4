// Feeds arbitrary text to the typed-equation model: whatever the text, the
// model must answer without crashing, hanging or recursing without bound,
// and an accepted equation must evaluate everywhere without failing hard.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "graph/model_object.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TdvModelObject model;
  const bool accepted = model.SetEquation(text);
  if (text.find(' ') != std::string::npos) {
    std::abort();
  }
  if (accepted && model.Equation().size() > TdvModelObject::kMaxEquationLength) {
    std::abort();
  }
  for (double x : {-1e6, -2.5, -1.0, 0.0, 0.5, 1.0, 3.0, 1e6}) {
    double y = 0.0;
    if (model.Evaluate(y, x) && !std::isfinite(y)) {
      std::abort();
    }
  }
  double low = 0.0;
  double high = 0.0;
  model.Range(-10.0, 10.0, 50, low, high);
  return 0;
}
