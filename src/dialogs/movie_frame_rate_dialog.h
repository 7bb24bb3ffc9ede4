#pragma once

#include "dialogs/accept_dialog.h"

class TdvDataObjectWindow;

// "Change Frame Rate": a frame rate that overrides the movie's own time
// scale, or the default. It opens on the document's override and hands
// the new one back only on OK; a typed rate that is no positive number is
// refused.
class TdvMovieFrameRateDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 43;

  static constexpr int kOk = 103;
  static constexpr int kCancel = 113;
  static constexpr int kRate = 123;
  static constexpr int kOther = 133;

  explicit TdvMovieFrameRateDialog(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoPopupSelect(int id, int selection) override;

  // The item an override opens on (0 and -1 are the default).
  static int ItemFor(double rate);

 private:
  void ChooseItem(int item);
  void Accept() override;

  TdvDataObjectWindow& document_;
  double rate_ = -1.0;
};
