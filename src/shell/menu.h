#pragma once

#include "shell/menu_model.h"

// The item with command `id` anywhere under `root`, or none.
shell::MenuItem* FindMenuItem(shell::MenuItem& root, int id);

// Each answers false when the menu has no item with that id.
bool CheckMenuItem(shell::MenuItem& root, int id, bool on);
bool EnableMenuItem(shell::MenuItem& root, int id, bool on);
bool SetMenuItemText(shell::MenuItem& root, int id, const std::string& text);
