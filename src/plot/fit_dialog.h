#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/graph_edit_dialog.h"

// "Curve Fit" on the graph's fit: the type (an average, a line, a line
// through the origin, or a polynomial whose order picks among them), the
// plot it applies to, "Update Automatically", and the statistics of the
// fit as it stands. Applying asks the graph for a fit of the chosen kind;
// when the graph has too few points for it, the user is told and the fit
// keeps its previous kind and result.
class TdvFitDialog : public TdvGraphEditDialog {
 public:
  static constexpr int kType = 50;
  static constexpr int kOrder = 60;
  static constexpr int kAutoUpdate = 70;
  static constexpr int kEquation = 80;
  static constexpr int kErrors = 90;

  // The items of "Type of Fit :" and "Order of Fit :", from 1.
  enum TypeItem { kAverageItem = 1, kLinearItem, kPolynomialItem, kThroughOriginItem };
  enum OrderItem { kOrder0 = 1, kOrder1, kOrder2, kOrder3 };

  // The graph has a fit.
  TdvFitDialog(TdvGraphObject& graph, std::vector<std::string> plotNames, bool created,
               std::function<void()> changed);

  int DoCreate() override;
  int DoPopupSelect(int id, int selection) override;

 private:
  bool Apply() override;
  void RemoveCreated() override;

  // The fit type the two pop-ups choose.
  std::uint8_t ChosenType() const;
  void ShowStatistics();
};
