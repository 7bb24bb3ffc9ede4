#pragma once

#include <functional>
#include <optional>

#include "dialogs/movie_setup_host.h"
#include "shell/dialog.h"

// "Startup": the first dialog of a session. It offers to open a movie, to
// open saved data, to leave the start-up procedure or to quit, over a
// picture of the program at work and a few words of welcome.
//
// "Open Movie..." asks for a movie; once one is chosen the dialog closes
// and hands it over (TakeChosenMovie) for the Number of Points dialog. A
// cancelled choice leaves the dialog open.
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

  // Asks for a movie and opens it; none when the user cancelled or the
  // file was no movie (the user has been told).
  using MovieChooser = std::function<std::optional<TdvChosenMovie>()>;

  explicit TdvSetupDialog_A(MovieChooser chooseMovie = {});

  bool IsA(int code) const override;
  // Opens centred over the frame's client area.
  int OpenWindow() override;
  int DoCreate() override;
  int DoControlCommand(int id) override;
  void DrawControl(int id) override;
  void ShowControlHelp(int id, int x, int y) override;

  // The movie chosen with "Open Movie...", once.
  std::optional<TdvChosenMovie> TakeChosenMovie();

 private:
  void OpenMovie();
  void OpenSavedData();
  void Quit();

  MovieChooser chooseMovie_;
  std::optional<TdvChosenMovie> chosen_;
};
