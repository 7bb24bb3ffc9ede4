#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "plot/graph_edit_dialog.h"

// "Model Equation" on the graph's model: one of the standard formulas with
// its constants A to D, or a typed equation in x. Applying takes every
// constant field (each must hold a number), refuses a logarithm whose B is
// not positive, and tries a typed equation on a copy first: one that does
// not parse is refused with the parser's message and the model stays as it
// was. The plot chosen under "Apply To :" becomes the graph's model plot.
class TdvModelDialog : public TdvGraphEditDialog {
 public:
  static constexpr int kFormula = 50;
  static constexpr int kForm = 60;
  static constexpr int kFirstConstantLabel = 70;  // "A:" … "D:" are 70 … 73
  static constexpr int kFirstConstant = 80;       // the fields of A … D are 80 … 83
  static constexpr int kEquation = 90;
  static constexpr int kVariable = 100;

  // The graph has a model; `horizontalName` names the quantity x stands for.
  TdvModelDialog(TdvGraphObject& graph, std::vector<std::string> plotNames, bool created,
                 std::function<void()> changed, const std::string& horizontalName);

  int DoCreate() override;
  int DoPopupSelect(int id, int selection) override;

 private:
  bool Apply() override;
  void RemoveCreated() override;
  std::string HelpText(int id) const override;

  // Shows the constant fields the formula uses, or the equation field.
  void ShowFieldsFor(int formula);
};
