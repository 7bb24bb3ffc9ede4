#pragma once

#include <optional>

#include "dialogs/accept_dialog.h"
#include "document/tracking_run.h"

class TdvDataObjectWindow;

// "Track Selected Point": the template and search sizes in pixels, the
// lowest score that counts as found, the direction and the last frame to
// track (its number, as the frame counter shows it). OK starts the run from
// the displayed frame and shows its progress; a typed value that is not a
// usable number is refused with a message and the dialog stays.
class TdvTrackPointDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 47;

  static constexpr int kOk = 101;
  static constexpr int kCancel = 102;
  static constexpr int kTemplateSize = 111;
  static constexpr int kSearchSize = 112;
  static constexpr int kThreshold = 113;
  static constexpr int kDirection = 114;
  static constexpr int kLastFrame = 115;

  // "Direction :" items.
  static constexpr int kForward = 1;
  static constexpr int kBackward = 2;

  explicit TdvTrackPointDialog(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoPopupSelect(int id, int selection) override;

 private:
  void ShowLastFrame();
  std::optional<TdvTrackingChoices> TypedChoices();
  void Accept() override;

  TdvDataObjectWindow& document_;
};
