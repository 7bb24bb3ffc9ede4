#pragma once

#include <cstdint>

#include "dialogs/accept_dialog.h"

class TdvDataObjectWindow;

// "Coordinates": whether the items of one coordinate system (the box of
// an origin) report (x, y) or (r, θ). OK marks the document changed and
// gives the system, its origin and its members the kind chosen.
class TdvEditCoordinateFrameDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 47;

  static constexpr int kOk = 103;
  static constexpr int kCancel = 113;
  static constexpr int kCoordinates = 123;

  TdvEditCoordinateFrameDialog(TdvDataObjectWindow& document, std::int32_t origin);

  bool IsA(int code) const override;
  int DoCreate() override;

 private:
  void Accept() override;

  TdvDataObjectWindow& document_;
  std::int32_t origin_;
};
