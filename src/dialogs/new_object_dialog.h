#pragma once

#include <cstdint>
#include <vector>

#include "dialogs/accept_dialog.h"

class TdvDataObjectWindow;

// "New Series": a kind (as in the Create menu) and a name. OK makes the
// item; "Edit" makes it and opens its edit dialog. A name that is empty or
// too long makes nothing.
class TdvNewObjectDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 24;

  static constexpr int kKind = 10;
  static constexpr int kName = 20;
  static constexpr int kNameLabel = 30;
  static constexpr int kOk = 120;
  static constexpr int kCancel = 130;
  static constexpr int kEdit = 140;

  explicit TdvNewObjectDialog(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoControlCommand(int id) override;
  int FilterControlChar(int id, int character) override;

 private:
  void Accept() override;
  // The new item's id, or none when the name was refused.
  std::int32_t Create();

  TdvDataObjectWindow& document_;
};

// "Clone Point Series": the points that can be cloned; OK makes a clone of
// the one chosen and opens its edit dialog in new-item mode.
class TdvClonePointDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 33;

  static constexpr int kPoints = 10;
  static constexpr int kPrompt = 20;
  static constexpr int kOk = 30;
  static constexpr int kCancel = 40;

  explicit TdvClonePointDialog(TdvDataObjectWindow& document);

  bool IsA(int code) const override;
  int DoCreate() override;

 private:
  void Accept() override;

  TdvDataObjectWindow& document_;
  std::vector<std::int32_t> points_;
};
