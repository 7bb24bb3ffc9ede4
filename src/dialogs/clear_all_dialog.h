#pragma once

#include "dialogs/accept_dialog.h"

class TdvDataObjectWindow;

// "Clear All Choices": which points lose all their data, by sample type,
// and which of them are kept because they are origins or ends of a scale.
// It opens, and "Defaults" returns, with every box checked: all points are
// cleared but origins and scale ends.
class TdvClearAllDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 48;

  static constexpr int kOk = 100;
  static constexpr int kCancel = 110;
  static constexpr int kDefaults = 120;
  static constexpr int kTypesLabel = 130;
  static constexpr int kKeptLabel = 140;
  static constexpr int kFrameByFrame = 150;
  static constexpr int kSemiFixed = 160;
  static constexpr int kFixed = 170;
  static constexpr int kOrigins = 180;
  static constexpr int kScaleEnds = 190;

  explicit TdvClearAllDialog(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoControlCommand(int id) override;

 private:
  void CheckAll();
  void Accept() override;

  TdvDataObjectWindow& document_;
};
