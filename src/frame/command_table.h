#pragma once

#include <span>
#include <vector>

#include "shell/menu_model.h"

// The five menu bars: no document, and one per kind of document window.
enum TdvMenuKind : int {
  kMenuInit = 0,        // "MdiMenuInit"
  kMenuMoov = 1,        // "MdiMenuMoov", the movie window
  kMenuTable = 2,       // "MdiMenuTable", the data table
  kMenuDataObject = 3,  // "MdiMenuDataObject", the coordinate-systems window
  kMenuGraph = 4,       // "MdiMenuGraph", a graph window
};
inline constexpr int kMenuKindCount = 5;

inline constexpr unsigned MenuBit(TdvMenuKind kind) {
  return 1u << kind;
}
inline constexpr unsigned kAllMenus = 0x1F;
inline constexpr unsigned kDocumentMenus = kAllMenus & ~MenuBit(kMenuInit);

// The pull-down menus of the bars, in the order they stand on a bar.
enum class TdvPopup { kFile, kEdit, kOptions, kCreate, kMovie, kGraph, kWindow, kHelp };

// Who answers a command: the frame itself, or the active document window
// (which passes what it does not handle on to its document).
enum class TdvCommandOwner { kFrame, kDocumentWindow };

// One menu command: where it appears, how it looks at start, and who
// handles it.
struct TdvCommandEntry {
  int id;
  const char* text;
  const char* keys;  // accelerator, "" for none
  TdvPopup popup;
  unsigned menus;     // MenuBit of each bar that shows it
  unsigned greyedIn;  // bars where it starts greyed
  unsigned checkedIn;
  bool separatorBefore;
  TdvCommandOwner owner;
};

std::span<const TdvCommandEntry> CommandTable();
const TdvCommandEntry* FindCommand(int id);

// The bar of a kind, built from the table; `liveUpdates` ticks command 364.
shell::MenuItem BuildMenuBar(TdvMenuKind kind, bool liveUpdates);
// Index on the bar of the "Window" menu, which receives the window list.
int WindowMenuIndex(TdvMenuKind kind);
// Every accelerator of the table that leads to a usable command.
std::vector<shell::Accelerator> Accelerators();
