#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "dialogs/accept_dialog.h"

class TdvDataObject;
class TdvDataObjectWindow;

// "Edit Series": what every item has (name, marker, visibility, trails,
// length unit, angle unit and range), copied in when the dialog opens and
// written back only when OK finds every typed value sound. The kinds of
// items add their own controls below the shared band and their own reading
// and writing. In new-item mode the item was just made by the Create menu:
// closing the dialog without OK deletes it again.
class TdvEditObjectDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 18;

  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;
  static constexpr int kName = 3;
  static constexpr int kLengthUnit = 65;
  static constexpr int kVisible = 80;
  static constexpr int kTrails = 85;
  static constexpr int kAngleUnit = 95;
  static constexpr int kAngleRange = 105;
  static constexpr int kNameLabel = 115;
  static constexpr int kMarkerLabel = 125;
  static constexpr int kStrip = 135;
  static constexpr int kMarker = 200;
  // "Edit Point Properties..." of the point-type calculated items.
  static constexpr int kEditAsPoint = 75;
  // The mass controls of the kinds that have a mass of their own.
  static constexpr int kMassLabel = 59;
  static constexpr int kMass = 60;
  static constexpr int kMassUnit = 70;

  // Where the controls of a kind of item may start, and the dialog's width.
  static constexpr int kBandBottom = 114;
  static constexpr int kWidth = 480;

  // `height` is the dialog's whole height, OK and Cancel included.
  TdvEditObjectDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem,
                      const std::string& caption, int height,
                      std::span<const TdvControlHelp> ownHelp = {});

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoDestroy() override;
  int DoControlCommand(int id) override;
  int DoPopupSelect(int id, int selection) override;
  int FilterControlChar(int id, int character) override;
  void DrawControl(int id) override;
  void ShowControlHelp(int id, int x, int y) override;

 protected:
  // The kind's values: set into the controls when the dialog opens; read
  // (false after telling the user what is wrong) and written on OK.
  virtual void ShowFields() {}
  virtual bool ReadFields() { return true; }
  virtual void WriteFields() {}

  // The item, or nullptr when it has gone meanwhile.
  TdvDataObject* Item() const;
  std::int32_t ItemId() const { return id_; }
  TdvDataObjectWindow& Document() const { return document_; }
  // Writes the fields and closes; false when a typed value was refused.
  bool Apply();
  // Opens another item's edit dialog over this one.
  void EditOther(std::int32_t id);
  // "Edit Point Properties...": the dialog is applied and the item's point
  // dialog opens once this one has gone.
  void EditAsPoint();

  // The mass in the chosen mass unit: a label, the field and the unit's
  // popup in one row from `top`. Only a mass whose number or unit was
  // changed is read (it must be a positive number) and written.
  void AddMassControls(int top);
  void ShowMass();
  bool ReadMass();
  void WriteMass();

 private:
  void Accept() override;
  void ShowAngleRanges();

  TdvDataObjectWindow& document_;
  std::int32_t id_;
  bool newItem_;
  bool accepted_ = false;
  std::string massShown_;
  std::optional<double> massTyped_;
  std::span<const TdvControlHelp> ownHelp_;
};
