#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/edit_object_dialog.h"
#include "dialogs/series_dialogs.h"

// A centre of mass, and the base of the distance and scale dialogs: the
// point-type items still available on the left, the item's inputs in order
// on the right, and buttons that move entries across (never beyond the
// item's largest number of inputs), make a new point straight into the
// inputs, or edit the entry chosen. OK stores the inputs.
class TdvCalculatedObjectDialog : public TdvEditObjectDialog {
 public:
  static constexpr int kClassCode = 19;

  static constexpr int kAvailable = kTdvAvailable;
  static constexpr int kAdd = kTdvAddInput;
  static constexpr int kRemove = kTdvRemoveInput;
  static constexpr int kNewPoint = 40;
  static constexpr int kPointInfo = 50;
  static constexpr int kIncludedLabel = 99;
  static constexpr int kIncluded = 100;

  TdvCalculatedObjectDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem);

  bool IsA(int code) const override;
  int DoControlCommand(int id) override;

 protected:
  // `includedText` heads the inputs' list; `withPointButton` offers "Edit
  // Point Properties..." for the point-type kinds.
  TdvCalculatedObjectDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem,
                            const std::string& caption, const std::string& includedText,
                            bool withPointButton);

  void ShowFields() override;
  void WriteFields() override;

 private:
  void ShowLists();
  void AddSelected();
  void RemoveSelected();
  void NewPoint();
  void PointInfo();

  std::string includedText_;
  std::vector<std::int32_t> included_;
  std::vector<std::int32_t> available_;
  int required_ = 0;
  int max_ = 0;
};

// "Distance Series": the two ends of a distance.
class TdvCalculatedLineDialog : public TdvCalculatedObjectDialog {
 public:
  static constexpr int kClassCode = 22;

  TdvCalculatedLineDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem);

  bool IsA(int code) const override;

 protected:
  TdvCalculatedLineDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem,
                          const std::string& caption, const std::string& includedText);
};

// "Scale Series": the ends of a scale and its known length, shown and
// typed in the unit chosen in the dialog; the length must be a positive
// number.
class TdvCalibrateObjectDialog : public TdvCalculatedLineDialog {
 public:
  static constexpr int kClassCode = 20;

  static constexpr int kLengthLabel = 300;
  static constexpr int kLength = 310;

  TdvCalibrateObjectDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem);

  bool IsA(int code) const override;

 protected:
  void ShowFields() override;
  bool ReadFields() override;
  void WriteFields() override;

 private:
  std::string lengthShown_;
  std::optional<double> lengthTyped_;
};
