#pragma once

#include <optional>
#include <string>

#include "dialogs/accept_dialog.h"
#include "dialogs/movie_setup_host.h"

// "Number of Points": shows the chosen movie and asks how many objects
// will be tracked. OK fills the document it was given, or a new one the
// host makes, with that many points and attaches the movie; a text that is
// no whole number from 0 to 99 is refused with a message and nothing is
// made. The slider under the preview shows any frame of the movie.
class TdvSetupDialog_B : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 31;

  static constexpr int kPrompt = 34;
  static constexpr int kCount = 24;
  static constexpr int kOk = 124;
  static constexpr int kCancel = 144;
  static constexpr int kInstructions = 174;
  static constexpr int kPreview = 154;
  static constexpr int kFrameSlider = 164;

  static constexpr int kInstructionsPicture = 132;
  static constexpr int kMostPoints = 99;
  static constexpr const char* kRefusal = "Please enter a whole number from 0 to 99.";

  // `document` may be null: OK then asks the host for a new one. The host
  // is not owned and must outlive the dialog.
  TdvSetupDialog_B(TdvMovieSetupHost& host, TdvChosenMovie chosen,
                   TdvDataObjectWindow* document = nullptr);

  bool IsA(int code) const override;
  // Opens centred over the frame's client area.
  int OpenWindow() override;
  int DoCreate() override;
  int DoScroll(int id, int code, int position) override;
  void DrawControl(int id) override;

  // The number typed, when it is a whole number from 0 to 99.
  static std::optional<int> ReadPointCount(const std::string& text);

 private:
  void Accept() override;
  void ShowFrame(int index);
  void DrawPreview();

  TdvMovieSetupHost& host_;
  TdvChosenMovie chosen_;
  TdvDataObjectWindow* document_;
  shell::Picture frame_;
};
