#include "frame/command_table.h"

#include <algorithm>
#include <array>

namespace {

using enum TdvPopup;
constexpr TdvCommandOwner kByFrame = TdvCommandOwner::kFrame;
constexpr TdvCommandOwner kByWindow = TdvCommandOwner::kDocumentWindow;

constexpr unsigned I = MenuBit(kMenuInit);
constexpr unsigned M = MenuBit(kMenuMoov);
constexpr unsigned D = MenuBit(kMenuDataObject);
constexpr unsigned G = MenuBit(kMenuGraph);
constexpr unsigned kAll = kAllMenus;
constexpr unsigned kDocs = kDocumentMenus;

constexpr TdvCommandEntry kCommands[] = {
    {151, "&New Startup..\tCtl+N", "Ctrl+N", kFile, kAll, 0, 0, false, kByFrame},
    {152, "Open &Movie...\tCtl+O", "Ctrl+O", kFile, kAll, 0, 0, false, kByFrame},
    {153, "&Open Saved Data", "", kFile, kAll, 0, 0, false, kByFrame},
    {154, "&Close Window\tCtl+W", "Ctrl+W", kFile, kAll, I, 0, false, kByFrame},
    {156, "&Save\tCtl+S", "Ctrl+S", kFile, kAll, I, 0, true, kByFrame},
    {157, "Save &As ...", "", kFile, kAll, I, 0, false, kByFrame},
    {158, "&Export Data", "", kFile, kAll, I, 0, false, kByWindow},
    {160, "P&rinter Setup ...", "", kFile, kAll, kAll, 0, true, kByFrame},
    {161, "&Print ...\tCtl+P", "Ctrl+P", kFile, kAll, I, 0, false, kByWindow},
    {163, "E&xit\tCtl+Q", "Ctrl+Q", kFile, kAll, 0, 0, true, kByFrame},

    {451, "&Edit Selected Series\tCtl+E", "Ctrl+E", kEdit, kDocs, 0, 0, false, kByWindow},
    {452, "&Change Marker", "", kEdit, kDocs, 0, 0, false, kByWindow},
    {453, "Leave/Hide &Trails\tCtl+T", "Ctrl+T", kEdit, kDocs, 0, 0, false, kByWindow},
    {454, "&Hide/Show Selection", "", kEdit, kDocs, 0, 0, false, kByWindow},
    {455, "Show &All", "", kEdit, kDocs, 0, 0, false, kByWindow},
    {457, "Clea&r Selection on Frame", "", kEdit, kDocs, 0, 0, true, kByWindow},
    {458, "Clear &Selection All Frames", "", kEdit, kDocs, 0, 0, false, kByWindow},
    {459, "Clear &Frame", "", kEdit, kDocs, 0, 0, false, kByWindow},
    {460, "Clear Al&l...", "", kEdit, kDocs, 0, 0, false, kByWindow},
    {462, "&Copy Window\tCtrl+C", "Ctrl+C", kEdit, kDocs, 0, 0, true, kByWindow},
    {463, "&Delete Selection\tCtl+K", "Ctrl+K", kEdit, kDocs, 0, 0, false, kByWindow},
    {464, "S&elect All\tCtl+A", "Ctrl+A", kEdit, kDocs, G, 0, false, kByWindow},

    {351, "&Auto Add Points", "", kOptions, M | D, 0, 0, false, kByWindow},
    {352, "Auto &Point Advance", "", kOptions, M | D, 0, M | D, false, kByWindow},
    {353, "Auto &Frame Advance", "", kOptions, M | D, 0, M | D, false, kByWindow},
    {355, "Ma&ke Point Origin", "", kOptions, M | D, 0, 0, true, kByWindow},
    {356, "&Transform Origin", "", kOptions, M | D, 0, 0, false, kByWindow},
    {357, "Set &Default Origin", "", kOptions, M | D, 0, 0, false, kByWindow},
    {359, "&Change Scale", "", kOptions, M | D, 0, 0, true, kByWindow},
    {361, "&Remove Movie...", "", kOptions, M | D, 0, 0, true, kByWindow},
    {362, "&Switch Movie...", "", kOptions, M | D, 0, 0, false, kByWindow},
    {364, "Live Updates", "", kOptions, M | D, 0, M | D, true, kByWindow},
    {365, "Trac&k Selected Point...\tCtl+Shift+T", "Ctrl+Shift+T", kOptions, M | D, 0, 0, true,
     kByWindow},

    {651, "&Point", "", kCreate, M | D, 0, 0, false, kByWindow},
    {652, "&Origin", "", kCreate, M | D, 0, 0, false, kByWindow},
    {653, "Center of &Mass", "", kCreate, M | D, 0, 0, false, kByWindow},
    {654, "&Distance", "", kCreate, M | D, 0, 0, false, kByWindow},
    {655, "&Scale", "", kCreate, M | D, 0, 0, false, kByWindow},
    {656, "&Clone", "", kCreate, M | D, 0, 0, false, kByWindow},
    {657, "&Angle", "", kCreate, M | D, 0, 0, false, kByWindow},
    {658, "Desi&gnated Point", "", kCreate, M | D, 0, 0, false, kByWindow},
    {659, "Coun&t", "", kCreate, M | D, 0, 0, false, kByWindow},

    {301, "&Rewind\tCtl+R", "Ctrl+R", kMovie, M, 0, 0, false, kByWindow},
    {303, "S&cale Movie", "", kMovie, M, 0, 0, true, kByWindow},
    {304, "&Set Step Size", "", kMovie, M, 0, 0, false, kByWindow},
    {305, "Select &Frame Rate", "", kMovie, M, 0, 0, false, kByWindow},
    {307, "&Half Size\tF5", "F5", kMovie, M, 0, 0, true, kByWindow},
    {308, "&Normal Size\tF6", "F6", kMovie, M, 0, 0, false, kByWindow},
    {309, "&DoubleSize\tF7", "F7", kMovie, M, 0, 0, false, kByWindow},
    {310, "F&ill Screen\tF8", "F8", kMovie, M, 0, 0, false, kByWindow},
    {312, "&Keep Aspect Ratio", "", kMovie, M, 0, M, true, kByWindow},
    {313, "Play &All Frames", "", kMovie, M, 0, M, false, kByWindow},
    {314, "Show Frame N&umbers", "", kMovie, M, 0, M, false, kByWindow},

    {551, "&Add / Edit Model", "", kGraph, G, 0, 0, false, kByWindow},
    {552, "&Remove Model", "", kGraph, G, 0, 0, false, kByWindow},
    {554, "Add/Edit &Fit", "", kGraph, G, 0, 0, true, kByWindow},
    {555, "R&emove Fit", "", kGraph, G, 0, 0, false, kByWindow},
    {557, "&Show Legend", "", kGraph, G, 0, 0, true, kByWindow},
    {558, "Save Graph as &Picture...", "", kGraph, G, 0, 0, true, kByWindow},

    {251, "&Tile\tShift+F4", "Shift+F4", kWindow, kAll, I, 0, false, kByFrame},
    {252, "&Cascade\tShift+F5", "Shift+F5", kWindow, kAll, I, 0, false, kByFrame},
    {253, "Arrange &Icons", "", kWindow, kAll, I, 0, false, kByFrame},
    {254, "Close &All", "", kWindow, kAll, I, 0, false, kByFrame},
    {701, "&Movie", "", kWindow, kDocs, 0, 0, true, kByWindow},
    {702, "&Coordinate System", "", kWindow, kDocs, 0, 0, false, kByWindow},
    {703, "&Data Table\tCtl+D", "Ctrl+D", kWindow, kDocs, 0, 0, false, kByWindow},
    {704, "New &Graph\tCtl+G", "Ctrl+G", kWindow, kDocs, 0, 0, false, kByWindow},

    {751, "Con&tents", "", kHelp, kAll, 0, 0, false, kByFrame},
    {752, "&Context\tF1", "F1", kHelp, kAll, 0, 0, false, kByFrame},
    {753, "&About...", "", kHelp, kAll, 0, 0, true, kByFrame},
};

struct BarLayout {
  std::array<TdvPopup, 7> popups;
  int count;
};

constexpr BarLayout kBars[kMenuKindCount] = {
    {{kFile, kWindow, kHelp}, 3},
    {{kFile, kEdit, kOptions, kCreate, kMovie, kWindow, kHelp}, 7},
    {{kFile, kEdit, kWindow, kHelp}, 4},
    {{kFile, kEdit, kOptions, kCreate, kWindow, kHelp}, 6},
    {{kFile, kEdit, kGraph, kWindow, kHelp}, 5},
};

const char* PopupTitle(TdvPopup popup) {
  switch (popup) {
    case kFile:
      return "&File";
    case kEdit:
      return "&Edit";
    case kOptions:
      return "&Options";
    case kCreate:
      return "&Create";
    case kMovie:
      return "&Movie";
    case kGraph:
      return "&Graph";
    case kWindow:
      return "&Window";
    case kHelp:
      return "&Help";
  }
  return "";
}

// Each kind of window names what Copy takes from it.
const char* CopyText(TdvMenuKind kind) {
  switch (kind) {
    case kMenuMoov:
      return "&Copy Movie\tCtrl+C";
    case kMenuTable:
      return "&Copy Data\tCtrl+C";
    case kMenuGraph:
      return "&Copy Graph\tCtrl+C";
    default:
      return "&Copy Window\tCtrl+C";
  }
}

shell::MenuItem MenuItemFor(const TdvCommandEntry& entry, TdvMenuKind kind, bool liveUpdates) {
  shell::MenuItem item;
  item.id = entry.id;
  item.text = entry.id == 462 ? CopyText(kind) : entry.text;
  item.enabled = (entry.greyedIn & MenuBit(kind)) == 0;
  item.checked = entry.id == 364 ? liveUpdates : (entry.checkedIn & MenuBit(kind)) != 0;
  return item;
}

shell::MenuItem BuildPopup(TdvPopup popup, TdvMenuKind kind, bool liveUpdates) {
  shell::MenuItem menu;
  menu.text = PopupTitle(popup);
  for (const TdvCommandEntry& entry : kCommands) {
    if (entry.popup != popup || (entry.menus & MenuBit(kind)) == 0) {
      continue;
    }
    if (entry.separatorBefore && !menu.items.empty()) {
      shell::MenuItem separator;
      separator.separator = true;
      menu.items.push_back(separator);
    }
    menu.items.push_back(MenuItemFor(entry, kind, liveUpdates));
  }
  return menu;
}

}  // namespace

