#pragma once

#include <functional>

#include "shell/backend_events.h"

class QMessageBox;
class QFileDialog;
class QPrinter;

namespace shell::qt {

// Lets a test take the user's place. Each hook runs while its box or dialog
// is on screen (from inside its event loop), so the test sees the real
// widgets with their texts; a box or dialog left open by its hook is
// cancelled.
struct QtTestHooks {
  // Answers a message box by clicking one of its buttons.
  std::function<void(QMessageBox&)> messageBox;
  // Chooses a file (selectFile + accept) or rejects the dialog.
  std::function<void(QFileDialog&)> fileDialog;
  // Stands for the print dialog: sets up the printer (for example a PDF
  // file) and answers whether to print.
  std::function<bool(QPrinter&)> printDialog;
  // Runs once a modal dialog of the program is running; sets its controls
  // and presses its buttons.
  std::function<void(WindowHandle)> modalDialog;
};

}  // namespace shell::qt
