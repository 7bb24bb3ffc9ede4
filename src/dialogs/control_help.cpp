#include "dialogs/control_help.h"

#include "shell/shell.h"
#include "shell/window.h"

void ApplyControlHelp(const TdvWindow& window, std::span<const TdvControlHelp> help) {
  for (const TdvControlHelp& entry : help) {
    if (shell::WindowHandle control = window.GetControlWindow(entry.id)) {
      TdvShell::Get().Backend().SetToolTip(control, entry.text);
    }
  }
}

const char* ControlHelpText(std::span<const TdvControlHelp> help, int id) {
  for (const TdvControlHelp& entry : help) {
    if (entry.id == id) {
      return entry.text;
    }
  }
  return "";
}
