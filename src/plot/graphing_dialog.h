#pragma once

#include <functional>

#include "plot/quantity_chooser.h"
#include "shell/dialog.h"

// "Plot Series": a horizontal and a vertical series list, each with its
// category and component. It opens with the time across and, when the
// document follows one series, that series' y position up. "Add" hands the
// horizontal quantity and one plot per selected vertical series to `add`
// and closes; a list without a selection is refused with the program's
// message and the dialog stays.
class TdvGraphingDialog : public TdvDialog {
 public:
  static constexpr int kHorizontalList = 10;
  static constexpr int kHorizontalCategory = 20;
  static constexpr int kHorizontalComponent = 30;
  static constexpr int kVerticalList = 40;
  static constexpr int kVerticalCategory = 50;
  static constexpr int kVerticalComponent = 60;
  static constexpr int kAdd = 70;
  static constexpr int kCancel = 80;

  TdvGraphingDialog(TdvDataObjectWindow& document, std::function<void(const TdvPlotChoice&)> add);

  int DoCreate() override;
  int DoControlCommand(int id) override;
  int DoListSelect(int id) override;

 private:
  void PreselectAgainstTime();
  void Add();

  TdvQuantityChooser horizontal_;
  TdvQuantityChooser vertical_;
  std::function<void(const TdvPlotChoice&)> add_;
};
