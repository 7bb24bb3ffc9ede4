#pragma once

#include "shell/dialog.h"

// "About Kinovex": the program's picture over the whole box, centred on the
// screen, with an OK button in its empty bottom-right corner.
class TdvAboutDialog : public TdvDialog {
 public:
  static constexpr int kClassCode = 41;
  static constexpr int kOkButton = 103;
  static constexpr int kPictureArea = 140;
  static constexpr int kPicture = 129;
  static constexpr int kWidth = 298;
  static constexpr int kHeight = 348;

  TdvAboutDialog();

  bool IsA(int code) const override;
  int OpenWindow() override;
  int DoCreate() override;
  int DoControlCommand(int id) override;
  // Any key closes the box.
  bool FilterEvent(const shell::Event& event) override;
  void DrawControl(int id) override;
  void ShowControlHelp(int id, int x, int y) override;

  // The box's client area centred in `workArea`.
  static shell::Rect CentredRect(const shell::Rect& workArea);
};
