#pragma once

#include <functional>

#include "plot/quantity_chooser.h"
#include "shell/dialog.h"

// "Change Domain" (the horizontal axis) or "Change Range" (a graph's
// vertical axis): one series list with its category and component.
// "Replace" and "Add" hand the chosen quantity to `change` (replacing what
// is shown, or joining it) and close; nothing selected is refused.
class TdvChangePlotDialog : public TdvDialog {
 public:
  static constexpr int kList = 10;
  static constexpr int kCategory = 20;
  static constexpr int kComponent = 30;
  static constexpr int kReplace = 40;
  static constexpr int kAdd = 50;
  static constexpr int kCancel = 60;

  TdvChangePlotDialog(TdvDataObjectWindow& document, TdvGraphAxis axis,
                      std::function<void(const TdvPlotQuantity&, bool replace)> change);

  int DoCreate() override;
  int DoControlCommand(int id) override;
  int DoListSelect(int id) override;

 private:
  void Change(bool replace);

  TdvQuantityChooser chooser_;
  std::function<void(const TdvPlotQuantity&, bool replace)> change_;
};