std::span<const TdvCommandEntry> CommandTable() {
  return kCommands;
}

const TdvCommandEntry* FindCommand(int id) {
  auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                            [id](const TdvCommandEntry& entry) { return entry.id == id; });
  return found == std::end(kCommands) ? nullptr : found;
}

shell::MenuItem BuildMenuBar(TdvMenuKind kind, bool liveUpdates) {
  shell::MenuItem bar;
  const BarLayout& layout = kBars[kind];
  for (int i = 0; i < layout.count; ++i) {
    bar.items.push_back(BuildPopup(layout.popups[static_cast<std::size_t>(i)], kind, liveUpdates));
  }
  return bar;
}

int WindowMenuIndex(TdvMenuKind kind) {
  const BarLayout& layout = kBars[kind];
  for (int i = 0; i < layout.count; ++i) {
    if (layout.popups[static_cast<std::size_t>(i)] == kWindow) {
      return i;
    }
  }
  return -1;
}

std::vector<shell::Accelerator> Accelerators() {
  std::vector<shell::Accelerator> keys;
  for (const TdvCommandEntry& entry : kCommands) {
    if (*entry.keys != '\0' && entry.greyedIn != entry.menus) {
      keys.push_back({entry.keys, entry.id});
    }
  }
  return keys;
}
