#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dialogs/edit_object_dialog.h"
#include "dialogs/series_dialogs.h"

// The items whose inputs have named places (the ends of an angle, the A and
// B of a designated point): the available point-type items, a popup of the
// places, buttons that put the chosen item into the place shown or empty
// it, and a diagram of the places. OK stores the places.
class TdvCalculatedOrderDialog : public TdvEditObjectDialog {
 public:
  static constexpr int kClassCode = 35;

  static constexpr int kAvailable = kTdvAvailable;
  static constexpr int kAdd = kTdvAddInput;
  static constexpr int kRemove = kTdvRemoveInput;
  static constexpr int kEnds = 90;
  static constexpr int kDiagram = 110;

  bool IsA(int code) const override;
  int DoControlCommand(int id) override;
  void DrawControl(int id) override;

 protected:
  TdvCalculatedOrderDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem,
                           const std::string& caption, std::vector<std::string> endNames,
                           int height, std::span<const TdvControlHelp> help);

  void ShowFields() override;
  void WriteFields() override;
  // The diagram in its own pixels.
  virtual void DrawDiagram(const shell::Rect& area) = 0;
  // The name of the item in place `end`, or "None".
  std::string EndText(std::size_t end) const;

 private:
  void ShowLists();
  void PutSelected();
  void EmptyEnd();

  std::vector<std::string> endNames_;
  std::vector<std::int32_t> ends_;
  std::vector<std::int32_t> available_;
};

// "Angle Series": end A, the vertex and end B.
class TdvAngleDialog : public TdvCalculatedOrderDialog {
 public:
  static constexpr int kClassCode = 36;

  TdvAngleDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem);

  bool IsA(int code) const override;

 protected:
  void DrawDiagram(const shell::Rect& area) override;
};

// "Designated Point Series": ends A and B, the point's mass and where it
// lies, in percent of AB, along AB and at right angles to it. A click on
// the diagram puts the point there.
class TdvDesignatedPointDialog : public TdvCalculatedOrderDialog {
 public:
  static constexpr int kClassCode = 37;

  static constexpr int kAlongLabel = 400;
  static constexpr int kPerpLabel = 410;
  static constexpr int kPerp = 420;
  static constexpr int kAlong = 430;

  TdvDesignatedPointDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem);

  bool IsA(int code) const override;
  int DoControlCommand(int id) override;

 protected:
  void ShowFields() override;
  bool ReadFields() override;
  void WriteFields() override;
  void DrawDiagram(const shell::Rect& area) override;

 private:
  // Where A and B are drawn in a diagram of that size.
  static shell::Point EndA(const shell::Rect& area);
  static shell::Point EndB(const shell::Rect& area);
  void MovePoint(shell::Point click);

  std::string alongShown_;
  std::string perpShown_;
  std::optional<double> along_;
  std::optional<double> perp_;
};
