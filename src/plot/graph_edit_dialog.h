#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/dialog.h"

class TdvGraphObject;

// What the model and fit dialogs share: the graph they edit, "Apply To :"
// over its plots, and the buttons. "Apply To :" is there only for two
// plots or more; without it every control sits 25 units higher and the
// dialog is as much shorter. "Apply" (and Return in a text field) applies
// and keeps the dialog open; "OK" applies, unless nothing changed since
// the last "Apply", and closes once applying succeeded; "Cancel" and the
// close box remove what the opening created. Every change the dialog makes
// is followed by `changed`, which brings the graph up to date and redraws
// it.
class TdvGraphEditDialog : public TdvDialog {
 public:
  static constexpr int kOk = 10;
  static constexpr int kApply = 20;
  static constexpr int kCancel = 30;
  static constexpr int kApplyTo = 40;

  int DoCreate() override;
  int DoControlCommand(int id) override;
  int DoPopupSelect(int id, int selection) override;
  int DoCheckBox(int id) override;
  void DoEditNotify(int id) override;
  int DoClose() override;
  void ShowControlHelp(int id, int x, int y) override;

 protected:
  // `plotIndex` is the plot the model or fit applies to now.
  TdvGraphEditDialog(TdvGraphObject& graph, std::vector<std::string> plotNames,
                     std::int32_t plotIndex, bool created, std::function<void()> changed);

  // The top of the first row under "Apply To :".
  int Top() const { return top_; }
  // The buttons on the row at y, and the dialog's bottom under them.
  void AddButtons(int y);
  // The plot chosen under "Apply To :", or `current` when it is not shown.
  std::int32_t ChosenPlot(std::int32_t current) const;
  bool Created() const { return created_; }

  // Takes the controls' values into the graph; false, after telling the
  // user why, changes nothing.
  virtual bool Apply() = 0;
  // Removes the model or fit that the opening made.
  virtual void RemoveCreated() = 0;
  // The status-line help of a control, empty for none.
  virtual std::string HelpText(int /*id*/) const { return ""; }

  TdvGraphObject& graph_;
  std::function<void()> changed_;

 private:
  void Close();

  std::vector<std::string> plotNames_;
  std::int32_t plotIndex_;
  bool created_;
  int top_;
  // Whether the graph shows what the controls hold.
  bool applied_ = false;
  bool closing_ = false;
};
