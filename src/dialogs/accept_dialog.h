#pragma once

#include <span>

#include "dialogs/control_help.h"
#include "shell/dialog.h"

// A dialog that hands its values on with its accepting button (Accept may
// refuse them and keep the dialog open) and closes without a change on
// Cancel. Each control's help comes from the dialog's table.
class TdvAcceptDialog : public TdvDialog {
 public:
  int DoCreate() override;
  int DoControlCommand(int id) override;
  int DoKeyDown(int character, int modifiers) override;
  void ShowControlHelp(int id, int x, int y) override;

 protected:
  TdvAcceptDialog(int acceptId, int cancelId, std::span<const TdvControlHelp> help)
      : acceptId_(acceptId), cancelId_(cancelId), help_(help) {}

  virtual void Accept() = 0;

 private:
  int acceptId_;
  int cancelId_;
  std::span<const TdvControlHelp> help_;
};
