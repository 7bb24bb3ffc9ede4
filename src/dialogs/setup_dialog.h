#pragma once

#include "shell/dialog.h"

// "Startup": the first dialog of a session. It offers to open a movie, to
// open saved data, to leave the start-up procedure or to quit, over a
// picture of the program at work and a few words of welcome.
//
// Opening a movie leads to the dialog that asks for the number of points,
// which this program does not have yet: until it does, "Open Movie..." is
// shown but cannot be pressed.
class TdvSetupDialog_A : public TdvDialog {
 public:
  static constexpr int kClassCode = 30;

  static constexpr int kOpenMovie = 1;
  static constexpr int kOpenSavedData = 113;
  static constexpr int kExitStartup = 133;
  static constexpr int kQuit = 163;
  static constexpr int kPictureArea = 143;
  static constexpr int kWelcomeArea = 183;

  // The picture of the program at work (the resource named "SCREENSHOT")
  // and the words of welcome.
  static constexpr int kScreenshotPicture = 130;
  static constexpr int kWelcomePicture = 131;

  // Frame commands the buttons use.
  static constexpr int kOpenSavedDataCommand = 153;
  static constexpr int kExitCommand = 163;

  TdvSetupDialog_A();

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoControlCommand(int id) override;
  void DrawControl(int id) override;
  void ShowControlHelp(int id, int x, int y) override;

 private:
  void OpenSavedData();
  void Quit();
};
