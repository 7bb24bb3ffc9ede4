#include "frame/tool_window.h"

#include <array>

#include "document/data_object_window.h"
#include "shell/app_window.h"
#include "shell/document_window.h"
#include "shell/shell.h"

namespace {

constexpr int kDrawnButtonKind = 10;
constexpr int kIconOption = 1;
constexpr int kCoordinateSystemsWindow = 13;

constexpr int kCodeSelectNext = 1;
constexpr int kCodeDeselect = 0;
constexpr int kCodeNextItem = 13;
constexpr int kCodePreviousItem = 14;
constexpr int kCodeNudgeUp = 15;
constexpr int kCodeNudgeRight = 16;
constexpr int kCodeNudgeLeft = 17;
constexpr int kCodeNudgeDown = 18;

// Top to bottom; the four nudge arrows share the last row.
constexpr std::array<TdvToolButton, 18> kButtons{{
    {50,
     1000,
     {5, 3, 27, 25},
     kCodeSelectNext,
     0,
     "Selects the next item that needs to be located on the movie. This item is normally a "
     "point"},
    {40,
     1010,
     {5, 23, 27, 45},
     kCodeDeselect,
     0,
     "Deselects all items. When you have an arrow cursor on the movie window, you can select "
     "other items"},
    {210,
     1090,
     {5, 43, 27, 65},
     std::nullopt,
     kTdvContextHelpCommand,
     "Toggles context sensitive help on and off. While on, move the cursor over any toolbar "
     "button to learn its functionality"},
    {130,
     1100,
     {5, 71, 27, 93},
     kCodePreviousItem,
     0,
     "Selects the previous item in the order that appears in the Coordinate Systems Window"},
    {140,
     1110,
     {5, 91, 27, 113},
     kCodeNextItem,
     0,
     "Selects the next item in the order that appears in the Coordinate Systems Window"},
    {60,
     1020,
     {5, 119, 27, 141},
     2,
     0,
     "Begins the scaling process. This tells the program how many pixels (computer units) are "
     "in a meter (real units)"},
    {80, 1040, {5, 147, 27, 169}, 4, 0, "Opens the data table."},
    {70, 1045, {5, 167, 27, 189}, 3, 0, "Create a new graph"},
    {90, 1050, {5, 195, 27, 217}, 5, 0, "Changes the marker for the last selected item."},
    {220,
     1140,
     {5, 215, 27, 237},
     21,
     0,
     "Toggles the visibility for all selected items. Invisible items cannot be selected on the "
     "movie window"},
    {230,
     1160,
     {5, 235, 27, 257},
     22,
     0,
     "Toggles the trails for all selected items. Trails show the location of the item on every "
     "frame with data"},
    {110, 1070, {5, 255, 27, 277}, 7, 0, "Opens the edit dialog for the last selected item."},
    {120,
     1080,
     {5, 283, 27, 305},
     8,
     0,
     "Transforms an origin. Use this when you have a frame-by-frame or filled origin which "
     "moves off the screen due to camera movement"},
    {170,
     2010,
     {5, 311, 12, 333},
     kCodeNudgeLeft,
     0,
     "Nudges the selected point one movie pixel to the left. This moves points only"},
    {180,
     2020,
     {18, 311, 27, 333},
     kCodeNudgeRight,
     0,
     "Nudges the selected point one movie pixel to the right. This moves points only"},
    {150,
     2000,
     {12, 311, 18, 321},
     kCodeNudgeUp,
     0,
     "Nudges the selected point one movie pixel up. This moves points only"},
    // Its three neighbours explain themselves; this one gets the same words.
    {160,
     2030,
     {12, 321, 18, 333},
     kCodeNudgeDown,
     0,
     "Nudges the selected point one movie pixel down. This moves points only"},
    {240,
     1170,
     {5, 339, 27, 361},
     23,
     0,
     "Tracks the selected point through the movie from the frame shown, where it must have "
     "data"},
}};

}  // namespace

TdvToolWindow::TdvToolWindow() {
  title = "tools";
  className = "TdvToolChild";
  for (const TdvToolButton& button : kButtons) {
    AddControl(kDrawnButtonKind, button.id, "", button.rect, 1, kIconOption, button.icon);
  }
}

bool TdvToolWindow::IsA(int code) const {
  return code == kClassCode || TdvWindow::IsA(code);
}

