#include "shell/menu.h"

shell::MenuItem* FindMenuItem(shell::MenuItem& root, int id) {
  for (shell::MenuItem& item : root.items) {
    if (!item.separator && !item.IsPopup() && item.id == id) {
      return &item;
    }
    if (shell::MenuItem* found = FindMenuItem(item, id)) {
      return found;
    }
  }
  return nullptr;
}

bool CheckMenuItem(shell::MenuItem& root, int id, bool on) {
  shell::MenuItem* item = FindMenuItem(root, id);
  if (item != nullptr) {
    item->checked = on;
  }
  return item != nullptr;
}

bool EnableMenuItem(shell::MenuItem& root, int id, bool on) {
  shell::MenuItem* item = FindMenuItem(root, id);
  if (item != nullptr) {
    item->enabled = on;
  }
  return item != nullptr;
}

bool SetMenuItemText(shell::MenuItem& root, int id, const std::string& text) {
  shell::MenuItem* item = FindMenuItem(root, id);
  if (item != nullptr) {
    item->text = text;
  }
  return item != nullptr;
}
