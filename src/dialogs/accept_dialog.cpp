#include "dialogs/accept_dialog.h"

#include "shell/shell.h"

int TdvAcceptDialog::DoCreate() {
  TdvDialog::DoCreate();
  ApplyControlHelp(*this, help_);
  return 0;
}

int TdvAcceptDialog::DoControlCommand(int id) {
  if (id == acceptId_) {
    Accept();
    return 0;
  }
  if (id == cancelId_) {
    CloseWindow();
    return 0;
  }
  return kTdvNotHandled;
}

// Escape is the keyboard's Cancel.
int TdvAcceptDialog::DoKeyDown(int character, int modifiers) {
  if (character == kTdvKeyEscape) {
    return DoControlCommand(cancelId_);
  }
  return TdvDialog::DoKeyDown(character, modifiers);
}

void TdvAcceptDialog::ShowControlHelp(int id, int, int) {
  TdvShell::Get().SetHelpText(ControlHelpText(help_, id));
}
