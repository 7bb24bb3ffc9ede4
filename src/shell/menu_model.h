#pragma once

#include <string>
#include <vector>

namespace shell {

// One entry of a menu bar or pop-up menu. A popup has items; a command has
// an id (menu commands arrive as EventKind::kCommand with that id). The text
// is the program's own, with "&" before the mnemonic and "\t" before the
// shortcut shown at the right.
struct MenuItem {
  int id = 0;
  std::string text;
  bool separator = false;
  bool checked = false;
  bool enabled = true;
  std::vector<MenuItem> items;

  bool IsPopup() const { return !items.empty(); }
};

// A key that sends a command whatever has the focus, written as
// "Ctrl+N", "Shift+F4", "F5".
struct Accelerator {
  std::string keys;
  int command = 0;
};

}  // namespace shell
