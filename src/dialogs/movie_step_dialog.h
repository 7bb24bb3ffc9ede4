#pragma once

#include "dialogs/accept_dialog.h"

class TdvDataObjectWindow;

// "Movie Step Size": how far a step moves the movie, in frames or in
// seconds. It opens on the document's step and hands the new one back
// only on OK; a typed step that is no positive number is refused.
class TdvMovieStepDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 42;

  static constexpr int kOk = 103;
  static constexpr int kCancel = 113;
  static constexpr int kStepBy = 143;
  static constexpr int kTimeSize = 123;
  static constexpr int kFrameSize = 153;
  static constexpr int kOther = 133;

  // "Step by :" items.
  static constexpr int kByFrames = 1;
  static constexpr int kByTime = 2;

  explicit TdvMovieStepDialog(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoPopupSelect(int id, int selection) override;

  // The item a step opens on: of the time popup (step in seconds, -1 the
  // default) or of the frames popup.
  static int TimeItemFor(double step);
  static int FrameItemFor(double step);

 private:
  void ShowStep();
  void ChooseTimeItem(int item);
  void ChooseFrameItem(int item);
  int ActiveSizePopup() const;
  void Accept() override;

  TdvDataObjectWindow& document_;
  double step_ = 1.0;
  bool inFrames_ = true;
};
