#pragma once

#include "shell/dialog.h"

class TdvDataObjectWindow;

// "Tracking": the progress of the document's tracking run and its Cancel.
// It drives the run from timer ticks, a slice of frames each, so that the
// movie window can follow and Cancel can be pressed between slices. It
// closes itself when the run ends or waits for a click on the object;
// Cancel (or closing it) ends the run and keeps what was found.
class TdvTrackingProgressDialog : public TdvDialog {
 public:
  static constexpr int kClassCode = 48;

  static constexpr int kCancel = 102;
  static constexpr int kText = 120;
  static constexpr int kBar = 121;
  static constexpr int kTimer = 1;

  explicit TdvTrackingProgressDialog(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoTimer(int id) override;
  int DoControlCommand(int id) override;
  int DoClose() override;
  void DrawControl(int id) override;

 private:
  void ShowProgress();
  void Stop();

  TdvDataObjectWindow& document_;
  bool stopped_ = false;
};