std::span<const TdvToolButton> TdvToolWindow::Buttons() {
  return kButtons;
}

const TdvToolButton* TdvToolWindow::FindButton(int id) {
  for (const TdvToolButton& button : kButtons) {
    if (button.id == id) {
      return &button;
    }
  }
  return nullptr;
}

int TdvToolWindow::SentCode(int code) {
  return code == kCodeDeselect || code == kCodeSelectNext ? code | kSelectionFlag : code;
}

// The strip runs the full height of the frame's client area; the frame
// keeps it there when it is resized.
int TdvToolWindow::OpenWindow() {
  TdvAppWindow* frame = Frame();
  shell::WindowHandle handle = shell::kNoWindow;
  if (frame != nullptr && frame->hwnd != shell::kNoWindow) {
    const shell::Size client = Backend().ClientSize(frame->hwnd);
    rect = {-4, 0, kWidth - 4, client.height};
    shell::ChildSpec request{"TOOLWIN", rect, false};
    handle = CreateThroughBackend([&] { return Backend().CreateChild(frame->hwnd, request); });
  }
  if (handle == shell::kNoWindow) {
    Fault("could not register class", "TdvDocumentWindow::OpenWindow");
    return 0;
  }
  frame->toolWindow = this;
  return 1;
}

int TdvToolWindow::DoCreate() {
  TdvWindow::DoCreate();
  for (const TdvToolButton& button : kButtons) {
    if (shell::WindowHandle control = GetControlWindow(button.id)) {
      Backend().SetToolTip(control, button.help);
    }
  }
  return 0;
}

void TdvToolWindow::EnableDocumentActions(bool on) {
  for (const TdvToolButton& button : kButtons) {
    if (button.code) {
      EnableControl(button.id, on);
    }
  }
}

int TdvToolWindow::DoDestroy() {
  if (TdvAppWindow* frame = Frame(); frame != nullptr && frame->toolWindow == this) {
    frame->toolWindow = nullptr;
  }
  return TdvWindow::DoDestroy();
}

void TdvToolWindow::WinDraw(const std::optional<shell::Rect>& area) {
  GfxSetColorCode(kBackgroundColourCode);
  GfxFillRect({0, 0, kWidth, clientSize.height});
  TdvWindow::WinDraw(area);
}

int TdvToolWindow::DoButtonClick(int id, shell::Point) {
  const TdvToolButton* button = FindButton(id);
  if (button == nullptr) {
    return kTdvNotHandled;
  }
  if (hwnd != shell::kNoWindow) {
    Backend().BringToTop(hwnd);
  }
  if (button->code) {
    SendToolCode(SentCode(*button->code));
  } else if (TdvAppWindow* frame = Frame()) {
    frame->DoCommand(button->frameCommand);
  }
  return 0;
}

int TdvToolWindow::DoKeyDown(int character, int modifiers) {
  const bool control = (modifiers & kTdvControlKey) == kTdvControlKey;
  const bool shift = (modifiers & kTdvShiftKey) != 0;
  std::optional<int> code;
  if (character == kTdvKeyTab) {
    code = shift ? kCodePreviousItem : kCodeNextItem;
  } else if (control && character == kTdvKeyLeft) {
    code = kCodeNudgeLeft;
  } else if (control && character == kTdvKeyRight) {
    code = kCodeNudgeRight;
  } else if (control && character == kTdvKeyUp) {
    code = kCodeNudgeUp;
  } else if (control && character == kTdvKeyDown) {
    code = kCodeNudgeDown;
  }
  if (!code) {
    return TdvWindow::DoKeyDown(character, modifiers);
  }
  SendToolCode(*code);
  return 0;
}

void TdvToolWindow::ShowControlHelp(int id, int, int) {
  const TdvToolButton* button = FindButton(id);
  TdvShell::Get().SetHelpText(button != nullptr ? button->help : "");
}

void TdvToolWindow::SendToolCode(int code) {
  TdvAppWindow* frame = Frame();
  if (frame == nullptr || frame->activeDocument == nullptr) {
    return;
  }
  TdvDocumentWindow* document = frame->activeDocument->GetDocument();
  if (document != nullptr && document->IsA(kCoordinateSystemsWindow)) {
    static_cast<TdvDataObjectWindow*>(document)->DoToolCommand(code);
  }
}
