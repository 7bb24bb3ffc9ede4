#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/accept_dialog.h"

class TdvDataObjectWindow;

// "Scale Movie": the known length of an object on the movie, its unit, the
// origin the scale serves and the scale's sample type. Continue hands them
// to the document and lets the movie take the two clicks on the object's
// ends; a length that is no positive number is refused.
class TdvNewEZCalibDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 26;

  static constexpr int kUnits = 10;
  static constexpr int kLength = 20;
  static constexpr int kLengthLabel = 30;
  static constexpr int kSampleType = 40;
  static constexpr int kOrigin = 50;
  static constexpr int kContinue = 120;
  static constexpr int kCancel = 130;

  // Strings of the program's string table.
  static constexpr int kUnitNames = 10110;
  static constexpr int kSampleTypeNames = 10010;
  static constexpr int kFixed = 2;

  // Origin references beside item ids.
  static constexpr std::int32_t kDefaultOrigin = -1;
  static constexpr std::int32_t kNoOrigin = -2;

  // The movie message that starts the two scale clicks.
  static constexpr int kScaleClicksMessage = 90;

  explicit TdvNewEZCalibDialog(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;

  struct OriginChoice {
    std::string text;
    std::int32_t originRef;
  };
  // The origins a scale may serve, in the document's item order: the
  // default one in angle brackets, then "<None>".
  static std::vector<OriginChoice> OriginChoices(TdvDataObjectWindow& document);

 private:
  void Accept() override;

  TdvDataObjectWindow& document_;
  std::vector<OriginChoice> origins_;
};
