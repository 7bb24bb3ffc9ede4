#pragma once

#include <functional>
#include <optional>

#include "plot/graph_dialogs.h"
#include "shell/dialog.h"

// "Graph Scale": the range, ticks and AutoScale of the horizontal or the
// vertical axis, chosen in the "Axis:" pop-up (which shows that axis's
// current setting). "OK" and "Apply" hand the typed setting to `apply`
// ("OK" then closes); a value that is no number, a minimum not below the
// maximum or ticks that are no whole number from 0 to 100 are refused with
// a message, and nothing changes.
class TdvGraphScaleDialog : public TdvDialog {
 public:
  static constexpr int kAxis = 10;
  static constexpr int kMin = 20;
  static constexpr int kMax = 30;
  static constexpr int kTicks = 40;
  static constexpr int kAutoScale = 50;
  static constexpr int kOk = 60;
  static constexpr int kApply = 70;
  static constexpr int kCancel = 80;

  static constexpr int kMostTicks = 100;

  TdvGraphScaleDialog(TdvGraphAxis axis, std::function<TdvAxisSetting(TdvGraphAxis)> current,
                      std::function<void(TdvGraphAxis, const TdvAxisSetting&)> apply);

  int DoCreate() override;
  int DoControlCommand(int id) override;
  int DoPopupSelect(int id, int selection) override;

 private:
  void Show(TdvGraphAxis axis);
  // The setting typed in the dialog; none after telling the user why not.
  std::optional<TdvAxisSetting> Typed();
  std::optional<double> TypedNumber(int id);
  bool Apply();

  TdvGraphAxis axis_;
  std::function<TdvAxisSetting(TdvGraphAxis)> current_;
  std::function<void(TdvGraphAxis, const TdvAxisSetting&)> apply_;
};
