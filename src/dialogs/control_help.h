#pragma once

#include <span>

class TdvWindow;

// The help text of one control, shown as its tool tip and handed to the
// frame while context help is on.
struct TdvControlHelp {
  int id = 0;
  const char* text = "";
};

// Gives each control of the table that the window has created its tool tip.
void ApplyControlHelp(const TdvWindow& window, std::span<const TdvControlHelp> help);
// The help text of a control, or the empty text.
const char* ControlHelpText(std::span<const TdvControlHelp> help, int id);
