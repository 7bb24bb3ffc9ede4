#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/edit_object_dialog.h"
#include "dialogs/series_dialogs.h"

// "Edit Point Series": besides the shared fields, the point's mass, the
// origin it reports relative to, Cartesian or polar reporting, its sample
// type, whether it starts a coordinate system of its own and, while it
// does, that system's rotation (in degrees, on the displayed frame) and
// scale. The default origin stays an origin.
class TdvPointDialog : public TdvEditObjectDialog {
 public:
  static constexpr int kClassCode = 23;

  static constexpr int kOrigin = 20;
  static constexpr int kSampleType = 30;
  static constexpr int kCoordinates = 40;
  static constexpr int kIsOrigin = 90;
  static constexpr int kRotationLabel = 100;
  static constexpr int kRotation = 110;
  static constexpr int kScale = 120;

  TdvPointDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem);

  bool IsA(int code) const override;
  int DoCheckBox(int id) override;

 protected:
  void ShowFields() override;
  bool ReadFields() override;
  void WriteFields() override;

 private:
  void EnableOriginControls();

  std::vector<TdvItemChoice> origins_;
  std::vector<TdvItemChoice> scales_;
  // The popups' items as the dialog opened: a popup left alone changes
  // nothing, even when the item's own choice was not offered.
  int originShown_ = 1;
  int scaleShown_ = 1;
  std::string rotationShown_;
  std::optional<double> rotationTyped_;
};
