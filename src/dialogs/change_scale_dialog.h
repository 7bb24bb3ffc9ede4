#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/accept_dialog.h"

class TdvCalibrateObject;
class TdvDataObjectWindow;

// "Change Scale": the known length, its unit and the ends' sample type of
// each scale of the document, one scale at a time. Apply changes the
// scale shown and leaves the dialog open for the next one; OK changes it
// and closes. A length that is no positive number is refused and changes
// nothing; a length left as shown keeps the scale's exact length.
class TdvChangeScaleDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 21;

  static constexpr int kLength = 23;
  static constexpr int kLengthLabel = 33;
  static constexpr int kSampleType = 43;
  static constexpr int kUnits = 53;
  static constexpr int kScale = 63;
  static constexpr int kOk = 123;
  static constexpr int kCancel = 133;
  static constexpr int kApply = 143;

  explicit TdvChangeScaleDialog(TdvDataObjectWindow& document);

  // With no scale in the document only says so; never opens the dialog.
  static void Open(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoControlCommand(int id) override;
  int DoPopupSelect(int id, int selection) override;

 private:
  // The scale of a pop-up item; none when it has gone.
  TdvCalibrateObject* ScaleAt(int item) const;
  void ShowScale(int item);
  bool ChangeScale();
  void Accept() override;

  TdvDataObjectWindow& document_;
  std::vector<std::int32_t> scales_;
  std::string shownLength_;
  int shownUnit_ = 1;
};
